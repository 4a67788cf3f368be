// Binding of a control to a parameter through its Tag, "key#value": the key
// is the parameter's name (exact, case included), the value the parameter's
// value as it stood when the control was last loaded or written, against
// which a later write decides whether the control changed.
//
// The shared loader and writer handle check boxes, text boxes and frames;
// every other kind is skipped even when it carries a Tag (option groups are
// bound by their dialog's own code through morvObjs_parms_getParm).
#pragma once
#include <QString>

#include "interfaces/IKalvexGenParms.h"

class QObject;

namespace kalvex {

// key & "#" & value.
QString morvObjs_parmTagJoin(const QString& key, const QString& value);

// Key and value start empty. The Tag is cut at every "#" (a delimiter is
// implied at both ends, consecutive delimiters give empty pieces) and each
// piece trimmed; with two or more pieces key = piece 1 and value = piece 2.
// A Tag without "#" therefore gives an empty key: the control is not bound.
void morvObjs_parmTagSplit(const QString& tag, QString& key, QString& value);

// Loads one control: 1 loaded, 0 skipped (other kind, no key), -1 without a
// control or a parameter set. A missing parameter loads the default; the
// parameter is not created. A check box takes the value read as a Boolean
// (its Tag then holds "0" or "1"), a text box the text as stored, a frame
// only the Tag.
int morvObjs_parmCtrlSetFromParm(QObject* control, const IKalvexGenParmsPtr& parms, const QString& defaultValue);

// Writes one control back when its value (check box "0"/"1"/"2", text box
// the trimmed text) differs from its Tag's value: 1 written, 0 skipped or
// unchanged, -1 without a control or a parameter set, or when a missing
// parameter could not be added (the Tag then stays). A missing parameter is
// added with type 1 and counted modified. Frames have no value of their own
// and are never written, so a bound frame cannot blank its parameter.
int morvObjs_parmCtrlGetToParm(QObject* control, const IKalvexGenParmsPtr& parms);

// Lookup for option groups by exact name: found, value and type are read
// (value unexpanded); missing and create, the parameter is added with the
// caller's value and type; missing otherwise, no object and value and type
// keep the caller's.
IKalvexGenParmPtr morvObjs_parms_getParm(const IKalvexGenParmsPtr& parms, const QString& name, QString& value,
                                         int& parmType, bool create);

} // namespace kalvex
