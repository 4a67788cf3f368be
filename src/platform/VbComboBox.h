// Combo box (drop-down list). Click is raised whenever another entry becomes
// current, by the user or by code (setListIndex), never for -1.
#pragma once
#include <QComboBox>

namespace kalvex {

class VbComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit VbComboBox(QWidget* parent = nullptr);

    void Clear();
    int AddItem(const QString& text);
    int NewIndex() const { return m_newIndex; }
    int ListCount() const { return count(); }
    QString List(int index) const { return itemText(index); }
    int ListIndex() const { return currentIndex(); }
    void setListIndex(int index);
    QVariant ItemData(int index) const { return itemData(index); }
    void setItemData(int index, const QVariant& data) { QComboBox::setItemData(index, data); }

signals:
    void Click();

private:
    int m_newIndex = -1;
};

} // namespace kalvex
