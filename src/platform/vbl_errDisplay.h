// Shows application errors that no log file takes in a critical message box.
#pragma once

namespace kalvex {

// Registers the message-box display with the core (idempotent).
void vbl_errDisplay_install();

} // namespace kalvex
