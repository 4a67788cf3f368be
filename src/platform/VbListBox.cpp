#include "platform/VbListBox.h"

#include "platform/VbFocusMark.h"

namespace kalvex {

VbListBox::VbListBox(QWidget* parent)
    : QListWidget(parent)
{
    connect(this, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        if (m_checkMarks)
            emit ItemCheck(row(item));
    });
    connect(this, &QListWidget::itemClicked, this, [this] { emit Click(); });
}

void VbListBox::setCheckMarks(bool on)
{
    m_checkMarks = on;
    setSpacing(on ? 1 : 0);
}

void VbListBox::Clear()
{
    clear();
    m_newIndex = -1;
}

int VbListBox::AddItem(const QString& text)
{
    auto* item = new QListWidgetItem(text);
    if (m_checkMarks) {
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    const QSignalBlocker block(this); // adding is not a check change
    addItem(item);
    m_newIndex = count() - 1;
    return m_newIndex;
}

QString VbListBox::List(int index) const
{
    const QListWidgetItem* it = item(index);
    return it ? it->text() : QString();
}

void VbListBox::setListIndex(int index)
{
    setCurrentRow(index >= 0 && index < count() ? index : -1);
}

QVariant VbListBox::ItemData(int index) const
{
    const QListWidgetItem* it = item(index);
    return it ? it->data(Qt::UserRole) : QVariant();
}

void VbListBox::setItemData(int index, const QVariant& data)
{
    if (QListWidgetItem* it = item(index))
        it->setData(Qt::UserRole, data);
}

bool VbListBox::Selected(int index) const
{
    const QListWidgetItem* it = item(index);
    if (!it)
        return false;
    return m_checkMarks ? it->checkState() == Qt::Checked : it->isSelected();
}

void VbListBox::setSelected(int index, bool selected)
{
    QListWidgetItem* it = item(index);
    if (!it)
        return;
    if (m_checkMarks)
        it->setCheckState(selected ? Qt::Checked : Qt::Unchecked);
    else
        it->setSelected(selected);
}

bool VbListBox::viewportEvent(QEvent* e)
{
    const bool done = QListWidget::viewportEvent(e);
    if (e->type() == QEvent::Paint)
        vbl_paintEmptyViewFocus(this);
    return done;
}

} // namespace kalvex
