// A via span of the job preferences, and their list.
#pragma once
#include "foundation/KalvexCollection.h"
#include "foundation/KalvexModelObject.h"
#include "interfaces/IKalvexJobPreferences.h"

namespace kalvex {

class KalvexJobViaSpan : public KalvexModelObject, public IKalvexJobViaSpan {
public:
    QString className() const override { return QStringLiteral("KalvexJobViaSpan"); }
    QString objectKind() const override { return QStringLiteral("JOB_VIASPAN"); }

    int layerFrom() const override { return m_from; }
    void setLayerFrom(int layer) override { upd(m_from, layer, QStringLiteral("layerFrom")); }
    int layerTo() const override { return m_to; }
    void setLayerTo(int layer) override { upd(m_to, layer, QStringLiteral("layerTo")); }
    QString padstackName() const override { return m_padstack; }
    void setPadstackName(const QString& n) override { upd(m_padstack, n, QStringLiteral("padstackName")); }
    double delay() const override { return m_delay; }
    void setDelay(double v) override { upd(m_delay, v, QStringLiteral("delay")); }
    double grid() const override { return m_grid; }
    void setGrid(double v) override { upd(m_grid, v, QStringLiteral("grid")); }
    double capacitance() const override { return m_capacitance; }
    void setCapacitance(double v) override { upd(m_capacitance, v, QStringLiteral("capacitance")); }
    void clone(const std::shared_ptr<IKalvexJobViaSpan>& other) override;
    void initialize() override;

private:
    int m_from = 0;
    int m_to = 0;
    QString m_padstack;
    double m_delay = 0;
    double m_grid = 0;
    double m_capacitance = 0;
};

class KalvexJobViaSpans : public KalvexCollection<IKalvexJobViaSpan>, public IKalvexJobViaSpans {
public:
    QString className() const override { return QStringLiteral("KalvexJobViaSpans"); }
    QString objectKind() const override { return QStringLiteral("JOB_VIASPANS"); }

    int count() const override { return KalvexCollection::count(); }
    IKalvexJobViaSpanPtr item(int position) const override { return itemAt(position); }
    bool exists(int layerFrom, int layerTo) const override;
    bool add(const IKalvexJobViaSpanPtr& span) override;
    bool addQuietly(const IKalvexJobViaSpanPtr& span) override;
    int remove(int position) override { return removeItemAt(position) ? 1 : 0; }
    void clear() override { clearItems(); }
    void initialize() override
    {
        clearItems();
        setModified(0);
    }
};

std::shared_ptr<IKalvexJobViaSpan> classCreate_KalvexJobViaSpan();
std::shared_ptr<IKalvexJobViaSpans> classCreate_KalvexJobViaSpans();

} // namespace kalvex
