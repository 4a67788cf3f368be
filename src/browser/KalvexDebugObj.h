// The debug entry object: opens the one shared object test console on
// objects a host already holds. The host creates it by its ProgID
// "KalvexObjs.KalvexDebugObj", which the window library registers.
#pragma once
#include "interfaces/IKalvexDebugObj.h"

namespace kalvex {

class KalvexDebugObj : public IKalvexDebugObj {
public:
    int showMenu() override;
    int showGenerators(const std::shared_ptr<IKalvexGenerators>& generators, const QString& caption,
                       bool clear) override;
    int showGenerator(int index, const std::shared_ptr<IKalvexGenerator>& generator, const QString& caption,
                      bool clear) override;
    int showParameters(const std::shared_ptr<IKalvexGenParms>& parameters, const QString& caption,
                       bool clear) override;
    int showAdmindb(const std::shared_ptr<IKalvexAdministrator>& adm, const QString& caption, bool clear,
                    bool onlyModified) override;
    QObject* editForm() override;
    int showTaskList(const std::shared_ptr<IKalvexTasks>& tasks, const QString& caption, bool clear,
                     bool onlyModified) override;
    void initialize() override;
};

// Registers the class under its ProgID (the window library's install step).
void registerDebugObjProgId();

} // namespace kalvex
