#include "platform/VbCheckBox.h"

#include "platform/VbStaleInput.h"

namespace kalvex {

VbCheckBox::VbCheckBox(QWidget* parent)
    : VbCheckBox(QString(), parent)
{
}

VbCheckBox::VbCheckBox(const QString& caption, QWidget* parent)
    : QCheckBox(caption, parent)
{
    connect(this, &QCheckBox::stateChanged, this, [this] { emit Click(); });
    vbl_dropStaleInput(this);
}

int VbCheckBox::value() const
{
    switch (checkState()) {
    case Qt::Checked: return 1;
    case Qt::PartiallyChecked: return 2;
    default: return 0;
    }
}

void VbCheckBox::setValue(int value)
{
    switch (value) {
    case 0: setCheckState(Qt::Unchecked); break;
    case 1: setCheckState(Qt::Checked); break;
    case 2: setTristate(true); setCheckState(Qt::PartiallyChecked); break;
    default: break;
    }
}

void VbCheckBox::nextCheckState()
{
    setCheckState(checkState() == Qt::Unchecked ? Qt::Checked : Qt::Unchecked);
    setTristate(false);
}

} // namespace kalvex
