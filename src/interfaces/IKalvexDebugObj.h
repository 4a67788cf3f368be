// The debug entry object: how a host opens the object test console on
// objects it already holds. Every member that takes an object does nothing
// for a missing one; the members answer status 0.
#pragma once
#include <QString>
#include <memory>

class QObject;

namespace kalvex {

class IKalvexAdministrator;
class IKalvexGenerator;
class IKalvexGenerators;
class IKalvexGenParms;
class IKalvexTasks;

inline const QString PROGID_DEBUG_OBJ = QStringLiteral("KalvexObjs.KalvexDebugObj");

class IKalvexDebugObj {
public:
    virtual ~IKalvexDebugObj() = default;

    // Shows the console when it is not loaded; a loaded one is left as it is.
    virtual int showMenu() = 0;
    // Fills the console's list without showing it.
    virtual int showGenerators(const std::shared_ptr<IKalvexGenerators>& generators, const QString& caption,
                               bool clear) = 0;
    virtual int showGenerator(int index, const std::shared_ptr<IKalvexGenerator>& generator,
                              const QString& caption, bool clear) = 0;
    virtual int showParameters(const std::shared_ptr<IKalvexGenParms>& parameters, const QString& caption,
                               bool clear) = 0;
    virtual int showAdmindb(const std::shared_ptr<IKalvexAdministrator>& adm, const QString& caption, bool clear,
                            bool onlyModified) = 0;
    // The console form (its public operations), neither loaded nor shown.
    virtual QObject* editForm() = 0;
    virtual int showTaskList(const std::shared_ptr<IKalvexTasks>& tasks, const QString& caption, bool clear,
                             bool onlyModified) = 0;
    // Unloads the console.
    virtual void initialize() = 0;
};

using IKalvexDebugObjPtr = std::shared_ptr<IKalvexDebugObj>;

} // namespace kalvex
