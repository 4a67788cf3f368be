// The product classes of the administration database.
#pragma once
#include "foundation/KalvexNamedItemsImpl.h"
#include "interfaces/IKalvexProdClass.h"

namespace kalvex {

class KalvexProdClasses : public KalvexNamedItemsImpl<IKalvexProdClass, IKalvexProdClasses> {
public:
    QString className() const override { return QStringLiteral("KalvexProdClasses"); }
    QString objectKind() const override { return QStringLiteral("PRODUCT_CLASSES"); }

protected:
    QString idPrefix() const override { return QStringLiteral("pclass_"); }
};

std::shared_ptr<IKalvexProdClasses> classCreate_KalvexProdClasses();

} // namespace kalvex
