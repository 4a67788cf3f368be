// A file type of the administration database.
#pragma once
#include "foundation/KalvexAdmEntryImpl.h"
#include "interfaces/IKalvexFileType.h"

namespace kalvex {

class KalvexFileType : public KalvexPlainAdmEntryImpl<IKalvexFileType> {
public:
    QString className() const override { return QStringLiteral("KalvexFileType"); }
    QString objectKind() const override { return QStringLiteral("FILE_TYPE"); }
};

std::shared_ptr<IKalvexFileType> classCreate_KalvexFileType();

} // namespace kalvex
