// What the host programs share around their windows: why a file cannot be
// loaded, whether there is a screen, waiting for a window to appear.
#pragma once
#include <QString>

class QWidget;

namespace kalvex::apps {

// Why the file cannot be loaded, or empty when it can be opened for reading.
QString unreadableReason(const QString& path);

// True on a platform that draws nowhere (offscreen, minimal).
bool headlessPlatform();

// Chooses the offscreen platform when neither X nor Wayland is reachable;
// call before the QApplication exists.
void chooseHeadlessWithoutDisplay();

// Drops the offscreen platform's notes on what it does not do (raise,
// size hints): nothing a user of a headless run can act on.
void quietHeadlessPlatform();

// Processes events until the window is exposed (at most two seconds).
void waitUntilExposed(QWidget* w);

} // namespace kalvex::apps
