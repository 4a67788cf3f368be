// An event raiser for tests: keeps "type:sender:property" of every event.
#pragma once
#include <QStringList>

#include "interfaces/IBrenloEventRaiser.h"

namespace kalvex::test {

struct EventRecorder : IBrenloEventRaiser {
    QStringList seen;
    void queueEvent(const QString& type, const QString& sender, const BrenloEventParams& p) override
    {
        seen << type + ":" + sender + ":" + p.propertyName;
    }
};

} // namespace kalvex::test
