// Message box: a real modal box (tests answer it like a user, see
// tests/support/modal_driver.h). The buttons-and-icon value is the forms'
// one: buttons 0 OK, 1 OK/Cancel, 2 Abort/Retry/Ignore, 3 Yes/No/Cancel,
// 4 Yes/No, 5 Retry/Cancel; icon 16 critical, 32 question, 48 exclamation,
// 64 information.
#pragma once
#include <QString>

class QWidget;

namespace kalvex {

// The answer is not returned.
void vbl_msgBox(const QString& title, const QString& prompt, int buttons);

// Answer codes: 1 OK, 2 Cancel, 3 Abort, 4 Retry, 5 Ignore, 6 Yes, 7 No.
int vbl_msgBoxAsk(const QString& title, const QString& prompt, int buttons, QWidget* owner = nullptr);

} // namespace kalvex
