#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "admin/KalvexAdministrator.h"
#include "interfaces/IKalvexProcess.h"
#include "model_compare.h"
#include "random_database.h"
#include "support/qt_printers.h"

using namespace kalvex;
using namespace kalvex::test;

namespace {


struct CountingRecorder : IBrenloEventRaiser {
    int events = 0;
    QStringList seen;
    void queueEvent(const QString& type, const QString& sender, const BrenloEventParams& p) override
    {
        ++events;
        if (seen.size() < 5)
            seen << type + ":" + sender + ":" + p.propertyName;
    }
};

void writeBytes(const QString& path, const QByteArray& data)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(data);
}

// Every reference in the tree points at an entry of the same database.
void expectConsistent(const IKalvexAdministratorPtr& adm)
{
    const auto procs = adm->processes();
    for (int i = 1; i <= procs->count(); ++i) {
        const auto p = procs->item(i, SORT_COLLECTION);
        if (auto parent = p->processParent()) {
            EXPECT_EQ(parent, procs->item(parent->id()));
        }
        if (auto ft = p->fileType()) {
            EXPECT_EQ(ft, adm->fileTypes()->item(ft->id()));
        }
        const auto as = p->generatorAssignments();
        for (int k = 1; k <= as->count(); ++k) {
            const auto a = as->item(k, SORT_COLLECTION);
            ASSERT_TRUE(a->productionSite());
            EXPECT_EQ(a->productionSite(), adm->productionSites()->item(a->productionSite()->id()));
            if (auto g = a->generator()) {
                EXPECT_EQ(g, adm->generators()->item(g->id()));
            }
        }
    }
}

} // namespace

TEST(AdminStore, TheDemoDatabaseHoldsWhatItPromises)
{
    auto adm = loadDemoDatabase();
    const auto sites = adm->productionSites();
    EXPECT_GE(sites->count(), 4);
    EXPECT_TRUE(sites->exists(VARIANT_PSITE_ID));
    EXPECT_GE(adm->generators()->count(), 14);
    EXPECT_GE(adm->distributors()->count(), 2);
    EXPECT_GE(adm->processes()->count(), 20);
    QSet<int> types, reserved;
    for (int i = 1; i <= adm->processes()->count(); ++i) {
        const auto p = adm->processes()->item(i, SORT_COLLECTION);
        types.insert(p->processType());
        reserved.insert(p->reservedItem());
    }
    for (int t : {1, 2, 3, 10, 11, 12, 13, 14, -1})
        EXPECT_TRUE(types.contains(t)) << t;
    for (int r : {0, 1, 2, 3, 4})
        EXPECT_TRUE(reserved.contains(r)) << r;
    // A forward prerequisite and nested order keys.
    const auto plane = adm->processes()->item("P_PLANE");
    ASSERT_TRUE(plane && plane->processPrereq());
    EXPECT_EQ(plane->processPrereq()->id(), "P_PLN");
    EXPECT_EQ(plane->orderKey()->indentLevel(), 3);
    EXPECT_EQ(plane->processParent()->processParent()->id(), "P_FAB");
    // Values as stored: dates, Booleans, parameters with references and quotes.
    EXPECT_EQ(adm->statusInfo()->modificationDate(OBJ_GENERATOR), "6 Dec 2026 16:25:00");
    EXPECT_EQ(adm->objInitDate(), "1 Dec 2026 9:00:00");
    EXPECT_TRUE(sites->item("SITE_FAB")->emailNotify());
    EXPECT_EQ(sites->item("SITE_FAB")->address(3), "20457 Hamburg");
    EXPECT_EQ(adm->generators()->item("EXT_PDF")->parameters()->item("watermark")->value(false),
              "Released \"${KVX_JOB_NAME}\"");
    // A quiet load: nothing counted as changed.
    EXPECT_EQ(adm->modified(), 0);
    EXPECT_EQ(adm->processes()->modified(), 0);
    EXPECT_EQ(adm->generators()->item("GERBER")->modified(), 0);
    expectConsistent(adm);
}

