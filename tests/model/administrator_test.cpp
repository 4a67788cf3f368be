#include <gtest/gtest.h>

#include <QObject>
#include <QRegularExpression>

#include "admin/KalvexAdministrator.h"
#include "admin/KalvexDistributor.h"
#include "admin/KalvexErrorFilter.h"
#include "admin/KalvexFileType.h"
#include "admin/KalvexProdSite.h"
#include "admin/objTypeText.h"
#include "generators/KalvexProcess.h"
#include "generators/generatorAdminObj.h"
#include "interfaces/IKalvexGenParmsEditor.h"
#include "interfaces/IKalvexGenerators.h"
#include "interfaces/IKalvexParmForm.h"
#include "model/named_parm_form.h"
#include "support/qt_printers.h"

using namespace kalvex;

namespace {

IKalvexProdSitePtr site(const QString& id)
{
    auto s = classCreate_KalvexProdSite();
    s->setId(id);
    s->setName(id + " site");
    return s;
}

IKalvexProcessPtr process(const QString& id, const QString& key)
{
    auto p = classCreate_KalvexProcess();
    p->setId(id);
    p->orderKey()->setEncoded(key);
    return p;
}

std::shared_ptr<IKalvexDistributor> distributor(const QString& id)
{
    auto d = classCreate_KalvexDistributor();
    d->setId(id);
    return d;
}

QList<int> datedTypes(const IKalvexAdministratorPtr& adm) { return adm->statusInfo()->modificationDateTypes(); }

class FakeChooser : public IKalvexEditFormChooser {
public:
    IKalvexParmForm* editFormSelect(const QString& name) override
    {
        asked << name;
        return name.contains("distrib", Qt::CaseInsensitive) ? &distributorForm : &grid;
    }
    IKalvexParmForm* defaultForm() override { return &grid; }
    void focusForm(IKalvexParmForm*) override {}

    QStringList asked;
    test::NamedParmForm grid{"frmParmEdit"};
    test::NamedParmForm distributorForm{"frmDistribParms"};
};

// Registers the chooser for one test and takes it away again.
struct ChooserInPlace {
    FakeChooser chooser;
    ChooserInPlace() { registerEditFormChooser(&chooser); }
    ~ChooserInPlace() { registerEditFormChooser(nullptr); }
};

} // namespace

TEST(Administrator, CollectionsHangBelowTheDatabase)
{
    auto adm = classCreate_KalvexAdministrator();
    auto self = std::dynamic_pointer_cast<IKalvexObject>(adm);
    EXPECT_EQ(adm->productionSites()->parent(), self);
    EXPECT_EQ(adm->generators()->parent(), self);
    EXPECT_EQ(adm->processes()->parent(), self);
    EXPECT_EQ(adm->statusInfo()->parent(), self);
    EXPECT_EQ(adm->productionSites(), adm->productionSites());
    ASSERT_TRUE(adm->envirVars());
    EXPECT_EQ(adm->productionSites()->envirVars(), adm->envirVars());
    EXPECT_EQ(adm->generators()->envirVars(), adm->envirVars());
    EXPECT_EQ(adm->resetTriggerFile(), "${KVX_JOB_PCB_PATH}\\layout\\LayoutDB.lyt");
    EXPECT_TRUE(datedTypes(adm).isEmpty());

    auto gen = adm->generators()->add("GERBER", "Gerber");
    ASSERT_TRUE(gen);
    EXPECT_EQ(morvObjs_generatorGetAdminObj(gen), adm);
    EXPECT_FALSE(morvObjs_generatorGetAdminObj(nullptr));
    adm->generators()->remove("GERBER");
    EXPECT_FALSE(morvObjs_generatorGetAdminObj(gen)); // no longer in a collection
}

TEST(Administrator, InternalValuesAnswerOneOrMinusOne)
{
    auto adm = classCreate_KalvexAdministrator();
    EXPECT_FALSE(adm->defaultsObjectFlag());
    EXPECT_EQ(adm->setInternalValue("SET_DEFAULTS_OBJECT_FLAG", true), 1);
    EXPECT_TRUE(adm->defaultsObjectFlag());
    EXPECT_EQ(adm->setInternalValue("SET_DEFAULTS_OBJECT_FLAG", false), 1);
    EXPECT_FALSE(adm->defaultsObjectFlag());
    EXPECT_EQ(adm->setInternalValue("SET_MARK", 1), -1);
    EXPECT_EQ(adm->setInternalValue("set_defaults_object_flag", true), -1); // keys are upper case
    EXPECT_EQ(adm->setInternalValue(SET_EV_RAISER, QVariant()), 1);
}

