// The job preferences of a design: its layer stack and via spans.
#pragma once
#include "interfaces/IKalvexObject.h"

namespace kalvex {

// Layer types, shared with processes and tasks.
constexpr int LAYER_SIGNAL = 1;
constexpr int LAYER_DIELECTRIC = 2;
constexpr int LAYER_PLANE_POSITIVE = 4;
constexpr int LAYER_PLANE_NEGATIVE = 5;
constexpr int LAYER_OTHER = 100;
// Special layer numbers and the "whole list" type of IKalvexJobLayers::item.
constexpr int LAYER_ANY = -100;
constexpr int LAYER_TOP = -10;
constexpr int LAYER_BOTTOM = 32000;
constexpr int LAYER_INNER = 31999;

class IKalvexJobLayer : public virtual IKalvexObject {
public:
    virtual QString id() const = 0;
    virtual void setId(const QString& id) = 0;
    virtual QString description() const = 0;
    virtual void setDescription(const QString& text) = 0;
    virtual QString technology() const = 0;
    virtual void setTechnology(const QString& text) = 0;
    virtual QString biasDirectional() const = 0;
    virtual void setBiasDirectional(const QString& text) = 0;
    virtual QString planeNets() const = 0;
    virtual void setPlaneNets(const QString& text) = 0;
    // Number among the conductive layers (signal and plane), 1 at the top.
    virtual int condLayerNumber() const = 0;
    virtual void setCondLayerNumber(int n) = 0;
    virtual int layerType() const = 0;
    virtual void setLayerType(int type) = 0;
    virtual double resistivity() const = 0;
    virtual void setResistivity(double v) = 0;
    virtual double thickNess() const = 0;
    virtual void setThickNess(double v) = 0;
    virtual double dielConstant() const = 0;
    virtual void setDielConstant(double v) = 0;
    virtual bool enabled() const = 0;
    virtual void setEnabled(bool on) = 0;
    virtual void clone(const std::shared_ptr<IKalvexJobLayer>& other) = 0;
    virtual void initialize() = 0;
};

using IKalvexJobLayerPtr = std::shared_ptr<IKalvexJobLayer>;

// The layer stack, top to bottom, in the order the layers were added.
class IKalvexJobLayers : public virtual IKalvexObject {
public:
    virtual int count() const = 0;
    virtual int countDielectric() const = 0;
    virtual int countOther() const = 0;
    virtual int countPlaneNegative() const = 0;
    virtual int countPlanePositive() const = 0;
    virtual int countSignal() const = 0;
    // Conductive layers strictly between the top and the bottom layer.
    virtual int countInner() const = 0;
    // Lowest and highest condLayerNumber of a conductive layer; 0 when none.
    virtual int topLayer() const = 0;
    virtual int bottomLayer() const = 0;
    // With LAYER_ANY the position in the whole stack; with a layer type the
    // position among the layers of that type. No object out of range.
    virtual IKalvexJobLayerPtr item(int position, int layerType) const = 0;
    virtual IKalvexJobLayerPtr item(int position) const = 0;
    // Appends (counted, EV_ADD); false for no layer or one already in a stack.
    virtual bool add(const IKalvexJobLayerPtr& layer) = 0;
    virtual bool addQuietly(const IKalvexJobLayerPtr& layer) = 0;
    virtual int remove(int position) = 0;
    virtual void clear() = 0;
    virtual void initialize() = 0;
};

class IKalvexJobViaSpan : public virtual IKalvexObject {
public:
    virtual int layerFrom() const = 0;
    virtual void setLayerFrom(int layer) = 0;
    virtual int layerTo() const = 0;
    virtual void setLayerTo(int layer) = 0;
    virtual QString padstackName() const = 0;
    virtual void setPadstackName(const QString& name) = 0;
    virtual double delay() const = 0;
    virtual void setDelay(double v) = 0;
    virtual double grid() const = 0;
    virtual void setGrid(double v) = 0;
    virtual double capacitance() const = 0;
    virtual void setCapacitance(double v) = 0;
    virtual void clone(const std::shared_ptr<IKalvexJobViaSpan>& other) = 0;
    virtual void initialize() = 0;
};

using IKalvexJobViaSpanPtr = std::shared_ptr<IKalvexJobViaSpan>;

class IKalvexJobViaSpans : public virtual IKalvexObject {
public:
    virtual int count() const = 0;
    virtual IKalvexJobViaSpanPtr item(int position) const = 0;
    // Whether a span joins exactly these two layers.
    virtual bool exists(int layerFrom, int layerTo) const = 0;
    virtual bool add(const IKalvexJobViaSpanPtr& span) = 0;
    virtual bool addQuietly(const IKalvexJobViaSpanPtr& span) = 0;
    virtual int remove(int position) = 0;
    virtual void clear() = 0;
    virtual void initialize() = 0;
};

class IKalvexJobPreferences : public virtual IKalvexObject {
public:
    virtual int numPhysicalLayers() const = 0;
    virtual void setNumPhysicalLayers(int n) = 0;
    virtual QString padstackTechnology() const = 0;
    virtual void setPadstackTechnology(const QString& text) = 0;
    virtual QString substrateTop() const = 0;
    virtual void setSubstrateTop(const QString& text) = 0;
    virtual QString substrateBottom() const = 0;
    virtual void setSubstrateBottom(const QString& text) = 0;
    virtual QString units() const = 0;
    virtual void setUnits(const QString& text) = 0;
    // The same objects on every call.
    virtual std::shared_ptr<IKalvexJobLayers> layers() const = 0;
    virtual std::shared_ptr<IKalvexJobViaSpans> viaSpans() const = 0;
    // Empty preferences, change count 0.
    virtual void initialize() = 0;
};

using IKalvexJobPreferencesPtr = std::shared_ptr<IKalvexJobPreferences>;

} // namespace kalvex