TEST(AdminStore, LoadSaveLoadGivesTheSameTreeForTheDemoAndForMadeUpDatabases)
{
    QTemporaryDir dir;
    std::vector<IKalvexAdministratorPtr> sources = {loadDemoDatabase()};
    for (quint32 seed : {1u, 2u, 3u, 4u, 5u})
        sources.push_back(RandomDatabase(seed).make(6));
    for (size_t n = 0; n < sources.size(); ++n) {
        SCOPED_TRACE(n);
        const QString path = dir.filePath(QStringLiteral("db%1.mra").arg(n));
        ASSERT_EQ(saveTo(sources[n], path).status, STORAGE_OK);
        const QByteArray first = readAllOf(path);
        auto back = classCreate_KalvexAdministrator();
        const auto run = loadFrom(back, path, SOURCE_ID_ADMIN_DB);
        ASSERT_EQ(run.status, STORAGE_OK) << run.conn->lastError().toStdString() << " line "
                                          << run.conn->lastErrorLine();
        expectSameAdmin(sources[n], back);
        expectConsistent(back);
        ASSERT_EQ(saveTo(back, path).status, STORAGE_OK);
        EXPECT_EQ(readAllOf(path), first);
    }
}

TEST(AdminStore, ALoadRaisesOneReloadEventAndKeepsTheFilesModificationDates)
{
    auto adm = classCreate_KalvexAdministrator();
    auto recorder = std::make_shared<CountingRecorder>();
    adm->setEventRaiser(recorder);
    ASSERT_EQ(loadFrom(adm, demoDatabasePath(), SOURCE_ID_ADMIN_DB).status, STORAGE_OK);
    EXPECT_EQ(recorder->seen, QStringList{"EV_RELOAD:KalvexAdministrator:"});
    EXPECT_EQ(adm->statusInfo()->modificationDate(OBJ_GENERATOR), "6 Dec 2026 16:25:00");
    EXPECT_EQ(adm->statusInfo()->modificationDate(OBJ_PROCESS), "7 Dec 2026 10:00:00");
    // The raisers still reach the loaded entries afterwards.
    adm->generators()->item("GERBER")->setName("Gerber plots");
    EXPECT_GE(recorder->events, 2);
}

