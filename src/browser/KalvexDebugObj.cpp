// Every member that takes an object does nothing without one; otherwise it
// shows the console, empties its list when asked and runs the console's
// operation. showGenerators fills the list without showing the console.
#include "browser/KalvexDebugObj.h"

#include "browser/frmObjectTest.h"
#include "foundation/progid_registry.h"

namespace kalvex {

namespace {
constexpr int kStatusOk = 0;

frmObjectTest* console() { return vbl_formInstance<frmObjectTest>(); }

// Shows the console when asked to and empties its list when clear is set.
frmObjectTest* openConsole(IKalvexDebugObj& self, bool clear)
{
    self.showMenu();
    frmObjectTest* form = console();
    if (clear)
        form->clearList();
    return form;
}
} // namespace

int KalvexDebugObj::showMenu()
{
    frmObjectTest* form = console();
    // A loaded console, shown or hidden, is left as it is.
    if (!form->form_loaded)
        form->show();
    return kStatusOk;
}

int KalvexDebugObj::showGenerators(const std::shared_ptr<IKalvexGenerators>& generators, const QString& caption,
                                   bool clear)
{
    Q_UNUSED(caption)
    if (generators)
        console()->generatorsToListBox(generators, clear);
    return kStatusOk;
}

int KalvexDebugObj::showGenerator(int index, const std::shared_ptr<IKalvexGenerator>& generator,
                                  const QString& caption, bool clear)
{
    Q_UNUSED(caption)
    if (generator)
        openConsole(*this, clear)->showGenerator(index, generator, clear);
    return kStatusOk;
}

int KalvexDebugObj::showParameters(const std::shared_ptr<IKalvexGenParms>& parameters, const QString& caption,
                                   bool clear)
{
    if (parameters)
        openConsole(*this, clear)->showParameters(caption, parameters, QString());
    return kStatusOk;
}

int KalvexDebugObj::showAdmindb(const std::shared_ptr<IKalvexAdministrator>& adm, const QString& caption, bool clear,
                                bool onlyModified)
{
    if (adm)
        openConsole(*this, clear)->showAdminDB(caption, adm, clear, onlyModified);
    return kStatusOk;
}

QObject* KalvexDebugObj::editForm() { return console(); }

int KalvexDebugObj::showTaskList(const std::shared_ptr<IKalvexTasks>& tasks, const QString& caption, bool clear,
                                 bool onlyModified)
{
    if (tasks)
        openConsole(*this, clear)->showTaskList(caption, tasks, clear, onlyModified);
    return kStatusOk;
}

void KalvexDebugObj::initialize() { console()->unloadForm(1); }

void registerDebugObjProgId()
{
    ProgIdRegistry::instance().registerClass<IKalvexDebugObj>(PROGID_DEBUG_OBJ,
                                                              [] { return std::make_shared<KalvexDebugObj>(); });
}

} // namespace kalvex
