// The bundled example database (examples/demo.mra) for pictures with real
// values, and the dialog of one of its generators as its editor shows it.
#pragma once
#include <QString>
#include <QWidget>

#include "interfaces/IKalvexAdministrator.h"

namespace kalvex::render {

// A fresh copy of the example database; no object when it cannot be read.
IKalvexAdministratorPtr loadDemoAdminDb();

// The dialog the generator's command selects, bound to its parameter set
// and loaded (the database is kept for the life of the tool); no widget when
// the generator is not in the database.
QWidget* demoGeneratorDialog(const QString& generatorId);

} // namespace kalvex::render
