// A file type of the administration database.
#pragma once
#include "foundation/KalvexAdmEntryImpl.h"
#include "interfaces/IKalvexFileType.h"

namespace kalvex {

class KalvexFileType : public KalvexAdmEntryImpl<IKalvexFileType> {
public:
    QString className() const override { return QStringLiteral("KalvexFileType"); }
    QString objectKind() const override { return QStringLiteral("FILE_TYPE"); }
    void clone(const std::shared_ptr<IKalvexFileType>& other) override
    {
        if (other && other.get() != this)
            copyEntryFrom(*other);
    }
    void initialize() override
    {
        resetEntry();
        bumpModelGeneration();
        setModified(0);
    }
};

std::shared_ptr<IKalvexFileType> classCreate_KalvexFileType();

} // namespace kalvex
