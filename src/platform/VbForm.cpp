#include "platform/VbForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMetaClassInfo>

#include "platform/VbCheckBox.h"
#include "platform/VbComboBox.h"
#include "platform/VbCommandButton.h"
#include "platform/VbFrame.h"
#include "platform/VbLabel.h"
#include "platform/VbListBox.h"
#include "platform/VbOptionButton.h"
#include "platform/VbPanel3D.h"
#include "platform/VbPictureBox.h"
#include "platform/VbTextBox.h"
#include "platform/VbTimer.h"

namespace kalvex {

VbForm::VbForm(const QString& formName, QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(formName);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

VbForm::~VbForm() = default;

QString VbForm::defaultKind(const QObject* c)
{
    // A class of another unit can name its kind: Q_CLASSINFO("vbKind", "FPSpread.vaSpread").
    const QMetaObject* mo = c->metaObject();
    if (const int i = mo->indexOfClassInfo("vbKind"); i >= 0)
        return QString::fromLatin1(mo->classInfo(i).value());
    // Order matters where classes derive from one another.
    if (qobject_cast<const VbTextBox*>(c))
        return VbKind::TextBox;
    if (qobject_cast<const VbCheckBox*>(c))
        return VbKind::CheckBox;
    if (qobject_cast<const VbOptionButton*>(c))
        return VbKind::OptionButton;
    if (qobject_cast<const VbFrame*>(c))
        return VbKind::Frame;
    if (qobject_cast<const VbLabel*>(c))
        return VbKind::Label;
    if (qobject_cast<const VbCommandButton*>(c))
        return VbKind::CommandButton;
    if (qobject_cast<const VbPictureBox*>(c))
        return VbKind::PictureBox;
    if (qobject_cast<const VbListBox*>(c))
        return VbKind::ListBox;
    if (qobject_cast<const VbComboBox*>(c))
        return VbKind::ComboBox;
    if (qobject_cast<const VbTimer*>(c))
        return VbKind::Timer;
    if (qobject_cast<const VbPanel3D*>(c))
        return VbKind::Panel3D;
    return QString::fromLatin1(c->metaObject()->className());
}

void VbForm::registerControl(QObject* control, const QString& name, const QString& kind, int index)
{
    if (!control)
        return;
    control->setObjectName(index >= 0 ? name + QLatin1Char('_') + QString::number(index) : name);
    vb::markControl(control, kind, name, index);
    m_controls.append(control);
    if (auto* w = qobject_cast<QWidget*>(control)) {
        m_tabOrder.append(w);
        w->installEventFilter(this);
        renumberTabOrder();
    }
}

QObject* VbForm::control(int i) const
{
    if (i < 0 || i >= m_controls.size())
        return nullptr;
    return m_controls[i].data();
}

QList<QObject*> VbForm::controls() const
{
    QList<QObject*> out;
    for (const auto& c : m_controls)
        if (c)
            out.append(c.data());
    return out;
}

QObject* VbForm::controlByName(const QString& name, int index) const
{
    for (const auto& c : m_controls)
        if (c && vb::name(c) == name && vb::index(c) == index)
            return c.data();
    return nullptr;
}

int VbForm::controlIndex(const QObject* control) const
{
    for (int i = 0; i < m_controls.size(); ++i)
        if (control && m_controls[i].data() == control)
            return i;
    return -1;
}

QObject* VbForm::activeControl() const
{
    for (QWidget* w = QApplication::focusWidget(); w && w != this; w = w->parentWidget())
        if (controlIndex(w) >= 0)
            return w;
    return nullptr;
}

void VbForm::setTabIndex(QObject* control, int tabIndex)
{
    auto* w = qobject_cast<QWidget*>(control);
    const int from = m_tabOrder.indexOf(w);
    if (!w || from < 0)
        return;
    m_tabOrder.removeAt(from);
    m_tabOrder.insert(qBound(0, tabIndex, static_cast<int>(m_tabOrder.size())), w);
    renumberTabOrder();
}

void VbForm::renumberTabOrder()
{
    m_tabOrder.removeAll(nullptr);
    QWidget* prev = nullptr;
    for (int i = 0; i < m_tabOrder.size(); ++i) {
        QWidget* w = m_tabOrder[i];
        vb::storeTabIndex(w, i);
        // Every control that can hold the focus takes its place, also one
        // that Tab passes by for now (an option that is not its group's stop).
        if (w->focusPolicy() != Qt::NoFocus && w->window() == window()) {
            if (prev)
                QWidget::setTabOrder(prev, w);
            prev = w;
        }
    }
}

int VbForm::vbWindowState() const
{
    if (windowState() & Qt::WindowMinimized)
        return 1;
    if (windowState() & Qt::WindowMaximized)
        return 2;
    return 0;
}

void VbForm::setVbWindowState(int state)
{
    switch (state) {
    case 1: setWindowState(Qt::WindowMinimized); break;
    case 2: setWindowState(Qt::WindowMaximized); break;
    default: setWindowState(Qt::WindowNoState); break;
    }
}

void VbForm::ensureLoaded()
{
    if (m_loaded || m_loading)
        return;
    m_loading = true;
    Form_Load();
    m_loading = false;
    m_loaded = true;
}

bool VbForm::unloadForm(int unloadMode)
{
    if (m_unloading)
        return true;
    int cancel = 0;
    Form_QueryUnload(cancel, unloadMode);
    if (cancel)
        return false;
    Form_Unload(cancel);
    if (cancel)
        return false;
    m_unloading = true;
    hide();
    m_unloading = false;
    m_loaded = false;
    return true;
}

void VbForm::setVisible(bool visible)
{
    if (visible)
        ensureLoaded();
    QWidget::setVisible(visible);
}

void VbForm::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    if (m_loaded)
        Form_Resize();
}

void VbForm::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    // Styles draw the focus only once the keyboard has moved it; on these
    // windows it shows from the start, wherever the program or a click put
    // it (also in a host's window that holds the form).
    window()->setAttribute(Qt::WA_KeyboardFocusChange);
}

void VbForm::closeEvent(QCloseEvent* e)
{
    if (m_unloading || !m_loaded) {
        e->accept();
        return;
    }
    if (unloadForm(0))
        e->accept();
    else
        e->ignore();
}

bool VbForm::eventFilter(QObject* watched, QEvent* e)
{
    if (m_keyPreview && e->type() == QEvent::KeyPress) {
        auto* ke = static_cast<QKeyEvent*>(e);
        int keyAscii = 0;
        const bool enter = ke->key() == Qt::Key_Return || ke->key() == Qt::Key_Enter;
        // Enter on a focused command button presses it before the form sees a key.
        if (enter && qobject_cast<VbCommandButton*>(watched))
            return QWidget::eventFilter(watched, e);
        if (enter)
            keyAscii = 13;
        else if (ke->key() == Qt::Key_Escape)
            keyAscii = 27;
        else if (!ke->text().isEmpty())
            keyAscii = ke->text().at(0).unicode();
        if (keyAscii != 0) {
            Form_KeyPress(keyAscii);
            if (keyAscii == 0)
                return true;
        }
    }
    return QWidget::eventFilter(watched, e);
}

} // namespace kalvex