TEST(Administrator, ChangesStampTheirCategoryAndTheDatabase)
{
    auto adm = classCreate_KalvexAdministrator();
    auto status = adm->statusInfo();

    adm->productionSites()->add(site("A"));
    EXPECT_EQ(datedTypes(adm), (QList<int>{OBJ_ADMIN_DB, OBJ_PRODUCTION_SITE}));
    EXPECT_FALSE(status->modificationDate(OBJ_PRODUCTION_SITE).isEmpty());
    EXPECT_TRUE(status->modificationDate(OBJ_PROCESS).isEmpty());
    EXPECT_TRUE(status->modificationDate(99).isEmpty());

    adm->errorFilters()->add(classCreate_KalvexErrorFilter());
    adm->fileTypes()->add(classCreate_KalvexFileType());
    auto gen = adm->generators()->add("G", "Gen");
    gen->parameters()->add("units", "mm", 1); // a parameter is part of its generator
    auto p = adm->processes()->add(process("P", "1"));
    EXPECT_EQ(datedTypes(adm), (QList<int>{OBJ_ADMIN_DB, OBJ_PROCESS, OBJ_FILE_TYPE, OBJ_PRODUCTION_SITE,
                                           OBJ_ERROR_FILTER, OBJ_GENERATOR}));

    // A change deep inside a process stamps the process category.
    status->setModificationDate(OBJ_PROCESS, QString());
    p->generatorAssignments()->item("A")->setInUse(true);
    EXPECT_FALSE(status->modificationDate(OBJ_PROCESS).isEmpty());

    adm->distributors()->add(distributor("D"));
    EXPECT_TRUE(datedTypes(adm).contains(OBJ_DISTRIBUTOR));
    EXPECT_EQ(morvObjs_objTypeToStr(OBJ_DISTRIBUTOR), "DISTRIBUTOR");

    // The date reads "d mmm yyyy h:mm:ss".
    EXPECT_TRUE(QRegularExpression("^\\d{1,2} [A-Z][a-z]{2} \\d{4} \\d{1,2}:\\d\\d:\\d\\d$")
                    .match(status->modificationDate(OBJ_ADMIN_DB))
                    .hasMatch())
        << status->modificationDate(OBJ_ADMIN_DB).toStdString();
}

TEST(Administrator, ReadersWithTrackingSuspendedLeaveTheDatesAlone)
{
    auto adm = classCreate_KalvexAdministrator();
    adm->setModified(MODIFIED_SUSPEND);
    adm->productionSites()->add(site("A"));
    adm->setModified(MODIFIED_RESUME);
    EXPECT_TRUE(datedTypes(adm).isEmpty());

    auto sites = adm->productionSites();
    sites->setModified(MODIFIED_SUSPEND);
    sites->item("A")->setName("renamed");
    sites->setModified(MODIFIED_RESUME);
    EXPECT_TRUE(datedTypes(adm).isEmpty());

    adm->statusInfo()->setModificationDate(OBJ_PROCESS, " 7 Dec 2026 8:15:00 ");
    EXPECT_EQ(adm->statusInfo()->modificationDate(OBJ_PROCESS), "7 Dec 2026 8:15:00");
}

TEST(Administrator, ChangeCountsRollUpToTheDatabase)
{
    auto adm = classCreate_KalvexAdministrator();
    auto s = site("A");
    s->setModified(0);
    adm->productionSites()->add(s);
    EXPECT_EQ(adm->productionSites()->modified(), 1);
    EXPECT_EQ(adm->modified(), 1);
    s->setEmailData("ops@example.com");
    EXPECT_EQ(s->modified(), 1);
    EXPECT_EQ(adm->modified(), 2);
    adm->productionSites()->setModified(0);
    EXPECT_EQ(adm->modified(), 0);

    adm->initialize();
    EXPECT_EQ(adm->productionSites()->count(), 0);
    EXPECT_EQ(adm->modified(), 0);
    EXPECT_FALSE(s->parent());
}

TEST(Administrator, NewSitesReachEveryProcessAndDistributor)
{
    auto adm = classCreate_KalvexAdministrator();
    auto a = adm->productionSites()->add(site("A"));
    auto p = adm->processes()->add(process("P", "1"));
    auto d = adm->distributors()->add(distributor("D"));
    ASSERT_EQ(p->generatorAssignments()->count(), 1); // a new process gets the existing sites
    EXPECT_EQ(d->psiteAssignments()->count(), 1);

    auto b = adm->productionSites()->add(site("B"));
    EXPECT_EQ(p->generatorAssignments()->item("B")->productionSite(), b);
    EXPECT_FALSE(p->generatorAssignments()->item("B")->inUse());
    EXPECT_EQ(d->psiteAssignments()->item("B")->productionSite(), b);

    adm->productionSites()->remove("A");
    EXPECT_FALSE(p->generatorAssignments()->exists("A"));
    EXPECT_EQ(d->psiteAssignments()->count(), 1);

    // The generator reference of an assignment is weak.
    auto gen = adm->generators()->add("G", "Gen");
    p->generatorAssignments()->item("B")->setGenerator(gen);
    EXPECT_EQ(p->generatorAssignments()->item("B")->generator(), gen);
    adm->generators()->remove("G");
    gen.reset();
    EXPECT_FALSE(p->generatorAssignments()->item("B")->generator());
}

