// A production site: where the output of a design job goes.
#pragma once
#include "interfaces/IKalvexAdmEntry.h"
#include "interfaces/IKalvexItemsOf.h"

namespace kalvex {

// The id that marks the variant's own production site.
inline const QString VARIANT_PSITE_ID = QStringLiteral("VARIANT_PSITE_ID");

// Production sites in display order (displayOrder, then collection order).
constexpr int SORT_DISPLAY_ORDER = 2;

class IKalvexProdSite : public IKalvexAdmEntry {
public:
    // Address lines 1 to 4; any other line reads empty and is not stored.
    virtual QString address(int line) const = 0;
    virtual bool setAddress(int line, const QString& text) = 0;
    virtual QString emailData() const = 0;
    virtual void setEmailData(const QString& text) = 0;
    virtual bool emailNotify() const = 0;
    virtual void setEmailNotify(bool on) = 0;
    virtual int displayOrder() const = 0;
    virtual void setDisplayOrder(int order) = 0;
    // Copies every value but the id from other.
    virtual void clone(const std::shared_ptr<IKalvexProdSite>& other) = 0;
};

class IKalvexProdSites : public IKalvexNamedItemsOf<IKalvexProdSite> {};

using IKalvexProdSitePtr = std::shared_ptr<IKalvexProdSite>;

} // namespace kalvex
