// Option button. Exclusive among the option buttons of its container (frame
// or panel), as on the forms. Setting the value True raises Click when the
// button was not selected before; code may clear a button and leave none of
// its container selected. Click carries the array index (-1 for a single
// button).
#pragma once
#include <QPointer>
#include <QRadioButton>
#include <vector>

namespace kalvex {

class VbOptionButton : public QRadioButton {
    Q_OBJECT
public:
    explicit VbOptionButton(QWidget* parent = nullptr);
    explicit VbOptionButton(const QString& caption, QWidget* parent = nullptr);

    bool value() const { return isChecked(); }
    void setValue(bool selected);

signals:
    void Click(int index);
};

// The members of an option-button array in index order, with one Click(index)
// for the whole array. Members may sit in different containers; each keeps
// the exclusivity of its own container.
class VbOptionArray : public QObject {
    Q_OBJECT
public:
    explicit VbOptionArray(QObject* parent = nullptr);

    // Adds the member with the next index (0, 1, …); the form registers it.
    void append(VbOptionButton* button);
    int count() const { return static_cast<int>(m_buttons.size()); }
    // No button for an index out of range.
    VbOptionButton* at(int index) const;
    VbOptionButton* operator[](int index) const { return at(index); }
    // Index of the selected member, -1 when none is.
    int selectedIndex() const;

signals:
    void Click(int index);

private:
    std::vector<QPointer<VbOptionButton>> m_buttons;
};

} // namespace kalvex