TEST(Administrator, MessagesObjectReachesTheListedParts)
{
    auto adm = classCreate_KalvexAdministrator();
    QObject sink;
    adm->setMessagesObj(&sink);
    EXPECT_EQ(adm->messagesObj(), &sink);
    EXPECT_EQ(adm->productionSites()->messagesObj(), &sink);
    EXPECT_EQ(adm->generators()->messagesObj(), &sink);
    EXPECT_EQ(adm->processes()->messagesObj(), &sink);
    EXPECT_EQ(adm->fileTypes()->messagesObj(), &sink);
    EXPECT_EQ(adm->productClasses()->messagesObj(), &sink);
    EXPECT_EQ(adm->statusInfo()->messagesObj(), &sink);
    EXPECT_EQ(adm->errorFilters()->messagesObj(), nullptr);
    EXPECT_EQ(adm->distributors()->messagesObj(), nullptr);
    {
        QObject shortLived;
        adm->setMessagesObj(&shortLived);
    }
    EXPECT_EQ(adm->messagesObj(), nullptr); // held weakly
}

TEST(Distributor, ParametersAreOneSetAndProgramsChooseTheirDialog)
{
    auto adm = classCreate_KalvexAdministrator();
    auto d = adm->distributors()->add(distributor("D"));
    auto parms = d->parameters();
    ASSERT_TRUE(parms);
    EXPECT_EQ(d->parameters(), parms);
    EXPECT_EQ(parms->parent(), std::dynamic_pointer_cast<IKalvexObject>(d));
    EXPECT_EQ(parms->envirVars(), adm->envirVars());

    // No chooser registered: the program is only stored.
    d->setDistribExe("${KVX_DISTRSYS_PATH}\\copy.exe");
    EXPECT_EQ(d->distribExe(false), "${KVX_DISTRSYS_PATH}\\copy.exe");
    adm->envirVars()->add("KVX_DISTRSYS_PATH", "C:\\dist");
    EXPECT_EQ(d->distribExe(true), "C:\\dist\\copy.exe");

    ChooserInPlace in;
    d->setDistribExe("${KVX_DISTRSYS_PATH}\\copy.exe"); // same program: nothing chosen
    EXPECT_TRUE(in.chooser.asked.isEmpty());
    d->setDistribExe("(INTERNAL)Kalvex distributor");
    EXPECT_EQ(in.chooser.asked, QStringList{"(INTERNAL)Kalvex distributor"});
    EXPECT_EQ(parms->editor()->formObj(), &in.chooser.distributorForm);
    EXPECT_EQ(in.chooser.distributorForm.parmsColl(), parms);

    // A clone copies values, parameters and site settings and chooses anew.
    parms->add("compress", "zip", 1);
    auto copy = distributor("D2");
    copy->clone(d);
    EXPECT_EQ(copy->id(), "D2");
    EXPECT_EQ(copy->distribExe(false), "(INTERNAL)Kalvex distributor");
    ASSERT_EQ(copy->parameters()->count(), 1);
    EXPECT_EQ(copy->parameters()->item("compress")->value(false), "zip");
    EXPECT_NE(copy->parameters(), parms);
    EXPECT_EQ(in.chooser.asked.size(), 2);
    EXPECT_EQ(copy->parameters()->editor()->formObj(), &in.chooser.distributorForm);
}

TEST(Administrator, ManyProcessesEachGetTheirSitesOnce)
{
    auto adm = classCreate_KalvexAdministrator();
    for (const char* id : {"A", "B", "C"})
        adm->productionSites()->add(site(id));
    auto procs = adm->processes();
    for (int i = 1; i <= 1000; ++i)
        procs->add(process(QString(), QString::number(1001 - i)));
    ASSERT_EQ(procs->count(), 1000);
    EXPECT_EQ(procs->item(1)->orderKey()->encoded(), "1");
    EXPECT_EQ(procs->item(1)->id(), "proc_1000");
    for (int i = 1; i <= procs->count(); i += 111)
        EXPECT_EQ(procs->item(i)->generatorAssignments()->count(), 3);
    EXPECT_EQ(procs->item("PROC_0001")->generatorAssignments()->item("c")->productionSite(),
              adm->productionSites()->item("C"));
}

TEST(Administrator, PartsOfAGoneDatabaseReadNoParent)
{
    auto adm = classCreate_KalvexAdministrator();
    auto sites = adm->productionSites();
    auto s = sites->add(site("A"));
    adm.reset();
    EXPECT_FALSE(sites->parent());
    EXPECT_EQ(s->parent(), std::dynamic_pointer_cast<IKalvexObject>(sites));
    s->setName("still works"); // no owner to tell, no crash
    sites.reset();
    EXPECT_FALSE(s->parent());
}
