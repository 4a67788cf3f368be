#include "support/sample_admin_db.h"

#include "admin/KalvexAdministrator.h"
#include "admin/KalvexFileType.h"
#include "admin/KalvexProdSite.h"
#include "generators/KalvexGenAssignment.h"
#include "generators/KalvexProcess.h"

namespace kalvex::test {

namespace {

IKalvexProdSitePtr addSite(const IKalvexAdministratorPtr& adm, const char* id, const char* name)
{
    auto s = classCreate_KalvexProdSite();
    s->setId(QLatin1String(id));
    s->setName(QLatin1String(name));
    adm->productionSites()->add(s);
    return s;
}

void addProcess(const IKalvexAdministratorPtr& adm, const char* id, const char* name, const char* key, int type,
                int use, const std::shared_ptr<IKalvexFileType>& ft, const IKalvexProdSitePtr& site)
{
    auto p = classCreate_KalvexProcess();
    p->setId(QLatin1String(id));
    p->setName(QLatin1String(name));
    p->orderKey()->setEncoded(QLatin1String(key));
    p->setProcessType(type);
    p->setProcessUse(use);
    if (ft)
        p->setFileType(ft);
    if (site) {
        auto a = classCreate_KalvexGenAssignment();
        a->setProductionSite(site);
        a->setInUse(true);
        p->generatorAssignments()->add(a);
    }
    adm->processes()->add(p);
}

} // namespace

IKalvexAdministratorPtr makeSampleAdminDb(const QString& workDir)
{
    auto adm = classCreate_KalvexAdministrator();
    adm->envirVars()->add(QStringLiteral("KVX_TASK_WORKDIR"), workDir);
    addSite(adm, "PS1", "Main plant");
    auto ps2 = addSite(adm, "PS2", "S2");
    addSite(adm, "VARIANT_PSITE_ID", "Variant site");
    auto ft = classCreate_KalvexFileType();
    ft->setId(QStringLiteral("FT_DATA"));
    ft->setName(QStringLiteral("Data"));
    adm->fileTypes()->add(ft);
    addProcess(adm, "P_FAB", "Fabrication", "10", PROC_PARENT, 3, nullptr, nullptr);
    addProcess(adm, "P_GBR", "Gerber data", "10.10", PROC_CHILD, 3, ft, ps2);
    addProcess(adm, "P_DRL", "Drill data", "10.20", PROC_CHILD, 1, ft, nullptr);
    addProcess(adm, "P_ASM", "Assembly", "20", PROC_SINGLE, 3, ft, ps2);
    addProcess(adm, "P_NET", "Netlist", "30", PROC_SINGLE, 2, ft, ps2);
    addProcess(adm, "P_RPT", "Report", "40", PROC_SINGLE, 3, nullptr, nullptr);
    return adm;
}

} // namespace kalvex::test
