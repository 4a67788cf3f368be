// An error filter: how a line of a generator's log is classified.
#pragma once
#include "interfaces/IKalvexItemsOf.h"

namespace kalvex {

class IKalvexErrorFilter : public virtual IKalvexObject {
public:
    virtual QString id() const = 0;
    // Trimmed; refused when empty or borne by another filter of the collection.
    virtual bool setId(const QString& id) = 0;
    // Position in filter order (sort order 1), 16-bit.
    virtual int order() const = 0;
    virtual void setOrder(int order) = 0;
    virtual QString actionString() const = 0;
    virtual void setActionString(const QString& text) = 0;
    virtual QString expression() const = 0;
    virtual void setExpression(const QString& text) = 0;
    virtual QString description() const = 0;
    virtual void setDescription(const QString& text) = 0;
    // "#"-joined generator ids the filter applies to; "ALL" (the default) or empty: every generator.
    virtual QString applList() const = 0;
    virtual void setApplList(const QString& text) = 0;
    virtual void clone(const std::shared_ptr<IKalvexErrorFilter>& other) = 0;
    virtual void initialize() = 0;
};

class IKalvexErrorFilters : public IKalvexItemsOf<IKalvexErrorFilter> {
public:
    // The order a new last filter takes: the next multiple of 10 above the highest.
    virtual int getNextOrderId() const = 0;
};

} // namespace kalvex
