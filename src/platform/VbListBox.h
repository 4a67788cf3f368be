// List box. With check marks on (setCheckMarks), an entry's Selected state is
// its check mark and ItemCheck(index) is raised for every change of a mark,
// by the user or by code.
#pragma once
#include <QListWidget>

namespace kalvex {

class VbListBox : public QListWidget {
    Q_OBJECT
public:
    explicit VbListBox(QWidget* parent = nullptr);

    // Rows with check marks stand apart, so that neighbouring boxes and the
    // first one's top edge are drawn whole.
    void setCheckMarks(bool on);
    bool checkMarks() const { return m_checkMarks; }

    void Clear();
    // Appends an entry and returns its index (also kept as NewIndex).
    int AddItem(const QString& text);
    int NewIndex() const { return m_newIndex; }
    int ListCount() const { return count(); }
    QString List(int index) const;
    // -1 when no entry is current; setting -1 leaves none current.
    int ListIndex() const { return currentRow(); }
    void setListIndex(int index);
    QVariant ItemData(int index) const;
    void setItemData(int index, const QVariant& data);
    bool Selected(int index) const;
    void setSelected(int index, bool selected);

signals:
    void ItemCheck(int index);
    void Click();

protected:
    // An empty list shows the focus too (VbFocusMark.h).
    bool viewportEvent(QEvent* e) override;

private:
    bool m_checkMarks = false;
    int m_newIndex = -1;
};

} // namespace kalvex
