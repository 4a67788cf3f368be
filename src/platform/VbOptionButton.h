// Option button. Exclusive among the option buttons of its container (frame
// or panel), as on the forms. Setting the value True raises Click when the
// button was not selected before; code may clear a button and leave none of
// its container selected. Click carries the array index (-1 for a single
// button).
// The buttons of one container are one Tab stop: Tab lands on the selected
// one (the first that can take the focus when none is selected or it is
// disabled or hidden), and the arrow keys move to the next or previous
// button in tab order, round the group, and select it.
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

protected:
    void checkStateSet() override;
    void changeEvent(QEvent* e) override;
    bool event(QEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    // The option buttons sharing this one's container, in tab order.
    std::vector<VbOptionButton*> group() const;
    // Gives the group's one Tab stop to the button Tab should land on.
    void placeTabStop();
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
