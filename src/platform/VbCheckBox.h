// Check box with the values 0 (cleared), 1 (checked) and 2 (greyed). Click is
// raised whenever the value changes, by the user or by code. A user's click
// toggles between 0 and 1; a greyed box becomes cleared. Greyed is reachable
// only by code. Clicks made while it was disabled do not act once it is
// enabled again (VbStaleInput.h).
#pragma once
#include <QCheckBox>

namespace kalvex {

class VbCheckBox : public QCheckBox {
    Q_OBJECT
public:
    explicit VbCheckBox(QWidget* parent = nullptr);
    explicit VbCheckBox(const QString& caption, QWidget* parent = nullptr);

    int value() const;
    // Values other than 0, 1 and 2 are ignored.
    void setValue(int value);

signals:
    void Click();

protected:
    void nextCheckState() override;
};

} // namespace kalvex
