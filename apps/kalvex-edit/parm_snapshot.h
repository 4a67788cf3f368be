// What a parameter set holds (names, values, types in order), to put it back
// when a dialog is left without writing.
#pragma once
#include <QString>
#include <vector>

#include "interfaces/IKalvexGenParms.h"

namespace kalvex::edit {

struct ParmState {
    QString name, value;
    int type = 0;
    bool operator==(const ParmState&) const = default;
};

using ParmSnapshot = std::vector<ParmState>;

ParmSnapshot takeSnapshot(const IKalvexGenParmsPtr& parms);

// Removes what was added since and sets back values and types that changed;
// parameters that did not change are left untouched.
void restoreSnapshot(const IKalvexGenParmsPtr& parms, const ParmSnapshot& snapshot);

} // namespace kalvex::edit
