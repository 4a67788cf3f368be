// The file types of the administration database.
#pragma once
#include "foundation/KalvexNamedItemsImpl.h"
#include "interfaces/IKalvexFileType.h"

namespace kalvex {

class KalvexFileTypes : public KalvexNamedItemsImpl<IKalvexFileType, IKalvexFileTypes> {
public:
    QString className() const override { return QStringLiteral("KalvexFileTypes"); }
    QString objectKind() const override { return QStringLiteral("FILE_TYPES"); }

protected:
    QString idPrefix() const override { return QStringLiteral("ftype_"); }
};

std::shared_ptr<IKalvexFileTypes> classCreate_KalvexFileTypes();

} // namespace kalvex
