#include "admin/KalvexAdministrator.h"

#include <QDateTime>

#include "admin/KalvexDistributors.h"
#include "admin/KalvexErrorFilter.h"
#include "admin/KalvexFileTypes.h"
#include "admin/KalvexProdClasses.h"
#include "admin/KalvexProdSites.h"
#include "foundation/BrenloEnvirVars.h"
#include "foundation/objectCast.h"
#include "generators/KalvexGenerators.h"
#include "generators/KalvexProcesses.h"
#include "interfaces/IKalvexGenerators.h"
#include "interfaces/IKalvexProcess.h"

namespace kalvex {

namespace {

IKalvexObject* asObject(const std::shared_ptr<IKalvexObject>& o) { return o.get(); }

} // namespace

std::shared_ptr<KalvexAdministrator> KalvexAdministrator::create()
{
    auto adm = std::make_shared<KalvexAdministrator>();
    auto self = std::static_pointer_cast<IKalvexObject>(adm);

    adm->postMessage(QStringLiteral("ADMObj-Init Creating generators"));
    adm->m_generators = classCreate_KalvexGenerators();
    adm->postMessage(QStringLiteral("ADMObj-Init Creating production sites"));
    adm->m_prodSites = classCreate_KalvexProdSites();
    adm->postMessage(QStringLiteral("ADMObj-Init Creating file types"));
    adm->m_fileTypes = classCreate_KalvexFileTypes();
    adm->postMessage(QStringLiteral("ADMObj-Init Creating product classes"));
    adm->m_prodClasses = classCreate_KalvexProdClasses();
    adm->postMessage(QStringLiteral("ADMObj-Init Creating processes"));
    adm->m_processes = classCreate_KalvexProcesses();
    adm->postMessage(QStringLiteral("ADMObj-Init Creating database status"));
    adm->m_status = std::make_shared<KalvexADMDbStatus>();
    adm->postMessage(QStringLiteral("ADMObj-Init Creating error filters"));
    adm->m_errorFilters = classCreate_KalvexErrorFilters();
    adm->postMessage(QStringLiteral("ADMObj-Init Creating distributors"));
    adm->m_distributors = classCreate_KalvexDistributors();
    adm->postMessage(QStringLiteral("ADMObj-Init Creating environment variables"));

    const std::shared_ptr<IKalvexObject> parts[] = {adm->m_generators, adm->m_prodSites,   adm->m_fileTypes,
                                                    adm->m_prodClasses, adm->m_processes,  adm->m_status,
                                                    adm->m_errorFilters, adm->m_distributors};
    for (const auto& part : parts)
        part->setParent(self);
    adm->setEnvirVars(createEnvirVars());

    adm->postMessage(QStringLiteral("ADMObj- Setting internal event raiser"));
    const QVariant raiser = QVariant::fromValue(std::static_pointer_cast<IBrenloEventRaiser>(adm));
    const std::shared_ptr<IKalvexObject> collections[] = {adm->m_fileTypes,   adm->m_generators, adm->m_processes,
                                                          adm->m_prodClasses, adm->m_prodSites,  adm->m_errorFilters,
                                                          adm->m_distributors};
    for (const auto& coll : collections)
        coll->setInternalValue(SET_INT_EV_RAISER, raiser);
    return adm;
}

std::shared_ptr<IKalvexAdministrator> classCreate_KalvexAdministrator() { return KalvexAdministrator::create(); }

void KalvexAdministrator::setEnvirVars(const std::shared_ptr<IBrenloEnvirVars>& vars)
{
    m_envirVars = vars;
    m_generators->setEnvirVars(vars);
    m_prodSites->setEnvirVars(vars);
    m_fileTypes->setEnvirVars(vars);
    m_prodClasses->setEnvirVars(vars);
    m_processes->setEnvirVars(vars);
    m_distributors->setEnvirVars(vars);
}

void KalvexAdministrator::setResetTriggerFile(const QString& path)
{
    if (upd(m_resetTrigger, path.trimmed(), QStringLiteral("resetTriggerFile")) && !trackingSuspended())
        stampNow(OBJ_ADMIN_DB);
}

void KalvexAdministrator::setObjInitDate(const QString& date)
{
    upd(m_objInitDate, date.trimmed(), QStringLiteral("objInitDate"));
}

void KalvexAdministrator::initialize()
{
    m_generators->initialize();
    m_prodSites->initialize();
    m_fileTypes->initialize();
    m_prodClasses->initialize();
    m_processes->initialize();
    m_status->initialize();
    m_errorFilters->initialize();
    m_distributors->initialize();
    m_resetTrigger = DEFAULT_RESET_TRIGGER_FILE;
    m_objInitDate.clear();
    m_defaultsFlag = false;
    bumpModelGeneration();
    setModified(0);
}

int KalvexAdministrator::setInternalValue(const QString& key, const QVariant& value)
{
    if (key == SET_DEFAULTS_OBJECT_FLAG) {
        m_defaultsFlag = value.toBool();
        return 1;
    }
    return KalvexObjectBase::setInternalValue(key, value);
}

void KalvexAdministrator::setMessagesObj(QObject* sink)
{
    if (sink == messagesObj())
        return;
    KalvexObjectBase::setMessagesObj(sink);
    m_fileTypes->setMessagesObj(sink);
    m_generators->setMessagesObj(sink);
    m_processes->setMessagesObj(sink);
    m_prodClasses->setMessagesObj(sink);
    m_prodSites->setMessagesObj(sink);
    m_status->setMessagesObj(sink);
}

int KalvexAdministrator::categoryOf(const IKalvexObject* object) const
{
    if (!object)
        return 0;
    if (object == asObject(m_processes))
        return OBJ_PROCESS;
    if (object == asObject(m_fileTypes))
        return OBJ_FILE_TYPE;
    if (object == asObject(m_prodClasses))
        return OBJ_PRODUCT_CLASS;
    if (object == asObject(m_prodSites))
        return OBJ_PRODUCTION_SITE;
    if (object == asObject(m_errorFilters))
        return OBJ_ERROR_FILTER;
    if (object == asObject(m_distributors))
        return OBJ_DISTRIBUTOR;
    if (object == asObject(m_generators))
        return OBJ_GENERATOR;
    return 0;
}

void KalvexAdministrator::stampNow(int category)
{
    const QDateTime now = QDateTime::currentDateTime();
    m_status->stamp(category, now);
    if (category != OBJ_ADMIN_DB)
        m_status->stamp(OBJ_ADMIN_DB, now);
}

void KalvexAdministrator::queueEvent(const QString& eventType, const QString&, const BrenloEventParams& params)
{
    if (trackingSuspended())
        return;
    // The category is that of the collection the sender lies in. Changes
    // made while the sender or one of its owners suspends tracking (a reader
    // at work) are not stamped.
    int category = 0;
    auto object = params.sender.lock();
    for (int depth = 0; object && depth < kMaxOwnerDepth; ++depth, object = object->parent()) {
        if (auto* tracked = objectCast<KalvexObjectBase>(object.get()); tracked && tracked->trackingSuspended())
            return;
        if (!category)
            category = categoryOf(object.get());
        if (object.get() == static_cast<const IKalvexObject*>(this))
            break;
    }
    if (!category)
        return;
    stampNow(category);

    // A new process or distributor is the last in collection order; a site
    // added or removed concerns them all.
    const auto sender = params.sender.lock();
    if (eventType == EV_ADD && sender.get() == asObject(m_processes)) {
        if (auto p = m_processes->item(m_processes->count(), SORT_COLLECTION))
            p->generatorAssignments()->updateSites(m_prodSites);
    } else if (eventType == EV_ADD && sender.get() == asObject(m_distributors)) {
        if (auto d = m_distributors->item(m_distributors->count(), SORT_COLLECTION))
            d->psiteAssignments()->updateSites(m_prodSites);
    } else if ((eventType == EV_ADD || eventType == EV_REMOVE) && sender.get() == asObject(m_prodSites)) {
        updateSiteAssignments();
    }
}

void KalvexAdministrator::updateSiteAssignments()
{
    for (int i = 1; i <= m_processes->count(); ++i)
        if (auto p = m_processes->item(i, SORT_COLLECTION))
            p->generatorAssignments()->updateSites(m_prodSites);
    for (int i = 1; i <= m_distributors->count(); ++i)
        if (auto d = m_distributors->item(i, SORT_COLLECTION))
            d->psiteAssignments()->updateSites(m_prodSites);
}

} // namespace kalvex
