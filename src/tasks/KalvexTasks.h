// A task list (the master design's or the variant's).
#pragma once
#include "foundation/KalvexItemsImpl.h"
#include "interfaces/IKalvexTask.h"

namespace kalvex {

class KalvexTasks : public KalvexItemsImpl<IKalvexTask, IKalvexTasks> {
public:
    QString className() const override { return QStringLiteral("KalvexTasks"); }
    QString objectKind() const override { return QStringLiteral("TASKS"); }

    QString description() const override { return m_description; }
    void setDescription(const QString& text) override;
    std::shared_ptr<IBrenloEnvirVars> envirVars() const override { return m_envirVars; }
    void setEnvirVars(const std::shared_ptr<IBrenloEnvirVars>& vars) override { m_envirVars = vars; }

protected:
    QString keyOf(const ItemPtr& it) const override { return it->id(); }
    bool sortSupported(int sortOrder) const override
    {
        return sortOrder == SORT_PRODUCTION_SITE || sortOrder == SORT_ORDER_KEY;
    }
    bool sortLess(int sortOrder, const ItemPtr& a, const ItemPtr& b) const override;

private:
    QString m_description;
    std::shared_ptr<IBrenloEnvirVars> m_envirVars;
};

std::shared_ptr<IKalvexTasks> classCreate_KalvexTasks();

} // namespace kalvex