TEST(AdminStore, AFaultEndsTheLoadWithItsLineAndLeavesTheDatabaseAsItWas)
{
    QTemporaryDir dir;
    const QString log = dir.filePath("load.log");
    const QByteArray head = "ADMIN_DB 2\r\nSection \"Production sites\"\r\n.ProductionSite \"S1\"\r\n"
                            "Section \"Generators\"\r\n.Generator \"G1\"\r\n"
                            "Section \"Processes\"\r\n.Process \"P1\"\r\n..genAssignment \"S1\" \"G1\" True \"\"\r\n";
    struct Case {
        QByteArray data;
        int line;
        const char* what;
    } cases[] = {
        {head + ".Process \"P2\"\r\n..fileType \"NOPE\"\r\nEnd\r\n", 10, "file type \"NOPE\" does not exist"},
        {head + ".Process \"P2\"\r\n..genAssignment \"S1\" \"G9\" True \"\"\r\nEnd\r\n", 10,
         "generator \"G9\" does not exist"},
        {head + ".Process \"P2\"\r\n..genAssignment \"S1\" \"\" True \"\"\r\n..genAssignment \"s1\" \"\" False \"\"\r\nEnd\r\n",
         11, "assigned twice"},
        {head + ".Process \"P2\"\r\n..processParent \"P2\"\r\nEnd\r\n", 10, "refers to itself"},
        {head + ".Process \"P2\"\r\n..processParent \"P3\"\r\n.Process \"P3\"\r\n..processParent \"P2\"\r\nEnd\r\n", 0,
         "cycle"},
        {head + ".Process \"P2\"\r\n..orderKey \"1.x\"\r\n", 10, "not an order key"},
        {head + ".Process \"P2\"\r\n..shareData \"perhaps\"\r\n", 10, "not True or False"},
        {head + "Section \"Processes\"\r\n", 9, "appears twice"},
        {head + ".Process \"p1\"\r\n", 9, "process \"p1\" appears twice"},
        {head + "Section \"Macros\"\r\n", 9, "unknown section"},
        {head + ".Process \"P2\"\r\n..layerFrom 99999999999\r\n", 10, "not a whole number"},
        {head, 8, "cut short"},
        {head + "End\r\nSection \"Macros\"\r\n", 10, "follows the end line"},
        {head + "End 3\r\n", 9, "takes 0 value(s)"},
        {QByteArray(head).replace("\r\n", "\r"), 0, "carriage return alone"},
        {QByteArray(head).replace("\r\n", "\r\r\n"), 1, "CR CR LF"},
    };
    // The database the loads would replace: the demo, with an edit not saved.
    auto before = classCreate_KalvexAdministrator();
    ASSERT_EQ(loadFrom(before, demoDatabasePath(), SOURCE_ID_ADMIN_DB).status, STORAGE_OK);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = dir.filePath("bad.mra");
        writeBytes(path, c.data);
        QFile::remove(log);
        auto adm = classCreate_KalvexAdministrator();
        ASSERT_EQ(loadFrom(adm, demoDatabasePath(), SOURCE_ID_ADMIN_DB).status, STORAGE_OK);
        const auto kept = adm->processes()->item(1, SORT_COLLECTION);
        kept->setDescription(QStringLiteral("edited, not saved"));
        before->processes()->item(1, SORT_COLLECTION)->setDescription(QStringLiteral("edited, not saved"));
        // Each edit stamped the clock's second into its database; the two
        // seconds may differ.
        const auto stamps = before->statusInfo();
        stamps->setModified(MODIFIED_SUSPEND);
        before->setModified(MODIFIED_SUSPEND);
        for (int code : adm->statusInfo()->modificationDateTypes())
            stamps->setModificationDate(code, adm->statusInfo()->modificationDate(code));
        before->setModified(MODIFIED_RESUME);
        stamps->setModified(MODIFIED_RESUME);
        const auto run = loadFrom(adm, path, SOURCE_ID_ADMIN_DB, log);
        EXPECT_EQ(run.status, STORAGE_CONTENT_ERROR);
        if (c.line) {
            EXPECT_EQ(run.conn->lastErrorLine(), c.line);
        }
        EXPECT_TRUE(run.conn->lastError().contains(c.what)) << run.conn->lastError().toStdString();
        EXPECT_EQ(QString::fromUtf8(readAllOf(log)).count("*** Error"), 1);
        // Member for member the database it was, the same objects included.
        expectSameAdmin(adm, before);
        EXPECT_EQ(adm->processes()->item(1, SORT_COLLECTION), kept);
        EXPECT_GT(kept->modified(), 0);
        expectConsistent(adm);
    }
}

TEST(AdminStore, EveryCutOfTheDemoFailsAndLeavesTheDatabaseAsItWas)
{
    QTemporaryDir dir;
    const QByteArray demo = readAllOf(demoDatabasePath());
    const QString path = dir.filePath("cut.mra");
    auto adm = classCreate_KalvexAdministrator();
    ASSERT_EQ(loadFrom(adm, demoDatabasePath(), SOURCE_ID_ADMIN_DB).status, STORAGE_OK);
    auto reference = classCreate_KalvexAdministrator();
    ASSERT_EQ(loadFrom(reference, demoDatabasePath(), SOURCE_ID_ADMIN_DB).status, STORAGE_OK);
    // At every line boundary before the end line, and inside lines.
    std::vector<qsizetype> cuts;
    for (qsizetype at = demo.indexOf('\n'); at >= 0 && at + 1 < demo.size(); at = demo.indexOf('\n', at + 1))
        cuts.push_back(at + 1);
    for (qsizetype at = 0; at < demo.size(); at += 97)
        cuts.push_back(at);
    for (const qsizetype cut : cuts) {
        writeBytes(path, demo.left(cut));
        const auto run = loadFrom(adm, path, SOURCE_ID_ADMIN_DB);
        ASSERT_NE(run.status, STORAGE_OK) << "cut at byte " << cut;
        expectSameAdmin(adm, reference);
    }
    writeBytes(path, demo);
    EXPECT_EQ(loadFrom(adm, path, SOURCE_ID_ADMIN_DB).status, STORAGE_OK);
}

