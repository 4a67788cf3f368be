#include "platform/VbComboBox.h"

namespace kalvex {

VbComboBox::VbComboBox(QWidget* parent)
    : QComboBox(parent)
{
    connect(this, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0)
            emit Click();
    });
}

void VbComboBox::Clear()
{
    clear();
    m_newIndex = -1;
}

int VbComboBox::AddItem(const QString& text)
{
    // The first entry would become current on its own; a combo starts with none.
    const QSignalBlocker block(this);
    const int before = currentIndex();
    addItem(text);
    if (before < 0)
        setCurrentIndex(-1);
    m_newIndex = count() - 1;
    return m_newIndex;
}

void VbComboBox::setListIndex(int index)
{
    setCurrentIndex(index >= 0 && index < count() ? index : -1);
}

} // namespace kalvex
