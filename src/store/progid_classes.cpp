// The classes of kalvex_core that can be created by ProgID. Add a line here
// when a class with a factory arrives; kalvex_ui registers its own at start-up.
#include "store/progid_classes.h"

#include <new>

#include "foundation/BrenloEnvirVars.h"
#include "foundation/progid_registry.h"
#include "generators/KalvexGenParm.h"
#include "generators/KalvexGenParms.h"
#include "generators/KalvexGenParmsEditor.h"
#include "generators/KalvexGenerator.h"
#include "generators/KalvexGenerators.h"
#include "store/KalvexRUVConnection.h"
#include "store/KalvexStorageCtrl.h"
#include "store/model_progids.h"

namespace kalvex {

namespace {
template <typename F>
void addObject(ProgIdRegistry& r, const char* className, F factory)
{
    r.registerClass<IKalvexObject>(QStringLiteral("KalvexObjs.") + QLatin1String(className),
                                   [factory]() -> std::shared_ptr<IKalvexObject> { return factory(); });
}
} // namespace

void registerCoreProgIds(ProgIdRegistry& r)
{
    r.registerClass<IBrenloEnvirVars>(PROGID_ENVIR_VARS,
                                      [] { return std::make_shared<BrenloEnvirVars>(); });

    addObject(r, "KalvexGenParm", classCreate_KalvexGenParm);
    addObject(r, "KalvexGenParms", classCreate_KalvexGenParms);
    addObject(r, "KalvexGenerator", classCreate_KalvexGenerator);
    addObject(r, "KalvexGenerators", classCreate_KalvexGenerators);
    r.registerClass<IKalvexGenParmsEditor>(QStringLiteral("KalvexObjs.KalvexGenParmsEditor"),
                                           classCreate_KalvexGenParmsEditor);
    r.registerClass<IKalvexRUVConnection>(QStringLiteral("KalvexObjs.KalvexRUVConnection"),
                                          [] { return classCreate_KalvexRUVConnection(); });
    r.registerClass<IKalvexStorageCtrl>(QStringLiteral("KalvexObjs.KalvexStorageCtrl"),
                                        classCreate_KalvexStorageCtrl);
    registerModelProgIds(r);
}

} // namespace kalvex

namespace {
int registerAtStart() noexcept
{
    try {
        kalvex::registerCoreProgIds(kalvex::ProgIdRegistry::instance());
        return 1;
    } catch (const std::bad_alloc&) {
        return 0; // out of memory at start: creation by name then finds nothing
    }
}
} // namespace

// Named by kalvex_core's link options (CMakeLists.txt); 1 once registered.
extern "C" const int kalvex_core_progids = registerAtStart();
