// Option groups: a parameter holding a word (not a control value) shown as a
// choice among option buttons. One configurable helper serves every dialog;
// a dialog describes its group in an OptionGroupRule and keeps one
// OptionGroup per group as a member:
//
//   OptionGroup ifName{{.key = "if_name",
//                       .words = {"QUAD", "BetaSoft", "ATE", "AIS", "GenCAD"},
//                       .match = OptMatch::LowerContains,
//                       .unmatched = 0,
//                       .defaultWord = "AIS"}};
//   ifName.keepReferenceInTag(OptIfName[0]);           // optional, see below
//   void loadGroups() override { ifName.load(parmsColl(), OptIfName); }
//   int persistGroups(const IKalvexGenParmsPtr& parms) override { return ifName.persist(parms, OptIfName); }
//
// Load reads the parameter (creating it with the default word and type 1 when
// the rule says so), maps the value to an option and keeps a reference value.
// Persist writes the chosen option's word, in the rule's letter case, when it
// differs exactly from that reference. The reference is never updated by a
// write: persisting again after a change writes and counts the group again,
// until the next load. A choice put back to the loaded word after another
// word was written is written (and counted) once.
#pragma once
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>
#include <utility>
#include <vector>

#include "interfaces/IKalvexGenParms.h"

class QObject;

namespace kalvex {

class VbOptionArray;

// How a stored value selects an option.
enum class OptMatch {
    LowerEqual,    // lower-cased value equals a lower-cased word
    LowerContains, // lower-cased value contains a needle, tried in `containsOrder`
    UpperEqual,    // upper-cased value equals an upper-cased word
};

// When a missing parameter is created.
enum class OptCreate {
    AtLoad,              // at load, with the default word and type 1
    WhenChanged,         // at persist, when the word differs from the reference (counted)
    AtPersistUncounted,  // at persist always when missing, added with modified 1 and
                         // not counted; the parameter is then written (and counted)
                         // only when its word differs from the reference
};

struct OptionGroupRule {
    QString key;                 // parameter name (exact)
    QStringList words;           // written words by option index, in the dialog's letter case
    OptMatch match = OptMatch::LowerEqual;
    // LowerContains: (needle, option) pairs tried in order; empty means the
    // lower-cased words in index order.
    std::vector<std::pair<QString, int>> containsOrder = {};
    int unmatched = -1;          // option for a value that matches nothing (-1: none)
    QString defaultWord = {};    // value of a missing parameter (created with it for AtLoad)
    OptCreate create = OptCreate::AtLoad;
    // Reference of a missing value, and of one that matches nothing, for the
    // rules that do not create at load ("XXXX" makes persist write the group).
    // Empty: the default word (missing) or the raw value (unmatched).
    QString marker = {};
    // True: the reference is the value as stored, so an unchanged choice stored
    // in another letter case is rewritten (and counted). False: the reference is
    // the matched word, so "TH" stays as stored.
    bool rewriteLetterCase = true;
    // Replaces the match rule (e.g. a Boolean reading); answers the option.
    std::function<int(const QString& value)> mapValue = {};
    // WhenChanged: a parameter created by persist gets one change counted on
    // itself (the dialogs whose rule is "added, then modified 1").
    bool countCreated = false;
};

class OptionGroup {
public:
    OptionGroup() = default;
    explicit OptionGroup(OptionGroupRule rule);

    const OptionGroupRule& rule() const { return m_rule; }

    // Keep the reference in this control's Tag (the group's leading control)
    // instead of inside the group. Only for controls the shared binding skips
    // (option buttons): a reference holding "#" would read as a binding.
    void keepReferenceInTag(QObject* leadingControl);

    // Reads the parameter, keeps the reference and answers the option index
    // (rule.unmatched when nothing matches); -1 without a parameter set.
    int load(const IKalvexGenParmsPtr& parms);
    // The same, then selects that button, which raises its Click when it was
    // not selected before; with -1 every button is cleared, so a shared dialog
    // never shows (and writes) the previous set's choice.
    int load(const IKalvexGenParmsPtr& parms, VbOptionArray& buttons);

    // Writes the word of `option` (or `word`) when it differs from the
    // reference; 1 when written and counted, else 0 (no set, unchanged,
    // option out of range, or an uncounted creation). A group writing two
    // keys counts once: add the results with ||, not +.
    int persist(const IKalvexGenParmsPtr& parms, int option);
    int persist(const IKalvexGenParmsPtr& parms, const VbOptionArray& buttons);
    int persistWord(const IKalvexGenParmsPtr& parms, const QString& word);

    // The option a value selects under the rule.
    int optionOf(const QString& value) const;
    // The word of option `index` (negative: the selected button); "NODEF"
    // when no option is selected or the index is out of range.
    QString wordAt(const VbOptionArray& buttons, int index) const;
    // Gives each button the tool tip "label ( /key=word )" of its option.
    void setToolTips(const VbOptionArray& buttons, const QStringList& labels) const;
    // The value read at the last load (the default or marker when missing).
    QString valueRead() const { return m_valueRead; }
    // The value persist compares against.
    QString reference() const;

private:
    void setReference(const QString& ref);
    bool unchanged(const QString& word) const;

    OptionGroupRule m_rule;
    QPointer<QObject> m_tagHolder;
    bool m_useTag = false;
    QString m_reference;
    QString m_valueRead;
    QString m_written; // the last word written since the load; null when none
};

} // namespace kalvex