TEST(AdminStore, ADefaultsFileFillsGapsAndLeavesWhatTheDatabaseHas)
{
    auto adm = loadDemoDatabase();
    adm->generators()->item("GERBER")->setName("Our own Gerber");
    adm->generators()->remove("EXT_PNP");
    adm->setResetTriggerFile("RESETTRIGGER_IGNORE");
    EXPECT_EQ(adm->setInternalValue(SET_DEFAULTS_OBJECT_FLAG, true), 1);
    const auto run = loadFrom(adm, demoDatabasePath(), SOURCE_ID_ADMIN_DB, {}, false);
    ASSERT_EQ(run.status, STORAGE_OK) << run.conn->lastError().toStdString();
    EXPECT_EQ(adm->generators()->item("GERBER")->name(), "Our own Gerber");
    EXPECT_TRUE(adm->generators()->exists("EXT_PNP"));
    EXPECT_EQ(adm->resetTriggerFile(), "RESETTRIGGER_IGNORE");

    // Emptying the database first does not forget that it loads defaults.
    ASSERT_EQ(loadFrom(adm, demoDatabasePath(), SOURCE_ID_ADMIN_DB).status, STORAGE_OK);
    EXPECT_TRUE(adm->defaultsObjectFlag());
    EXPECT_EQ(adm->objInitDate(), "");
    EXPECT_EQ(adm->statusInfo()->modificationDate(OBJ_GENERATOR), "");
    EXPECT_EQ(adm->generators()->item("GERBER")->name(), "Gerber photoplots");

    // Without the flag the file's values win.
    adm->setInternalValue(SET_DEFAULTS_OBJECT_FLAG, false);
    ASSERT_EQ(loadFrom(adm, demoDatabasePath(), SOURCE_ID_ADMIN_DB, {}, false).status, STORAGE_OK);
    EXPECT_EQ(adm->generators()->item("GERBER")->name(), "Gerber photoplots");
    EXPECT_NE(adm->resetTriggerFile(), "RESETTRIGGER_IGNORE");
    expectConsistent(adm);
}

TEST(AdminStore, ADumpAtLevelZeroLoadsAtLevelOneAndOneSectionCanBeRead)
{
    QTemporaryDir dir;
    auto adm = loadDemoDatabase();
    const QString path = dir.filePath("dump.mra");
    ASSERT_EQ(saveTo(adm, path, 0).status, STORAGE_OK);
    EXPECT_TRUE(readAllOf(path).contains("\r\nSection \"Generators\"\r\n.Generator \"GERBER\"\r\n..name "));

    // Written at level 2: titles at 2, entries at 3, read with level 3.
    const QString deep = dir.filePath("deep.mra");
    ASSERT_EQ(saveTo(adm, deep, 2).status, STORAGE_OK);
    auto back = classCreate_KalvexAdministrator();
    ASSERT_EQ(loadFrom(back, deep, SOURCE_ID_ADMIN_DB, {}, true, 3).status, STORAGE_OK);
    expectSameAdmin(adm, back);

    auto only = classCreate_KalvexAdministrator();
    auto conn = classCreate_KalvexRUVConnection();
    conn->setFileIO(path);
    conn->setKwLevel(1);
    auto ctrl = classCreate_KalvexStorageCtrl();
    ctrl->setStorageObject(conn);
    ASSERT_EQ(ctrl->loadFromStorage(only, true, QStringLiteral("Generators")), STORAGE_OK);
    EXPECT_EQ(only->generators()->count(), adm->generators()->count());
    EXPECT_EQ(only->processes()->count(), 0);
}
