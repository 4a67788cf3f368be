#include "dialogs/morvObj_optionGroup.h"

#include "dialogs/morvObj_parmBinding.h"
#include "platform/VbControl.h"
#include "platform/VbOptionButton.h"

namespace kalvex {

namespace {
// The option the rule finds for a value, -1 when none matches.
int matchOf(const OptionGroupRule& rule, const QString& value)
{
    if (rule.mapValue) {
        const int option = rule.mapValue(value);
        return option >= 0 && option < rule.words.size() ? option : -1;
    }
    switch (rule.match) {
    case OptMatch::LowerEqual: {
        const QString lower = value.toLower();
        for (int i = 0; i < rule.words.size(); ++i)
            if (rule.words[i].toLower() == lower)
                return i;
        return -1;
    }
    case OptMatch::UpperEqual: {
        const QString upper = value.toUpper();
        for (int i = 0; i < rule.words.size(); ++i)
            if (rule.words[i].toUpper() == upper)
                return i;
        return -1;
    }
    case OptMatch::LowerContains: {
        const QString lower = value.toLower();
        if (rule.containsOrder.empty()) {
            for (int i = 0; i < rule.words.size(); ++i)
                if (lower.contains(rule.words[i].toLower()))
                    return i;
            return -1;
        }
        for (const auto& [needle, option] : rule.containsOrder)
            if (lower.contains(needle.toLower()))
                return option >= 0 && option < rule.words.size() ? option : -1;
        return -1;
    }
    }
    return -1;
}
} // namespace

OptionGroup::OptionGroup(OptionGroupRule rule)
    : m_rule(std::move(rule))
{
}

void OptionGroup::keepReferenceInTag(QObject* leadingControl)
{
    m_tagHolder = leadingControl;
    m_useTag = leadingControl != nullptr;
}

QString OptionGroup::reference() const
{
    if (m_useTag)
        return m_tagHolder ? vb::tag(m_tagHolder) : QString();
    return m_reference;
}

void OptionGroup::setReference(const QString& ref)
{
    m_reference = ref;
    if (m_useTag && m_tagHolder)
        vb::setTag(m_tagHolder, ref);
}

int OptionGroup::optionOf(const QString& value) const
{
    const int option = matchOf(m_rule, value);
    return option >= 0 ? option : m_rule.unmatched;
}

int OptionGroup::load(const IKalvexGenParmsPtr& parms)
{
    if (!parms)
        return -1;
    QString value = m_rule.defaultWord;
    int type = PARM_TYPE_SYSTEM;
    const bool create = m_rule.create == OptCreate::AtLoad;
    if (!morvObjs_parms_getParm(parms, m_rule.key, value, type, create) && !create && !m_rule.marker.isEmpty())
        value = m_rule.marker;
    m_valueRead = value;
    m_written = QString();
    const int found = matchOf(m_rule, value);
    if (found < 0)
        setReference(m_rule.marker.isEmpty() || create ? value : m_rule.marker);
    else
        setReference(m_rule.rewriteLetterCase ? value : m_rule.words[found]);
    return found >= 0 ? found : m_rule.unmatched;
}

int OptionGroup::load(const IKalvexGenParmsPtr& parms, VbOptionArray& buttons)
{
    const int option = load(parms);
    if (option >= 0 && buttons.at(option)) {
        buttons[option]->setValue(true);
    } else {
        // No choice shown rather than the previous set's.
        for (int i = 0; i < buttons.count(); ++i)
            if (buttons[i])
                buttons[i]->setValue(false);
    }
    return option;
}

int OptionGroup::persistWord(const IKalvexGenParmsPtr& parms, const QString& word)
{
    if (!parms)
        return 0;
    QString value = word;
    int type = PARM_TYPE_SYSTEM;
    if (m_rule.create == OptCreate::AtPersistUncounted) {
        IKalvexGenParmPtr parm = morvObjs_parms_getParm(parms, m_rule.key, value, type, false);
        if (!parm) {
            value = word;
            type = PARM_TYPE_SYSTEM;
            parm = morvObjs_parms_getParm(parms, m_rule.key, value, type, true);
            if (parm)
                parm->setModified(1);
        }
        // Added with the word shown: counted only when that word is a change.
        if (!parm || unchanged(word))
            return 0;
        parm->setValue(false, word);
        m_written = word;
        return 1;
    }
    if (unchanged(word))
        return 0;
    IKalvexGenParmPtr parm = morvObjs_parms_getParm(parms, m_rule.key, value, type, false);
    const bool created = !parm;
    if (created) {
        value = word;
        type = PARM_TYPE_SYSTEM;
        parm = morvObjs_parms_getParm(parms, m_rule.key, value, type, true);
    }
    if (!parm)
        return 0;
    parm->setValue(false, word);
    m_written = word;
    if (created && m_rule.countCreated)
        parm->setModified(1);
    return 1;
}

// The reference stays the value loaded; but once another word was written,
// going back to the loaded word must reach the set too.
bool OptionGroup::unchanged(const QString& word) const
{
    return word == reference() && (m_written.isNull() || m_written == word);
}

int OptionGroup::persist(const IKalvexGenParmsPtr& parms, int option)
{
    if (option < 0 || option >= m_rule.words.size())
        return 0;
    return persistWord(parms, m_rule.words[option]);
}

int OptionGroup::persist(const IKalvexGenParmsPtr& parms, const VbOptionArray& buttons)
{
    return persist(parms, buttons.selectedIndex());
}

} // namespace kalvex
