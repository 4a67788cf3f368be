#include "dialogs/morvObj_parmBinding.h"

#include <QCheckBox>

#include "foundation/vbl_str.h"
#include "platform/VbCheckBox.h"
#include "platform/VbControl.h"
#include "platform/VbTextBox.h"

namespace kalvex {

namespace {
const QChar DELIM = QLatin1Char('#');

int checkValue(const QObject* control)
{
    if (auto* vbBox = qobject_cast<const VbCheckBox*>(control))
        return vbBox->value();
    if (auto* box = qobject_cast<const QCheckBox*>(control)) {
        switch (box->checkState()) {
        case Qt::Checked: return 1;
        case Qt::PartiallyChecked: return 2;
        default: return 0;
        }
    }
    return 0;
}

void setCheckValue(QObject* control, int value)
{
    if (auto* vbBox = qobject_cast<VbCheckBox*>(control))
        vbBox->setValue(value);
    else if (auto* box = qobject_cast<QCheckBox*>(control))
        box->setCheckState(value ? Qt::Checked : Qt::Unchecked);
}
} // namespace

QString morvObjs_parmTagJoin(const QString& key, const QString& value)
{
    return key + DELIM + value;
}

void morvObjs_parmTagSplit(const QString& tag, QString& key, QString& value)
{
    key.clear();
    value.clear();
    if (tag.isEmpty())
        return;
    // Delimiters are implied at both ends always, so "key#" (a parameter
    // loaded empty) still gives its key.
    const QStringList pieces = tag.split(DELIM, Qt::KeepEmptyParts);
    if (pieces.size() < 2)
        return;
    key = pieces[0].trimmed();
    value = pieces[1].trimmed();
}

int morvObjs_parmCtrlSetFromParm(QObject* control, const IKalvexGenParmsPtr& parms, const QString& defaultValue)
{
    if (!control || !parms)
        return -1;
    const QString kind = vb::kind(control);
    if (kind != VbKind::CheckBox && kind != VbKind::TextBox && kind != VbKind::Frame)
        return 0;
    QString key, old;
    morvObjs_parmTagSplit(vb::tag(control), key, old);
    if (key.isEmpty())
        return 0;
    const IKalvexGenParmPtr parm = parms->item(key);
    QString value = parm ? parm->value(false) : defaultValue;
    if (kind == VbKind::CheckBox) {
        const int v = vbl_str_toBool(value) ? 1 : 0;
        setCheckValue(control, v);
        value = QString::number(v);
    } else if (kind == VbKind::TextBox) {
        if (auto* box = qobject_cast<VbTextBox*>(control))
            box->setText(value);
    }
    vb::setTag(control, morvObjs_parmTagJoin(key, value));
    return 1;
}

int morvObjs_parmCtrlGetToParm(QObject* control, const IKalvexGenParmsPtr& parms)
{
    if (!control || !parms)
        return -1;
    const QString kind = vb::kind(control);
    QString now;
    if (kind == VbKind::CheckBox) {
        now = QString::number(checkValue(control));
    } else if (kind == VbKind::TextBox) {
        auto* box = qobject_cast<VbTextBox*>(control);
        now = box ? box->text().trimmed() : QString();
    } else {
        return 0;
    }
    QString key, old;
    morvObjs_parmTagSplit(vb::tag(control), key, old);
    if (key.isEmpty() || now == old)
        return 0;
    if (IKalvexGenParmPtr parm = parms->item(key)) {
        parm->setValue(false, now);
    } else {
        IKalvexGenParmPtr added = parms->add(key, now, PARM_TYPE_SYSTEM);
        if (!added)
            return -1;
        added->setModified(1);
    }
    vb::setTag(control, morvObjs_parmTagJoin(key, now));
    return 1;
}

IKalvexGenParmPtr morvObjs_parms_getParm(const IKalvexGenParmsPtr& parms, const QString& name, QString& value,
                                         int& parmType, bool create)
{
    if (!parms)
        return nullptr;
    if (IKalvexGenParmPtr parm = parms->itemByName(name)) {
        value = parm->value(false);
        parmType = parm->parmType();
        return parm;
    }
    if (create)
        return parms->add(name, value, parmType);
    return nullptr;
}

} // namespace kalvex
