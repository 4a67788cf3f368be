#include "platform/morvObjs_lockForm.h"

#include "platform/VbColors.h"
#include "platform/VbForm.h"

namespace kalvex {

bool morvObjs_lockForm(VbForm* form, int& state, const QString& exemptList, bool verbose)
{
    Q_UNUSED(verbose)
    const bool readOnly = state == 3 || state == 4;
    if (!form)
        return false;
    const bool useExempt = !exemptList.isEmpty();
    for (QObject* c : form->controls()) {
        const QString k = vb::kind(c);
        if (k == VbKind::Timer || k == VbKind::TabControl || k == VbKind::CommonDialog)
            continue;
        if (useExempt
            && exemptList.contains(QLatin1Char('#') + vb::name(c).toLower() + QLatin1Char('#')))
            continue;
        vb::setEnabled(c, !readOnly);
        if (k == VbKind::TextBox || k == VbKind::SpreadGrid) {
            vb::setForeColor(c, readOnly ? VbColor::InactiveCaptionText : VbColor::WindowText);
            vb::setBackColor(c, readOnly ? VbColor::ButtonFace : VbColor::WindowBackground);
        }
    }
    return readOnly;
}

void morvHelp_initControlTopics(VbForm* form, int topic)
{
    if (!form)
        return;
    vb::setHelpContextID(form, topic);
    static const QString kinds[] = {VbKind::ComboBox, VbKind::CheckBox, VbKind::ListBox,
                                    VbKind::OptionButton, VbKind::TextBox, VbKind::Frame,
                                    VbKind::SpreadGrid, VbKind::TreeList, VbKind::TabControl};
    for (QObject* c : form->controls()) {
        const QString k = vb::kind(c);
        for (const QString& h : kinds)
            if (k == h) {
                vb::setHelpContextID(c, topic);
                break;
            }
    }
}

} // namespace kalvex
