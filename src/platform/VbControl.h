// What shared code reads and sets on any control of a form, whatever its
// class: kind, name and array index, Tag, HelpContextID, ToolTipText,
// TabIndex, the control's own Enabled and Visible flags, ForeColor and
// BackColor as codes, and Left/Top/Width/Height in twips.
//
// A control is any QObject registered in a form (VbForm::addControl). Plain
// widgets need nothing more. A control that is not a widget (a timer, a
// common dialog) or that keeps these states itself (a grid colouring its
// cells) implements IVbControl; the accessors below ask it first.
//
// Kinds are strings so that controls of other units register without this
// layer knowing their classes. Shared procedures decide by kind only.
#pragma once
#include <QObject>
#include <QString>

namespace kalvex {

namespace VbKind {
inline const QString TextBox = QStringLiteral("VB.TextBox");
inline const QString CheckBox = QStringLiteral("VB.CheckBox");
inline const QString OptionButton = QStringLiteral("VB.OptionButton");
inline const QString Frame = QStringLiteral("VB.Frame");
inline const QString Label = QStringLiteral("VB.Label");
inline const QString CommandButton = QStringLiteral("VB.CommandButton");
inline const QString PictureBox = QStringLiteral("VB.PictureBox");
inline const QString ListBox = QStringLiteral("VB.ListBox");
inline const QString ComboBox = QStringLiteral("VB.ComboBox");
inline const QString Timer = QStringLiteral("VB.Timer");
inline const QString Panel3D = QStringLiteral("Threed.SSPanel");
inline const QString TabControl = QStringLiteral("TabDlg.SSTab");
inline const QString SpreadGrid = QStringLiteral("FPSpread.vaSpread");
inline const QString TreeList = QStringLiteral("TListProLibCtl.TList");
inline const QString CommonDialog = QStringLiteral("MSComDlg.CommonDialog");
} // namespace VbKind

// Optional: a control with its own idea of these states.
class IVbControl {
public:
    virtual ~IVbControl() = default;
    virtual bool vbEnabled() const = 0;
    virtual void vbSetEnabled(bool enabled) = 0;
    virtual bool vbVisible() const = 0;
    virtual void vbSetVisible(bool visible) = 0;
    // Show the colours (codes as in VbColors.h); called after they are stored.
    virtual void vbApplyColors(quint32 foreColor, quint32 backColor) = 0;
};

namespace vb {

QString kind(const QObject* ctl);
// The control's Name: the array's name for a member of a control array.
QString name(const QObject* ctl);
// Index within its control array, -1 for a single control.
int index(const QObject* ctl);

QString tag(const QObject* ctl);
void setTag(QObject* ctl, const QString& tag);

int helpContextID(const QObject* ctl);
void setHelpContextID(QObject* ctl, int topic);

QString toolTipText(const QObject* ctl);
void setToolTipText(QObject* ctl, const QString& text);

// Tab position among the form's controls; -1 for one that has none (timers).
int tabIndex(const QObject* ctl);

// The control's own flags, not Qt's effective ones that depend on the parents.
bool enabled(const QObject* ctl);
void setEnabled(QObject* ctl, bool enabled);
bool visible(const QObject* ctl);
void setVisible(QObject* ctl, bool visible);

// Colour codes; a control never given one reads its kind's default.
quint32 foreColor(const QObject* ctl);
quint32 backColor(const QObject* ctl);
void setForeColor(QObject* ctl, quint32 code);
void setBackColor(QObject* ctl, quint32 code);

// Twips relative to the container (for a window: the screen, outer frame).
// Non-widgets read 0 and ignore writes. A value written reads back as
// written while the widget keeps the pixels it gave, already in the widget's
// own Resize handlers; once the widget has other pixels (it refused the size,
// a handler or the user changed it), its pixels count.
double left(const QObject* ctl);
double top(const QObject* ctl);
double width(const QObject* ctl);
double height(const QObject* ctl);
// A negative width or height is refused (false) and changes nothing, as the
// platform refused it with an "invalid property value" error.
void setLeft(QObject* ctl, double twips);
void setTop(QObject* ctl, double twips);
bool setWidth(QObject* ctl, double twips);
bool setHeight(QObject* ctl, double twips);
// Width and height change in one resize (one Resize event).
bool move(QObject* ctl, double left, double top, double width, double height);
// Inner (client) size in twips.
double scaleWidth(const QObject* ctl);
double scaleHeight(const QObject* ctl);

// Set by VbForm when a control joins the form or is given a tab position.
void markControl(QObject* ctl, const QString& kind, const QString& name, int index);
void storeTabIndex(QObject* ctl, int tabIndex);

} // namespace vb

} // namespace kalvex
