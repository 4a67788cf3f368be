#include "platform/VbOptionButton.h"

#include <QKeyEvent>
#include <algorithm>

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

std::vector<VbOptionButton*> VbOptionButton::group() const
{
    std::vector<VbOptionButton*> out;
    QWidget* container = parentWidget();
    if (!container)
        return {const_cast<VbOptionButton*>(this)};
    for (QObject* child : container->children()) {
        auto* b = qobject_cast<VbOptionButton*>(child);
        // setValue(false) lifts exclusivity for a moment: the caller stays a member.
        if (b && (b == this || b->autoExclusive()))
            out.push_back(b);
    }
    // Controls of a form carry their tab position; others keep their creation order.
    std::stable_sort(out.begin(), out.end(), [](const VbOptionButton* a, const VbOptionButton* b) {
        return vb::tabIndex(a) < vb::tabIndex(b);
    });
    return out;
}

void VbOptionButton::placeTabStop()
{
    const std::vector<VbOptionButton*> buttons = group();
    auto usable = [](const VbOptionButton* b) { return b->isEnabled() && !b->isHidden(); };
    VbOptionButton* stop = nullptr;
    // While a button is being selected the one it replaces still reads selected.
    if (isChecked() && usable(this))
        stop = this;
    for (VbOptionButton* b : buttons)
        if (!stop && b->isChecked() && usable(b))
            stop = b;
    for (VbOptionButton* b : buttons)
        if (!stop && usable(b))
            stop = b;
    for (VbOptionButton* b : buttons) {
        const Qt::FocusPolicy policy = b == stop || !stop ? Qt::StrongFocus : Qt::ClickFocus;
        if (b->focusPolicy() != policy)
            b->setFocusPolicy(policy);
    }
}

void VbOptionButton::checkStateSet()
{
    QRadioButton::checkStateSet();
    placeTabStop();
}

void VbOptionButton::changeEvent(QEvent* e)
{
    QRadioButton::changeEvent(e);
    if (e->type() == QEvent::EnabledChange)
        placeTabStop();
}

bool VbOptionButton::event(QEvent* e)
{
    const bool done = QRadioButton::event(e);
    if (e->type() == QEvent::ShowToParent || e->type() == QEvent::HideToParent)
        placeTabStop();
    return done;
}

void VbOptionButton::focusInEvent(QFocusEvent* e)
{
    // The base class makes the focused button the group's Tab stop; the
    // selected one stays it.
    QRadioButton::focusInEvent(e);
    placeTabStop();
}

void VbOptionButton::keyPressEvent(QKeyEvent* e)
{
    const int key = e->key();
    const bool forward = key == Qt::Key_Down || key == Qt::Key_Right;
    const bool backward = key == Qt::Key_Up || key == Qt::Key_Left;
    if ((!forward && !backward) || (e->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        QRadioButton::keyPressEvent(e);
        return;
    }
    const std::vector<VbOptionButton*> buttons = group();
    const auto here = std::find(buttons.begin(), buttons.end(), this);
    const auto n = static_cast<std::ptrdiff_t>(buttons.size());
    const std::ptrdiff_t at = here - buttons.begin();
    for (std::ptrdiff_t step = 1; here != buttons.end() && step < n; ++step) {
        VbOptionButton* b = buttons[static_cast<size_t>(((forward ? at + step : at - step) % n + n) % n)];
        if (!b->isEnabled() || b->isHidden())
            continue;
        b->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        // Moving onto an option selects it, as a click would.
        if (!b->isChecked())
            b->click();
        e->accept();
        return;
    }
    e->ignore();
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
