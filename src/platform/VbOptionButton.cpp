#include "platform/VbOptionButton.h"

#include "platform/VbControl.h"

namespace kalvex {

VbOptionButton::VbOptionButton(QWidget* parent)
    : VbOptionButton(QString(), parent)
{
}

VbOptionButton::VbOptionButton(const QString& caption, QWidget* parent)
    : QRadioButton(caption, parent)
{
    connect(this, &QAbstractButton::toggled, this, [this](bool on) {
        if (on)
            emit Click(vb::index(this));
    });
}

void VbOptionButton::setValue(bool selected)
{
    if (selected == isChecked())
        return;
    if (selected) {
        setChecked(true);
        return;
    }
    // An exclusive button refuses to be cleared directly.
    setAutoExclusive(false);
    setChecked(false);
    setAutoExclusive(true);
}

VbOptionArray::VbOptionArray(QObject* parent)
    : QObject(parent)
{
}

void VbOptionArray::append(VbOptionButton* button)
{
    m_buttons.emplace_back(button);
    connect(button, &VbOptionButton::Click, this, &VbOptionArray::Click);
}

VbOptionButton* VbOptionArray::at(int index) const
{
    if (index < 0 || index >= count())
        return nullptr;
    return m_buttons[static_cast<size_t>(index)].data();
}

int VbOptionArray::selectedIndex() const
{
    for (int i = 0; i < count(); ++i)
        if (at(i) && at(i)->isChecked())
            return i;
    return -1;
}

} // namespace kalvex
