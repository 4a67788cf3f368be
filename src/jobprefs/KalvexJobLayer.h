// A layer of the job preferences' stack, and the stack.
#pragma once
#include "foundation/KalvexCollection.h"
#include "foundation/KalvexModelObject.h"
#include "interfaces/IKalvexJobPreferences.h"

namespace kalvex {

class KalvexJobLayer : public KalvexModelObject, public IKalvexJobLayer {
public:
    QString className() const override { return QStringLiteral("KalvexJobLayer"); }
    QString objectKind() const override { return QStringLiteral("JOB_LAYER"); }

    QString id() const override { return m_id; }
    void setId(const QString& id) override { upd(m_id, id.trimmed(), QStringLiteral("id")); }
    QString description() const override { return m_description; }
    void setDescription(const QString& t) override { upd(m_description, t, QStringLiteral("description")); }
    QString technology() const override { return m_technology; }
    void setTechnology(const QString& t) override { upd(m_technology, t, QStringLiteral("technology")); }
    QString biasDirectional() const override { return m_bias; }
    void setBiasDirectional(const QString& t) override { upd(m_bias, t, QStringLiteral("biasDirectional")); }
    QString planeNets() const override { return m_planeNets; }
    void setPlaneNets(const QString& t) override { upd(m_planeNets, t, QStringLiteral("planeNets")); }
    int condLayerNumber() const override { return m_condLayer; }
    void setCondLayerNumber(int n) override { upd(m_condLayer, n, QStringLiteral("condLayerNumber")); }
    int layerType() const override { return m_type; }
    void setLayerType(int type) override { upd(m_type, type, QStringLiteral("layerType")); }
    double resistivity() const override { return m_resistivity; }
    void setResistivity(double v) override { upd(m_resistivity, v, QStringLiteral("resistivity")); }
    double thickNess() const override { return m_thickness; }
    void setThickNess(double v) override { upd(m_thickness, v, QStringLiteral("thickNess")); }
    double dielConstant() const override { return m_dielConstant; }
    void setDielConstant(double v) override { upd(m_dielConstant, v, QStringLiteral("dielConstant")); }
    bool enabled() const override { return m_enabled; }
    void setEnabled(bool on) override { upd(m_enabled, on, QStringLiteral("enabled")); }
    void clone(const std::shared_ptr<IKalvexJobLayer>& other) override;
    void initialize() override;

private:
    QString m_id;
    QString m_description;
    QString m_technology;
    QString m_bias;
    QString m_planeNets;
    int m_condLayer = 0;
    int m_type = LAYER_SIGNAL;
    double m_resistivity = 0;
    double m_thickness = 0;
    double m_dielConstant = 0;
    bool m_enabled = true;
};

class KalvexJobLayers : public KalvexCollection<IKalvexJobLayer>, public IKalvexJobLayers {
public:
    QString className() const override { return QStringLiteral("KalvexJobLayers"); }
    QString objectKind() const override { return QStringLiteral("JOB_LAYERS"); }

    int count() const override { return KalvexCollection::count(); }
    int countDielectric() const override { return countOf(LAYER_DIELECTRIC); }
    int countOther() const override { return countOf(LAYER_OTHER); }
    int countPlaneNegative() const override { return countOf(LAYER_PLANE_NEGATIVE); }
    int countPlanePositive() const override { return countOf(LAYER_PLANE_POSITIVE); }
    int countSignal() const override { return countOf(LAYER_SIGNAL); }
    int countInner() const override;
    int topLayer() const override;
    int bottomLayer() const override;
    IKalvexJobLayerPtr item(int position, int layerType) const override;
    IKalvexJobLayerPtr item(int position) const override { return itemAt(position); }
    bool add(const IKalvexJobLayerPtr& layer) override;
    bool addQuietly(const IKalvexJobLayerPtr& layer) override;
    int remove(int position) override { return removeItemAt(position) ? 1 : 0; }
    void clear() override { clearItems(); }
    void initialize() override;

private:
    int countOf(int layerType) const;
};

// Signal and plane layers carry current.
bool isConductiveLayer(int layerType);

std::shared_ptr<IKalvexJobLayer> classCreate_KalvexJobLayer();
std::shared_ptr<IKalvexJobLayers> classCreate_KalvexJobLayers();

} // namespace kalvex
