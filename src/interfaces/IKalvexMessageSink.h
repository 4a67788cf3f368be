// The host's message object. Model objects keep it as a weak reference
// (QPointer) and post progress texts to it when it implements this interface.
#pragma once
#include <QString>

namespace kalvex {

class IKalvexMessageSink {
public:
    virtual ~IKalvexMessageSink() = default;
    // line 1 or 2 of the sink's status lines.
    virtual void postMessage(const QString& text, int line) = 0;
};

} // namespace kalvex
