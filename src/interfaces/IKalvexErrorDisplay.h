// Where application errors are shown when no log file takes them. The window
// layer registers a message-box display at start-up; the core only sees this
// interface.
#pragma once
#include <QString>

namespace kalvex {

class IKalvexErrorDisplay {
public:
    virtual ~IKalvexErrorDisplay() = default;
    virtual void showError(const QString& title, const QString& text) = 0;
};

// The display in force; null until the window layer registers one.
IKalvexErrorDisplay* errorDisplay();
void registerErrorDisplay(IKalvexErrorDisplay* display);

} // namespace kalvex
