// The distributors of the administration database.
#pragma once
#include "admin/KalvexDistributor.h"
#include "foundation/KalvexNamedItemsImpl.h"

namespace kalvex {

class KalvexDistributors : public KalvexNamedItemsImpl<IKalvexDistributor, IKalvexDistributors> {
public:
    QString className() const override { return QStringLiteral("KalvexDistributors"); }
    QString objectKind() const override { return QStringLiteral("DISTRIBUTORS"); }

protected:
    QString idPrefix() const override { return QStringLiteral("distrib_"); }
    void applyEnvirVars(const ItemPtr& it) override
    {
        if (auto* d = dynamic_cast<KalvexDistributor*>(it.get()))
            d->setEnvirVars(envirVars());
    }
};

std::shared_ptr<IKalvexDistributors> classCreate_KalvexDistributors();

} // namespace kalvex
