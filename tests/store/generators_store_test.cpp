#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <csignal>
#include <cerrno>
#include <cstring>
#include <sys/resource.h>

#include "admin/KalvexAdministrator.h"
#include "generators/KalvexGenerator.h"
#include "generators/KalvexGenerators.h"
#include "store_test_support.h"
#include "support/qt_printers.h"

using namespace kalvex;
using namespace kalvex::test;

namespace {

IKalvexGeneratorsPtr sampleGenerators()
{
    auto gens = classCreate_KalvexGenerators();
    auto g = gens->add("GERBER", "Gerber photoplots");
    g->setCmdGen("(INTERNAL)Kalvex Gerber Generator");
    g->setDescription("RS-274X with \"embedded\" apertures\r\nsecond line ^Q^ literal");
    g->setFileExt("gbr");
    g->setGroupId("PHOTO");
    g->setReservedItem(SYSTEM);
    g->setIntCounter(12);
    g->parameters()->add("output_units", "inch", PARM_TYPE_SYSTEM);
    g->parameters()->add("note", "", PARM_TYPE_USER);
    g->parameters()->add("path with blanks", "${KVX_JOB_PCB_PATH}\\out dir\\", PARM_TYPE_USER);
    auto ext = gens->add("EXT1", QString::fromUtf8("Ext\xC3\xA9rieur"));
    ext->setCmdGen("${KVX_GENSYS_PATH}\\bin\\ext1.exe");
    ext->setCmdView("notepad.exe");
    ext->setCmdPlot("#plot");
    ext->setActiveXModule("Ext.Module");
    // Parameters kept one byte a character and two, with what needs escaping
    // or quoting when written.
    auto odd = ext->parameters();
    odd->add(QString::fromUtf8("gr\xC3\xB6\xC3\x9F" "e"), QString::fromUtf8("\xC3\xA9t\xC3\xA9"), PARM_TYPE_USER);
    odd->add(QString::fromUtf8("\xE9\x95\xB7"), QString::fromUtf8("\xE2\x82\xAC 5 # ^x^"), PARM_TYPE_USER);
    odd->add("quoted", "say \"hi\"\r\nnext ^Q^", PARM_TYPE_SYSTEM);
    odd->add("blanks", "  around  ", PARM_TYPE_USER);
    gens->add("EMPTY");
    return gens;
}

struct SenderRecorder : IBrenloEventRaiser {
    QStringList seen;
    void queueEvent(const QString& type, const QString& sender, const BrenloEventParams&) override
    {
        seen << type + ":" + sender;
    }
};

} // namespace

TEST(GeneratorsStore, SaveAndLoadKeepEveryMemberAndParameter)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("gens.mra");
    auto gens = sampleGenerators();
    ASSERT_EQ(saveTo(gens, path).status, STORAGE_OK);
    EXPECT_EQ(gens->modified(), 0); // saved: marked unmodified
    const QByteArray first = readAllOf(path);

    auto back = classCreate_KalvexGenerators();
    back->add("STALE");
    const auto run = loadFrom(back, path, SOURCE_ID_GENERATORS);
    ASSERT_EQ(run.status, STORAGE_OK) << run.conn->lastError().toStdString();
    EXPECT_FALSE(back->exists("STALE")); // emptied first
    expectSameGenerators(gens, back);

    // The second save writes the same bytes.
    ASSERT_EQ(saveTo(back, path).status, STORAGE_OK);
    EXPECT_EQ(readAllOf(path), first);
}

TEST(GeneratorsStore, AFaultyEntryStopsTheLoadLeavesTheCollectionAsItWasAndLogsItsLine)
{
    QTemporaryDir dir;
    const QString log = dir.filePath("load.log");
    const QByteArray head = "GENERATORS 1\r\nSection \"Generators\"\r\n"
                            ".Generator \"A\"\r\n..name \"first\"\r\n..parm \"p\" \"v\" 1\r\n";
    struct Case {
        QByteArray tail;
        int line;
        const char* what;
    } cases[] = {
        {".Generator \"B\"\r\n..colour \"red\"\r\n", 7, "unknown keyword \"colour\" in a generator"},
        {".Generator \"B\"\r\n..reservedItem \"three\"\r\n", 7, "not a whole number"},
        {".Generator \"a\"\r\n", 6, "appears twice"},
        {".Generator \"B\"\r\n..parm \"p\" \"v\"\r\n", 7, "takes 3 value(s)"},
        {".Generator \"B\"\r\n...name \"x\"\r\n", 7, "level 3"},
        {"Section \"Colours\"\r\n.x 1\r\nSection \"Generators\"\r\n.Widget \"B\"\r\n", 9, "unknown keyword \"Widget\""},
        {".Generator \"B\"\r\n..name \"unbalanced\r\n", 7, "unbalanced quote"},
    };
    for (const auto& c : cases) {
        QFile::remove(log);
        const QString path = dir.filePath("bad.mra");
        {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(head + c.tail);
        }
        auto gens = sampleGenerators();
        const auto old = gens->item(1);
        auto reference = sampleGenerators();
        const auto run = loadFrom(gens, path, SOURCE_ID_GENERATORS, log);
        EXPECT_EQ(run.status, STORAGE_CONTENT_ERROR) << c.what;
        EXPECT_EQ(run.conn->lastErrorLine(), c.line) << c.what;
        EXPECT_TRUE(run.conn->lastError().contains(c.what)) << run.conn->lastError().toStdString();
        const QString entry = QString::fromUtf8(readAllOf(log));
        EXPECT_EQ(entry.count("*** Error - KalvexStorageCtrl_loadFromStorage"), 1);
        EXPECT_TRUE(entry.contains(QStringLiteral("line %1: ").arg(c.line))) << entry.toStdString();
        // Nothing of the file arrived; the collection holds its own objects.
        expectSameGenerators(gens, reference);
        EXPECT_EQ(gens->item(1), old);
        EXPECT_FALSE(gens->exists("A"));
    }
}

