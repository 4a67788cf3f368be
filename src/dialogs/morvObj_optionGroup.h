// Option groups bound to one parameter that holds a word (not a control
// value). The loader reads the parameter, creating it with the group's
// default word and type 1 when missing, and keeps the value read, exactly as
// stored, in the Tag of the group's leading control; the writer writes the
// word the controls give, in the dialog's own letter case, only when it
// differs exactly from that kept value. Dialogs whose groups follow other
// rules use morvObjs_parms_getParm directly.
#pragma once
#include <QStringList>

#include "interfaces/IKalvexGenParms.h"

class QObject;

namespace kalvex {

// The index of the word equal to the value read, both lower-cased; -1 when
// none matches or there is no parameter set. `valueRead` (optional) gets the
// value as stored.
int morvObjs_optGroupLoad(const IKalvexGenParmsPtr& parms, const QString& key, const QString& defaultWord,
                          const QStringList& words, QObject* leadingControl, QString* valueRead = nullptr);

// 1 when the word was written, 0 when it equals the kept value or nothing
// could be written.
int morvObjs_optGroupPersist(const IKalvexGenParmsPtr& parms, const QString& key, const QString& word,
                             QObject* leadingControl);

} // namespace kalvex
