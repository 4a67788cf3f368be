#include "platform/vbl_msgBox.h"

#include <QApplication>
#include <QMessageBox>

namespace kalvex {

namespace {
QMessageBox::StandardButtons buttonsOf(int code)
{
    switch (code & 0x0F) {
    case 1: return QMessageBox::Ok | QMessageBox::Cancel;
    case 2: return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    case 3: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case 4: return QMessageBox::Yes | QMessageBox::No;
    case 5: return QMessageBox::Retry | QMessageBox::Cancel;
    default: return QMessageBox::Ok;
    }
}

QMessageBox::Icon iconOf(int code)
{
    switch (code & 0x70) {
    case 16: return QMessageBox::Critical;
    case 32: return QMessageBox::Question;
    case 48: return QMessageBox::Warning;
    case 64: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

int answerOf(int button)
{
    switch (button) {
    case QMessageBox::Ok: return 1;
    case QMessageBox::Cancel: return 2;
    case QMessageBox::Abort: return 3;
    case QMessageBox::Retry: return 4;
    case QMessageBox::Ignore: return 5;
    case QMessageBox::Yes: return 6;
    case QMessageBox::No: return 7;
    default: return 2; // closed without a button: as Cancel
    }
}
} // namespace

void vbl_msgBox(const QString& title, const QString& prompt, int buttons)
{
    vbl_msgBoxAsk(title, prompt, buttons, QApplication::activeWindow());
}

int vbl_msgBoxAsk(const QString& title, const QString& prompt, int buttons, QWidget* owner)
{
    QMessageBox box(iconOf(buttons), title, prompt, buttonsOf(buttons), owner);
    box.setObjectName(QStringLiteral("vbl_msgBox"));
    return answerOf(box.exec());
}

} // namespace kalvex
