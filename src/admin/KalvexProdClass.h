// A product class of the administration database.
#pragma once
#include "foundation/KalvexAdmEntryImpl.h"
#include "interfaces/IKalvexProdClass.h"

namespace kalvex {

class KalvexProdClass : public KalvexAdmEntryImpl<IKalvexProdClass> {
public:
    QString className() const override { return QStringLiteral("KalvexProdClass"); }
    QString objectKind() const override { return QStringLiteral("PRODUCT_CLASS"); }
    void clone(const std::shared_ptr<IKalvexProdClass>& other) override
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

std::shared_ptr<IKalvexProdClass> classCreate_KalvexProdClass();

} // namespace kalvex
