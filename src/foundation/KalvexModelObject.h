// Base of the model's own objects: KalvexObjectBase with property updates
// that also move the model generation, so sorted views and enumerations see
// every change of a value they order or filter by.
#pragma once
#include "foundation/KalvexObjectBase.h"
#include "foundation/modelGeneration.h"

namespace kalvex {

class KalvexModelObject : public KalvexObjectBase {
protected:
    bool upd(QString& field, const QString& value, const QString& property)
    {
        return moved(propUpdString(field, value, property));
    }
    bool upd(int& field, int value, const QString& property) { return moved(propUpdInt(field, value, property)); }
    bool upd(double& field, double value, const QString& property)
    {
        return moved(propUpdDouble(field, value, property));
    }
    bool upd(bool& field, bool value, const QString& property) { return moved(propUpdBool(field, value, property)); }

    // A reference changed: count one change and raise EV_CHANGE like a value.
    template <typename T>
    bool updRef(std::weak_ptr<T>& field, const std::shared_ptr<T>& value, const QString& property)
    {
        if (field.lock() == value)
            return false;
        field = value;
        setModified(1);
        raiseEvent(EV_CHANGE, property);
        bumpModelGeneration();
        return true;
    }

private:
    static bool moved(bool changed)
    {
        if (changed)
            bumpModelGeneration();
        return changed;
    }
};

} // namespace kalvex
