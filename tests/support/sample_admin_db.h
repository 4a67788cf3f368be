// A small administration database built in code: three production sites and
// a few processes, enough to fill the browser's process trees.
//
// Sites: PS1 "Main plant", PS2 "S2" and the variant's own site.
// Processes (id, name, order key, type, use):
//   P_FAB  "Fabrication"  10     group     both
//   P_GBR  "Gerber data"  10.10  child     both     assigned to PS2
//   P_DRL  "Drill data"   10.20  child     master
//   P_ASM  "Assembly"     20     single    both     assigned to PS2
//   P_NET  "Netlist"      30     single    variant  assigned to PS2
//   P_RPT  "Report"       40     single    both     no data file (never listed)
#pragma once
#include <QString>

#include "interfaces/IKalvexAdministrator.h"

namespace kalvex::test {

// KVX_TASK_WORKDIR is set to workDir in the database's variable set.
IKalvexAdministratorPtr makeSampleAdminDb(const QString& workDir);

} // namespace kalvex::test