TEST(GeneratorsStore, FilesOfAnotherKindOrWithoutHeadAreRefused)
{
    auto gens = classCreate_KalvexGenerators();
    auto run = loadBytes(gens, "JOB_PREFERENCES 1\r\n", SOURCE_ID_GENERATORS);
    EXPECT_EQ(run.status, STORAGE_CONTENT_ERROR);
    EXPECT_TRUE(run.conn->lastError().contains("does not begin with the head line"));
    run = loadBytes(gens, "", SOURCE_ID_GENERATORS);
    EXPECT_EQ(run.status, STORAGE_CONTENT_ERROR);
    run = loadBytes(gens, "GENERATORS 9\r\n", SOURCE_ID_GENERATORS);
    EXPECT_TRUE(run.conn->lastError().contains("version 9"));
    run = loadBytes(gens, "GENERATORS 1\r\n", SOURCE_ID_JOB_PREFERENCES);
    EXPECT_EQ(run.status, STORAGE_FAILED);
    // The generators of a database file are read, its other sections skipped.
    run = loadBytes(gens,
                    "ADMIN_DB 1\r\nSection \"File Types\"\r\n.FileType \"X\"\r\n..name \"x\"\r\n"
                    "Section \"Generators\"\r\n.Generator \"G\"\r\n",
                    SOURCE_ID_ADMIN_DB);
    EXPECT_EQ(run.status, STORAGE_OK) << run.conn->lastError().toStdString();
    EXPECT_TRUE(gens->exists("G"));
}

TEST(GeneratorsStore, ASaveThatCannotBeWrittenWholeReportsWhyAndLeavesTheOldFile)
{
    QTemporaryDir top;
    const QString dirPath = top.filePath("small");
    ASSERT_TRUE(QDir().mkpath(dirPath));
    SmallFileSystem fs(dirPath);
    const QString path = dirPath + "/gens.mra";
    auto small = sampleGenerators();
    ASSERT_EQ(saveTo(small, path).status, STORAGE_OK);
    const QByteArray good = readAllOf(path);

    auto big = classCreate_KalvexGenerators();
    for (int i = 0; i < 200; ++i) {
        auto g = big->add(QStringLiteral("G%1").arg(i), QString(200, QLatin1Char('n')));
        for (int p = 0; p < 20; ++p)
            g->parameters()->add(QStringLiteral("p%1").arg(p), QString(100, QLatin1Char('v')), 0);
    }
    // Without a small file system, the file-size limit stops any file from
    // growing past 64 KiB part-way through the save, as a full disk would.
    struct rlimit old {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit capped = old;
    capped.rlim_cur = 64 * 1024;
    if (!fs.mounted()) {
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &capped), 0);
    }
    const auto run = saveTo(big, path);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(run.status, STORAGE_FILE_ERROR);
    const QString why = QString::fromLocal8Bit(std::strerror(fs.mounted() ? ENOSPC : EFBIG));
    EXPECT_TRUE(run.conn->lastError().contains("cannot write")) << run.conn->lastError().toStdString();
    EXPECT_TRUE(run.conn->lastError().contains(why)) << run.conn->lastError().toStdString();
    EXPECT_EQ(readAllOf(path), good);
    EXPECT_EQ(QDir(dirPath).entryList(QDir::Files), QStringList{"gens.mra"});
    EXPECT_GT(big->modified(), 0); // not marked saved
}

TEST(GeneratorsStore, ALoadIntoADatabaseIsOneReloadThatStampsNothing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("gens.mra");
    ASSERT_EQ(saveTo(sampleGenerators(), path).status, STORAGE_OK);

    auto adm = classCreate_KalvexAdministrator();
    adm->generators()->add("STALE");
    adm->statusInfo()->setModified(0);
    adm->setModified(0);
    const QString stamped = adm->statusInfo()->modificationDate(OBJ_GENERATOR);
    auto recorder = std::make_shared<SenderRecorder>();
    adm->setEventRaiser(recorder);

    const auto run = loadFrom(adm->generators(), path, SOURCE_ID_GENERATORS);
    ASSERT_EQ(run.status, STORAGE_OK) << run.conn->lastError().toStdString();
    EXPECT_EQ(recorder->seen, QStringList{"EV_RELOAD:KalvexGenerators"});
    EXPECT_EQ(adm->statusInfo()->modificationDate(OBJ_GENERATOR), stamped);
    const auto gens = adm->generators();
    ASSERT_EQ(gens->count(), 3);
    EXPECT_FALSE(gens->exists("STALE"));
    EXPECT_EQ(gens->modified(), 0);
    for (int i = 1; i <= gens->count(); ++i) {
        EXPECT_EQ(gens->item(i)->parent(), std::dynamic_pointer_cast<IKalvexObject>(gens));
        EXPECT_EQ(gens->item(i)->modified(), 0);
    }
    EXPECT_EQ(gens->item("gerber")->parameters()->count(), 3);
    // A generator without parameters was given no set for none.
    auto* empty = dynamic_cast<KalvexGenerator*>(gens->item("EMPTY").get());
    ASSERT_TRUE(empty);
    EXPECT_FALSE(empty->parametersIfMade());

    // Later changes reach the hosts and stamp the generators again.
    recorder->seen.clear();
    gens->item("EXT1")->setName("Renamed");
    EXPECT_EQ(recorder->seen, QStringList{"EV_CHANGE:KalvexGenerator"});
    EXPECT_EQ(gens->modified(), 1);
}
