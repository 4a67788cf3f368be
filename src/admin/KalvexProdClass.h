// A product class of the administration database.
#pragma once
#include "foundation/KalvexAdmEntryImpl.h"
#include "interfaces/IKalvexProdClass.h"

namespace kalvex {

class KalvexProdClass : public KalvexPlainAdmEntryImpl<IKalvexProdClass> {
public:
    QString className() const override { return QStringLiteral("KalvexProdClass"); }
    QString objectKind() const override { return QStringLiteral("PRODUCT_CLASS"); }
};

std::shared_ptr<IKalvexProdClass> classCreate_KalvexProdClass();

} // namespace kalvex
