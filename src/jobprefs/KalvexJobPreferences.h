// The job preferences of a design.
#pragma once
#include "foundation/KalvexModelObject.h"
#include "foundation/KalvexOwnerImpl.h"
#include "interfaces/IKalvexJobPreferences.h"

namespace kalvex {

class KalvexJobPreferences : public KalvexOwnerImpl<KalvexModelObject>, public IKalvexJobPreferences {
public:
    QString className() const override { return QStringLiteral("KalvexJobPreferences"); }
    QString objectKind() const override { return QStringLiteral("JOB_PREFERENCES"); }

    int numPhysicalLayers() const override { return m_numLayers; }
    void setNumPhysicalLayers(int n) override { upd(m_numLayers, n, QStringLiteral("numPhysicalLayers")); }
    QString padstackTechnology() const override { return m_padstackTech; }
    void setPadstackTechnology(const QString& t) override
    {
        upd(m_padstackTech, t, QStringLiteral("padstackTechnology"));
    }
    QString substrateTop() const override { return m_substrateTop; }
    void setSubstrateTop(const QString& t) override { upd(m_substrateTop, t, QStringLiteral("substrateTop")); }
    QString substrateBottom() const override { return m_substrateBottom; }
    void setSubstrateBottom(const QString& t) override
    {
        upd(m_substrateBottom, t, QStringLiteral("substrateBottom"));
    }
    QString units() const override { return m_units; }
    void setUnits(const QString& t) override { upd(m_units, t, QStringLiteral("units")); }
    std::shared_ptr<IKalvexJobLayers> layers() const override { return m_layers; }
    std::shared_ptr<IKalvexJobViaSpans> viaSpans() const override { return m_viaSpans; }
    void initialize() override;

    static std::shared_ptr<KalvexJobPreferences> create();

protected:
    std::vector<std::shared_ptr<IKalvexObject>> ownedParts() const override { return {m_layers, m_viaSpans}; }

private:
    int m_numLayers = 0;
    QString m_padstackTech;
    QString m_substrateTop;
    QString m_substrateBottom;
    QString m_units;
    std::shared_ptr<IKalvexJobLayers> m_layers;
    std::shared_ptr<IKalvexJobViaSpans> m_viaSpans;
};

std::shared_ptr<IKalvexJobPreferences> classCreate_KalvexJobPreferences();

} // namespace kalvex
