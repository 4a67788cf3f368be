#include "platform/VbControl.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QVariant>
#include <QWidget>
#include <cmath>

#include "platform/VbColors.h"
#include "platform/VbTwips.h"

namespace kalvex::vb {

namespace {
const char* const P_KIND = "vbKind";
const char* const P_NAME = "vbName";
const char* const P_INDEX = "vbIndex";
const char* const P_TAG = "vbTag";
const char* const P_HELP = "vbHelpContextID";
const char* const P_TABINDEX = "vbTabIndex";
const char* const P_FORE = "vbForeColor";
const char* const P_BACK = "vbBackColor";
const char* const P_ENABLED = "vbEnabled";
const char* const P_VISIBLE = "vbVisible";
// Last geometry written in twips and the pixels it gave, per coordinate.
const char* const P_GEOM = "vbGeometry";

IVbControl* custom(const QObject* ctl)
{
    return dynamic_cast<IVbControl*>(const_cast<QObject*>(ctl));
}

bool isInputKind(const QString& k)
{
    return k == VbKind::TextBox || k == VbKind::ListBox || k == VbKind::ComboBox
        || k == VbKind::SpreadGrid || k == VbKind::TreeList;
}

quint32 defaultFore(const QObject* ctl)
{
    return isInputKind(kind(ctl)) ? VbColor::WindowText : VbColor::ButtonText;
}
quint32 defaultBack(const QObject* ctl)
{
    return isInputKind(kind(ctl)) ? VbColor::WindowBackground : VbColor::ButtonFace;
}

void applyPalette(QWidget* w, quint32 fore, quint32 back)
{
    const QColor f = vbl_color_resolve(fore);
    const QColor b = vbl_color_resolve(back);
    QPalette p = w->palette();
    // A disabled control writes in the grey text colour whatever its own
    // colour; the class's palette holds that colour.
    const QPalette plain = QApplication::palette(w);
    const bool input = isInputKind(kind(w)) || qobject_cast<QLineEdit*>(w)
        || qobject_cast<QAbstractScrollArea*>(w) || qobject_cast<QComboBox*>(w);
    for (auto g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool grey = g == QPalette::Disabled;
        if (input) {
            p.setColor(g, QPalette::Text, grey ? plain.color(g, QPalette::Text) : f);
            p.setColor(g, QPalette::Base, b);
        } else {
            p.setColor(g, QPalette::WindowText, grey ? plain.color(g, QPalette::WindowText) : f);
            p.setColor(g, QPalette::ButtonText, grey ? plain.color(g, QPalette::ButtonText) : f);
            p.setColor(g, QPalette::Window, b);
            p.setColor(g, QPalette::Button, b);
        }
    }
    w->setPalette(p);
    if (!input && !w->isWindow())
        w->setAutoFillBackground(true);
}

// Geometry bookkeeping: index 0 left, 1 top, 2 width, 3 height.
int currentPixels(const QWidget* w, int i)
{
    const QRect r = w->isWindow() ? w->frameGeometry() : w->geometry();
    switch (i) {
    case 0: return r.x();
    case 1: return r.y();
    case 2: return r.width();
    default: return r.height();
    }
}

double readTwips(const QObject* ctl, int i)
{
    const auto* w = qobject_cast<const QWidget*>(ctl);
    if (!w)
        return 0;
    const int px = currentPixels(w, i);
    const QVariantList g = w->property(P_GEOM).toList();
    if (g.size() == 8 && g[4 + i].isValid() && g[4 + i].toInt() == px)
        return g[i].toDouble();
    return (i == 0 || i == 2) ? pixelsToTwipsX(px) : pixelsToTwipsY(px);
}

// Recorded before the widget moves: its Resize and Move handlers already read
// back the twips written, and whatever they write in turn is what stays. A
// size the widget did not take (a minimum, a handler's change) reads as its
// pixels.
void rememberTwips(QWidget* w, int i, double twips, int px)
{
    QVariantList g = w->property(P_GEOM).toList();
    if (g.size() != 8)
        g = QVariantList(8);
    g[i] = twips;
    g[4 + i] = px;
    w->setProperty(P_GEOM, g);
}

// Outer size in pixels: a window's frame is included.
void resizeOuter(QWidget* w, int width, int height)
{
    if (!w->isWindow()) {
        w->resize(width, height);
        return;
    }
    const QRect fr = w->frameGeometry();
    const QRect in = w->geometry();
    w->resize(qMax(0, width - (fr.width() - in.width())), qMax(0, height - (fr.height() - in.height())));
}

void applyPixels(QWidget* w, int i, int px)
{
    const QRect r = w->isWindow() ? w->frameGeometry() : w->geometry();
    switch (i) {
    case 0: w->move(px, r.y()); break;
    case 1: w->move(r.x(), px); break;
    case 2: resizeOuter(w, px, r.height()); break;
    default: resizeOuter(w, r.width(), px); break;
    }
}

int toPixels(int i, double twips)
{
    return (i == 0 || i == 2) ? twipsToPixelsX(twips) : twipsToPixelsY(twips);
}

bool writeTwips(QObject* ctl, int i, double twips)
{
    auto* w = qobject_cast<QWidget*>(ctl);
    if (!w)
        return true;
    if (!std::isfinite(twips) || (i >= 2 && twips < 0))
        return false;
    const int px = toPixels(i, twips);
    rememberTwips(w, i, twips, px);
    applyPixels(w, i, px);
    return true;
}

// Width and height in one resize, so that a Resize handler never sees the
// new width with the old height. A value that is not finite is left as is.
void writeSize(QObject* ctl, double width, double height)
{
    auto* w = qobject_cast<QWidget*>(ctl);
    if (!w)
        return;
    const QRect outer = w->isWindow() ? w->frameGeometry() : w->geometry();
    int px[2] = {outer.width(), outer.height()};
    const double twips[2] = {width, height};
    for (int k = 0; k < 2; ++k) {
        if (!std::isfinite(twips[k]))
            continue;
        px[k] = toPixels(2 + k, twips[k]);
        rememberTwips(w, 2 + k, twips[k], px[k]);
    }
    resizeOuter(w, px[0], px[1]);
}
} // namespace

QString kind(const QObject* ctl) { return ctl ? ctl->property(P_KIND).toString() : QString(); }

QString name(const QObject* ctl)
{
    if (!ctl)
        return {};
    const QVariant n = ctl->property(P_NAME);
    return n.isValid() ? n.toString() : ctl->objectName();
}

int index(const QObject* ctl)
{
    const QVariant v = ctl ? ctl->property(P_INDEX) : QVariant();
    return v.isValid() ? v.toInt() : -1;
}

QString tag(const QObject* ctl) { return ctl ? ctl->property(P_TAG).toString() : QString(); }
void setTag(QObject* ctl, const QString& tag)
{
    if (ctl)
        ctl->setProperty(P_TAG, tag);
}

int helpContextID(const QObject* ctl) { return ctl ? ctl->property(P_HELP).toInt() : 0; }
void setHelpContextID(QObject* ctl, int topic)
{
    if (ctl)
        ctl->setProperty(P_HELP, topic);
}

QString toolTipText(const QObject* ctl)
{
    const auto* w = qobject_cast<const QWidget*>(ctl);
    return w ? w->toolTip() : QString();
}
void setToolTipText(QObject* ctl, const QString& text)
{
    if (auto* w = qobject_cast<QWidget*>(ctl))
        w->setToolTip(text);
}

int tabIndex(const QObject* ctl)
{
    const QVariant v = ctl ? ctl->property(P_TABINDEX) : QVariant();
    return v.isValid() ? v.toInt() : -1;
}

bool enabled(const QObject* ctl)
{
    if (!ctl)
        return false;
    if (auto* c = custom(ctl))
        return c->vbEnabled();
    if (auto* w = qobject_cast<const QWidget*>(ctl))
        return !w->testAttribute(Qt::WA_ForceDisabled);
    const QVariant v = ctl->property(P_ENABLED);
    return !v.isValid() || v.toBool();
}

void setEnabled(QObject* ctl, bool on)
{
    if (!ctl)
        return;
    if (auto* c = custom(ctl))
        c->vbSetEnabled(on);
    else if (auto* w = qobject_cast<QWidget*>(ctl))
        w->setEnabled(on);
    else
        ctl->setProperty(P_ENABLED, on);
}

bool visible(const QObject* ctl)
{
    if (!ctl)
        return false;
    if (auto* c = custom(ctl))
        return c->vbVisible();
    if (auto* w = qobject_cast<const QWidget*>(ctl)) {
        if (w->isWindow())
            return w->isVisible();
        return !(w->isHidden() && w->testAttribute(Qt::WA_WState_ExplicitShowHide));
    }
    const QVariant v = ctl->property(P_VISIBLE);
    return !v.isValid() || v.toBool();
}

void setVisible(QObject* ctl, bool on)
{
    if (!ctl)
        return;
    if (auto* c = custom(ctl))
        c->vbSetVisible(on);
    else if (auto* w = qobject_cast<QWidget*>(ctl))
        w->setVisible(on);
    else
        ctl->setProperty(P_VISIBLE, on);
}

quint32 foreColor(const QObject* ctl)
{
    if (!ctl)
        return 0;
    const QVariant v = ctl->property(P_FORE);
    return v.isValid() ? v.toUInt() : defaultFore(ctl);
}

quint32 backColor(const QObject* ctl)
{
    if (!ctl)
        return 0;
    const QVariant v = ctl->property(P_BACK);
    return v.isValid() ? v.toUInt() : defaultBack(ctl);
}

static void showColors(QObject* ctl)
{
    if (auto* c = custom(ctl))
        c->vbApplyColors(foreColor(ctl), backColor(ctl));
    else if (auto* w = qobject_cast<QWidget*>(ctl))
        applyPalette(w, foreColor(ctl), backColor(ctl));
}

void setForeColor(QObject* ctl, quint32 code)
{
    if (!ctl)
        return;
    ctl->setProperty(P_FORE, code);
    showColors(ctl);
}

void setBackColor(QObject* ctl, quint32 code)
{
    if (!ctl)
        return;
    ctl->setProperty(P_BACK, code);
    showColors(ctl);
}

void markControl(QObject* ctl, const QString& k, const QString& n, int i)
{
    ctl->setProperty(P_KIND, k);
    ctl->setProperty(P_NAME, n);
    if (i >= 0)
        ctl->setProperty(P_INDEX, i);
}

void storeTabIndex(QObject* ctl, int i) { ctl->setProperty(P_TABINDEX, i); }

double left(const QObject* ctl) { return readTwips(ctl, 0); }
double top(const QObject* ctl) { return readTwips(ctl, 1); }
double width(const QObject* ctl) { return readTwips(ctl, 2); }
double height(const QObject* ctl) { return readTwips(ctl, 3); }
void setLeft(QObject* ctl, double twips) { writeTwips(ctl, 0, twips); }
void setTop(QObject* ctl, double twips) { writeTwips(ctl, 1, twips); }
bool setWidth(QObject* ctl, double twips) { return writeTwips(ctl, 2, twips); }
bool setHeight(QObject* ctl, double twips) { return writeTwips(ctl, 3, twips); }

bool move(QObject* ctl, double l, double t, double w, double h)
{
    if (w < 0 || h < 0)
        return false;
    writeTwips(ctl, 0, l);
    writeTwips(ctl, 1, t);
    writeSize(ctl, w, h);
    return true;
}

double scaleWidth(const QObject* ctl)
{
    const auto* w = qobject_cast<const QWidget*>(ctl);
    return w ? pixelsToTwipsX(w->width()) : 0;
}

double scaleHeight(const QObject* ctl)
{
    const auto* w = qobject_cast<const QWidget*>(ctl);
    return w ? pixelsToTwipsY(w->height()) : 0;
}

} // namespace kalvex::vb
