// References between entries: applied as their entry ends when what they
// name was read before, after the whole file otherwise; written another way
// than the entry's id (letter case, blanks, escapes) they still find it, and
// the first fault in the file is the one reported, whichever way it was met.
#include <gtest/gtest.h>

#include "admin/KalvexAdministrator.h"
#include "interfaces/IKalvexProcess.h"
#include "store_test_support.h"
#include "support/qt_printers.h"

using namespace kalvex;
using namespace kalvex::test;

namespace {

const QByteArray kHead = "ADMIN_DB 2\r\n"
                         "Section \"File Types\"\r\n.FileType \"FT A\"\r\n"
                         "Section \"Production sites\"\r\n.ProductionSite \"S1\"\r\n.ProductionSite \"S^Q^2\"\r\n"
                         "Section \"Generators\"\r\n.Generator \"G1\"\r\n"
                         "Section \"Processes\"\r\n.Process \"P1\"\r\n";

} // namespace

TEST(References, NamesWrittenAnotherWayAndForwardNamesFindTheirEntriesInFileOrder)
{
    const QByteArray file = kHead +
                            ".Process \"P2\"\r\n"
                            "..processParent \"P4\"\r\n"  // forward: applied once the file was read
                            "..processParent \"P1\"\r\n"  // a later line wins, even behind a forward one
                            "..fileType \" ft a \"\r\n"
                            "..genAssignment \"s1\" \" g1 \" True \"x ^Q^y^Q^\"\r\n"
                            "..genAssignment \"S^Q^2\" \"\" False \"\"\r\n"
                            ".Process \"P4\"\r\n"
                            "..processPrereq \"P2\"\r\n"
                            "End\r\n";
    auto adm = classCreate_KalvexAdministrator();
    const auto run = loadBytes(adm, file, SOURCE_ID_ADMIN_DB);
    ASSERT_EQ(run.status, STORAGE_OK) << run.conn->lastError().toStdString();
    const auto p2 = adm->processes()->item("P2");
    ASSERT_TRUE(p2);
    ASSERT_TRUE(p2->processParent());
    EXPECT_EQ(p2->processParent()->id(), "P1");
    ASSERT_TRUE(p2->fileType());
    EXPECT_EQ(p2->fileType()->id(), "FT A");
    const auto as = p2->generatorAssignments();
    ASSERT_EQ(as->count(), 2);
    const auto first = as->item(1, SORT_COLLECTION);
    EXPECT_EQ(first->productionSite()->id(), "S1");
    ASSERT_TRUE(first->generator());
    EXPECT_EQ(first->generator()->id(), "G1");
    EXPECT_EQ(first->additionalGenParms(), "x \"y\"");
    const auto second = as->item(2, SORT_COLLECTION);
    EXPECT_EQ(second->productionSite()->id(), "S\"2");
    EXPECT_FALSE(second->generator());
    ASSERT_TRUE(adm->processes()->item("P4")->processPrereq());
    EXPECT_EQ(adm->processes()->item("P4")->processPrereq()->id(), "P2");
}

TEST(References, TheFirstFaultInTheFileIsReportedWhetherItWaitedForTheEndOrNot)
{
    // A name not found waits for the end; a site assigned twice fails as its
    // entry ends. Either may come first in the file.
    const QByteArray missing = ".Process \"P2\"\r\n..processParent \"NOPE\"\r\n";
    const QByteArray twice = ".Process \"P3\"\r\n..genAssignment \"S1\" \"\" True \"\"\r\n"
                             "..genAssignment \"S1\" \"\" True \"\"\r\n";
    struct Case {
        QByteArray body;
        int line;
        const char* what;
    } cases[] = {
        {missing + twice, 12, "process \"NOPE\" does not exist"},
        {twice + missing, 13, "is assigned twice"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto adm = classCreate_KalvexAdministrator();
        const auto run = loadBytes(adm, kHead + c.body + "End\r\n", SOURCE_ID_ADMIN_DB);
        EXPECT_EQ(run.status, STORAGE_CONTENT_ERROR);
        EXPECT_EQ(run.conn->lastErrorLine(), c.line);
        EXPECT_TRUE(run.conn->lastError().contains(c.what)) << run.conn->lastError().toStdString();
        EXPECT_EQ(adm->processes()->count(), 0);
    }
}
