#include "platform/vbl_form.h"

#include <QPainter>

#include "platform/VbCheckBox.h"
#include "platform/VbColors.h"
#include "platform/VbForm.h"
#include "platform/VbLabel.h"
#include "platform/VbPictureBox.h"
#include "platform/VbTimer.h"
#include "platform/VbTwips.h"

namespace kalvex {

void vbl_form_size(VbForm* form, const QString& mode)
{
    if (!form)
        return;
    if (mode == QLatin1String("STORE_VALUES")) {
        form->last_height = vb::height(form);
        form->last_top = vb::top(form);
        form->last_left = vb::left(form);
        form->last_width = vb::width(form);
    } else if (mode == QLatin1String("RESTORE_LAST")) {
        if (form->vbWindowState() == 1)
            return;
        form->form_set_size = true;
        vb::move(form, form->last_left, form->last_top, form->last_width, form->last_height);
        form->form_set_size = false;
    }
}

int vbl_ctrl_setFocus(QObject* target)
{
    auto* w = qobject_cast<QWidget*>(target);
    if (!w || !vb::visible(w) || !vb::enabled(w))
        return -1;
    // The platform refuses the focus for a control it cannot show or reach.
    if (!w->window()->isVisible() || !w->isEnabled() || !w->isVisible())
        return -1;
    if (w->isWindow()) {
        w->activateWindow();
        w->raise();
    }
    w->setFocus(Qt::OtherFocusReason);
    return 1;
}

int vbl_form_nextTabControl(VbForm* form, int tabIndex, const QString& nameFilter)
{
    if (!form)
        return -1;
    const QString filter = nameFilter.toLower();
    const bool all = filter.isEmpty() || filter == QLatin1String("gen");
    int best = -1, bestTab = 0, first = -1, firstTab = 0;
    for (int i = 0; i < form->controlCount(); ++i) {
        QObject* c = form->control(i);
        if (!c || vb::kind(c) != VbKind::TextBox || !vb::visible(c) || !vb::enabled(c))
            continue;
        if (!all && !vb::name(c).toLower().startsWith(filter))
            continue;
        const int t = vb::tabIndex(c);
        if (t > tabIndex && (best < 0 || t < bestTab)) {
            best = i;
            bestTab = t;
        }
        if (first < 0 || t < firstTab) {
            first = i;
            firstTab = t;
        }
    }
    return best >= 0 ? best : first;
}

void vbl_form_showMessage(const QString& text, VbForm* form, int line, quint32 color, int interval)
{
    if (!form || (line != 1 && line != 2))
        return;
    const QString n = QStringLiteral("mess%1").arg(line);
    auto* label = qobject_cast<VbLabel*>(form->controlByName(n));
    auto* timer = qobject_cast<VbTimer*>(form->controlByName(n + QLatin1String("Timer")));
    if (!label)
        return;
    if (timer)
        timer->setEnabled(false);
    if (text.isEmpty()) {
        label->setCaption(QString());
        return;
    }
    label->setCaption(text);
    vb::setForeColor(label, color);
    if (timer && interval > 0) {
        QObject::disconnect(timer, &VbTimer::Timer, label, nullptr);
        QObject::connect(timer, &VbTimer::Timer, label, [label] { label->setCaption(QString()); });
        timer->setInterval(interval);
        timer->setEnabled(true);
    }
}

void vbl_form_layoutMessages(VbForm* form)
{
    if (!form)
        return;
    const double gap = static_cast<double>(roundHalfEven(6 * twipsPerPixelX()));
    QObject* m1 = form->controlByName(QStringLiteral("mess1"));
    QObject* m2 = form->controlByName(QStringLiteral("mess2"));
    QObject* help = form->controlByName(QStringLiteral("cmdHelp"));
    const double w = vb::scaleWidth(form);
    const double h = vb::scaleHeight(form);
    double right = w - gap;
    if (help) {
        const double hl = w - gap - vb::width(help);
        vb::setLeft(help, hl);
        vb::setTop(help, h - gap - vb::height(help));
        right = hl - gap;
    }
    const auto* label = qobject_cast<QWidget*>(m2 ? m2 : m1);
    const double lineH = label ? pixelsToTwipsY(label->fontMetrics().height() + 2) : 0;
    const double lw = qMax(0.0, right - gap);
    if (m2)
        vb::move(m2, gap, h - gap - lineH, lw, lineH);
    if (m1)
        vb::move(m1, gap, h - gap - (m2 ? 2 : 1) * lineH, lw, lineH);
}

quint32 vbl_getColorFromState(bool enabled)
{
    return enabled ? VbColor::WindowBackground : VbColor::ButtonFace;
}

bool vbl_chk_isChecked(int value) { return value != 0 && value != 2; }
bool vbl_chk_isChecked(const VbCheckBox* box) { return box && vbl_chk_isChecked(box->value()); }

void vbl_pict_stretchIcon(VbPictureBox* picture, int option1, int option2, VbForm* form)
{
    Q_UNUSED(option1)
    Q_UNUSED(option2)
    if (!picture || !form || picture->picture().isNull())
        return;
    auto* work = qobject_cast<VbPictureBox*>(form->controlByName(QStringLiteral("wrkPict")));
    if (!work)
        return;
    QPixmap out(16, 16);
    out.fill(vbl_color_resolve(vb::backColor(picture)));
    {
        QPainter p(&out);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawPixmap(QRect(0, 0, 16, 16), picture->picture());
    }
    work->setPicture(out);
    picture->setPicture(work->picture());
}

} // namespace kalvex
