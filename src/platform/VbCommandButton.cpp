#include "platform/VbCommandButton.h"

namespace kalvex {

VbCommandButton::VbCommandButton(QWidget* parent)
    : VbCommandButton(QString(), parent)
{
}

VbCommandButton::VbCommandButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent)
{
    // Enter belongs to the form's own key handling, not to a default button.
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, [this] { emit Click(); });
}

void VbCommandButton::setPicture(const QIcon& icon)
{
    setIcon(icon);
    setIconSize(QSize(16, 16));
}

} // namespace kalvex
