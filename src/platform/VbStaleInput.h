// Drops input that the window system queued for a control while it was
// disabled. A synchronous load keeps the event loop away from the queue; the
// clicks made on a disabled button meanwhile would otherwise reach it once it
// is enabled again, where the platform's disabled controls ignore them.
#pragma once

class QWidget;

namespace kalvex {

// Mouse button and key input on the control whose time stamp precedes the
// moment it was last enabled is dropped until the event loop has run through
// what was queued. Time stamps are in the window system's clock (the X
// server's, the platform's own); the moment of enabling is read in that clock
// from the last button or key event the application received: its stamp plus
// the time passed since it arrived. Events without a stamp always pass.
void vbl_dropStaleInput(QWidget* control);

} // namespace kalvex
