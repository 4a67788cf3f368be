// An error filter and the error-filter collection.
#pragma once
#include "foundation/KalvexItemsImpl.h"
#include "foundation/KalvexKeyedItemImpl.h"
#include "interfaces/IKalvexErrorFilter.h"

namespace kalvex {

class KalvexErrorFilter : public KalvexKeyedItemImpl, public IKalvexErrorFilter {
public:
    QString className() const override { return QStringLiteral("KalvexErrorFilter"); }
    QString objectKind() const override { return QStringLiteral("ERROR_FILTER"); }

    QString id() const override { return m_id; }
    bool setId(const QString& id) override { return updId(m_id, id); }
    int order() const override { return m_order; }
    void setOrder(int order) override { upd(m_order, order, QStringLiteral("order")); }
    QString actionString() const override { return m_action; }
    void setActionString(const QString& text) override { upd(m_action, text, QStringLiteral("actionString")); }
    QString expression() const override { return m_expression; }
    void setExpression(const QString& text) override { upd(m_expression, text, QStringLiteral("expression")); }
    QString description() const override { return m_description; }
    void setDescription(const QString& text) override { upd(m_description, text, QStringLiteral("description")); }
    QString applList() const override { return m_applList; }
    void setApplList(const QString& text) override { upd(m_applList, text, QStringLiteral("applList")); }
    void clone(const std::shared_ptr<IKalvexErrorFilter>& other) override;
    void initialize() override;

private:
    QString m_id;
    int m_order = 0;
    QString m_action;
    QString m_expression;
    QString m_description;
    QString m_applList = QStringLiteral("ALL");
};

class KalvexErrorFilters : public KalvexItemsImpl<IKalvexErrorFilter, IKalvexErrorFilters> {
public:
    QString className() const override { return QStringLiteral("KalvexErrorFilters"); }
    QString objectKind() const override { return QStringLiteral("ERROR_FILTERS"); }
    int getNextOrderId() const override;

protected:
    QString keyOf(const ItemPtr& it) const override { return it->id(); }
    bool makeKey(const ItemPtr& it) override;
    bool sortSupported(int sortOrder) const override { return sortOrder == SORT_ORDER_KEY; }
    bool sortLess(int, const ItemPtr& a, const ItemPtr& b) const override { return a->order() < b->order(); }
};

std::shared_ptr<IKalvexErrorFilter> classCreate_KalvexErrorFilter();
std::shared_ptr<IKalvexErrorFilters> classCreate_KalvexErrorFilters();

} // namespace kalvex
