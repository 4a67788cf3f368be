#include <gtest/gtest.h>

#include <QLocale>
#include <QTest>

#include "admin/KalvexAdministrator.h"
#include "admin/KalvexDistributor.h"
#include "admin/KalvexErrorFilter.h"
#include "admin/KalvexFileType.h"
#include "admin/KalvexFileTypes.h"
#include "admin/KalvexProdClass.h"
#include "admin/KalvexProdSite.h"
#include "admin/KalvexPsiteAssignment.h"
#include "browser/tlistViews_admin.h"
#include "browser/tlistViews_rows.h"
#include "browser/tree_views_fixture.h"
#include "generators/KalvexGenAssignment.h"
#include "generators/KalvexGenerator.h"
#include "generators/KalvexProcess.h"
#include "interfaces/IKalvexGenerators.h"
#include "store/store_test_support.h"
#include "support/qt_printers.h"

using namespace kalvex;
using namespace kalvex::test;

namespace {


IKalvexProcessPtr addProcess(const IKalvexAdministratorPtr& adm, const QString& id, const QString& key)
{
    auto p = classCreate_KalvexProcess();
    p->setId(id);
    p->setName(id);
    p->orderKey()->setEncoded(key);
    adm->processes()->add(p);
    return p;
}

// Zero change counts everywhere below adm (its collections pass theirs up).
void markUnchanged(const IKalvexAdministratorPtr& adm)
{
    const auto procs = adm->processes();
    for (int i = 1; i <= procs->count(); ++i)
        procs->item(i)->setModified(0);
    procs->setModified(0);
    adm->setModified(0);
}

// The process rows of the "processes" node, as "caption<parent caption".
QStringList processShape(const TList& t)
{
    QStringList out;
    const int procs = childRowStarting(t, -1, "processes - ");
    for (int r : allRows(t)) {
        if (!t.RowIsBelow(r, procs) || !isBold(t, r) || t.rowItem(r)->text(0).startsWith("processGen"))
            continue;
        if (t.rowItem(r)->text(0).startsWith("Production site"))
            continue;
        out << t.rowItem(r)->text(0) + "<" + t.rowItem(parentRow(t, r))->text(0).section(" - ", 0, 0);
    }
    return out;
}

} // namespace

TEST(TreeViewRows, TextsOfReservationsReferencesValuesAndCounts)
{
    EXPECT_EQ(getReservedStr(0), "(0) None");
    EXPECT_EQ(getReservedStr(1), "(1) No delete");
    EXPECT_EQ(getReservedStr(2), "(2) Internal");
    EXPECT_EQ(getReservedStr(3), "(3) System");
    EXPECT_EQ(getReservedStr(4), "(4) System-Invis");
    EXPECT_EQ(getReservedStr(9), "(9) <?\?\?>");
    EXPECT_EQ(getReservedStr(-1), "(-1) <?\?\?>");
    EXPECT_EQ(getReservedColor(0), 0u);
    EXPECT_EQ(getReservedColor(1), 0x00FF00u);
    EXPECT_EQ(getReservedColor(2), 0x0000FFu);
    EXPECT_EQ(getReservedColor(3), 0xFF0000u);
    EXPECT_EQ(getReservedColor(4), 0xFF0000u);
    EXPECT_EQ(getReservedColor(9), 0u);

    EXPECT_EQ(getNameIdString(nullptr), "No reference set ! ");
    auto ft = classCreate_KalvexFileType();
    ft->setId("GERBER");
    ft->setName("Gerber data");
    EXPECT_EQ(getNameIdString(ft), "Gerber data (GERBER)");

    EXPECT_EQ(tlist_valueText(true), "Yes");
    EXPECT_EQ(tlist_valueText(false), "No");
    EXPECT_EQ(tlist_valueText(QString(" kept as is ")), " kept as is ");
    EXPECT_EQ(tlist_valueText(-12345), "-12345");
    EXPECT_EQ(tlist_valueText(2.5), "2.5");
    // The locale's decimal separator, no grouping.
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(tlist_valueText(1234.5), "1234,5");
    EXPECT_EQ(tlist_valueText(123456), "123456");
    QLocale::setDefault(before);

    auto types = classCreate_KalvexFileTypes();
    int count = -1, mods = -1;
    EXPECT_EQ(getCollCounts(types, "fileTypes", count, mods, false), "fileTypes - Cnt:0 - Mods:0 - Mod on Coll:0");
    for (const char* id : {"A", "B", "C"}) {
        auto t = classCreate_KalvexFileType();
        t->setId(id);
        t->setModified(0);
        types->addQuietly(t);
    }
    EXPECT_EQ(getCollCounts(types, "fileTypes", count, mods, false), "fileTypes - Cnt:3 - Mods:0 - Mod on Coll:0");
    types->item(2)->setModified(5);
    // Counted once on the item and passed up to the collection.
    EXPECT_EQ(getCollCounts(types, "fileTypes", count, mods, false), "fileTypes - Cnt:3 - Mods:5 - Mod on Coll:5");
    EXPECT_EQ(getCollCounts(types, "fileTypes", count, mods, true), "fileTypes - Cnt:1 - Mods:5 - Mod on Coll:5");
    EXPECT_EQ(count, 1);
    EXPECT_EQ(mods, 5);
    // Sums go past 16 bits.
    for (int i = 1; i <= 3; ++i)
        types->item(i)->setModified(30000);
    getCollCounts(types, "fileTypes", count, mods, false);
    EXPECT_EQ(mods, 30005 + 30000 + 30000);
    EXPECT_EQ(getCollCounts(nullptr, "none", count, mods, false), "none - Cnt:0 - Mods:0 - Mod on Coll:0");
}

TEST(TreeViewRows, NameValueRowsAreTwoCellsWhateverTheValueHolds)
{
    TList t;
    tlist_prepareGrid(&t);
    EXPECT_TRUE(t.Redraw()); // left as found
    EXPECT_EQ(t.CellSeparator(), '^');
    EXPECT_EQ(t.columnCount(), 2);
    const int node = tlist_addNode(&t, -1, "Drill file ^Q^*^Q^");
    tlist_addNameVal("expr", QString("a^b^c"), &t, node);
    tlist_addNameVal("count", 7, &t, node);
    tlist_addNameVal(QString(), QString(), &t, node);
    EXPECT_EQ(t.columnCount(), 2);
    EXPECT_EQ(t.rowItem(node)->text(0), "Drill file ^Q^*^Q^");
    EXPECT_EQ(childTexts(t, node), QStringList({"expr", "count", ""}));
    EXPECT_EQ(valueOf(t, node, "expr"), "a^b^c");
    EXPECT_EQ(valueOf(t, node, "count"), "7");
    EXPECT_EQ(t.ItemText(childRow(t, node, "count")), "count^7");
    EXPECT_TRUE(isBold(t, node));
    EXPECT_FALSE(isBold(t, childRow(t, node, "count")));
    // A caption reads across both columns; name/value rows keep theirs.
    EXPECT_TRUE(t.rowItem(node)->isFirstColumnSpanned());
    EXPECT_FALSE(t.rowItem(childRow(t, node, "count"))->isFirstColumnSpanned());
    EXPECT_FALSE(t.rowItem(childRow(t, node, "expr"))->isFirstColumnSpanned());

    // Nothing breaks on odd input.
    tlist_addNameVal("x", 1, nullptr, 0);
    EXPECT_EQ(tlist_addNode(nullptr, -1, "x"), -1);
}

TEST(AdminDbView, EmptyDatabaseShowsTheStatusNodeAlone)
{
    TList t;
    t.AddItem("left over");
    auto adm = classCreate_KalvexAdministrator();
    tlist_showAdmDb(&t, adm, true, false);
    ASSERT_EQ(childTexts(t, -1), QStringList({"Admin_Db_Status"}));
    const int status = childRows(t, -1).first();
    EXPECT_EQ(childTexts(t, status), QStringList({"dbVersion", "dbRevision", "dbSubRevision", "dbType", "maxLayers"}));
    EXPECT_TRUE(isBold(t, status));
    EXPECT_FALSE(t.ItemExpanded(status));
    EXPECT_TRUE(t.Redraw());

    // Without initGrid the rows are added to what is there.
    tlist_showAdmDb(&t, adm, false, true);
    EXPECT_EQ(childTexts(t, -1), QStringList({"Admin_Db_Status", "Admin_Db_Status"}));
    // No list or no database: nothing.
    tlist_showAdmDb(nullptr, adm, true, false);
    tlist_showAdmDb(&t, nullptr, true, false);
    EXPECT_EQ(t.ListCount(), 12);
}

TEST(AdminDbView, DemoDatabaseShowsEveryNodeKind)
{
    const auto adm = loadDemoDatabase();
    TList t;
    tlist_showAdmDb(&t, adm, true, false);
    const QStringList tops = childTexts(t, -1);
    ASSERT_EQ(tops.size(), 8);
    EXPECT_EQ(tops[0], "Admin_Db_Status");
    EXPECT_EQ(tops[1].section(" - ", 0, 0), "Error filters");
    EXPECT_EQ(tops[2].section(" - ", 0, 0), "processes");
    EXPECT_EQ(tops[3].section(" - ", 0, 0), "Generators");
    EXPECT_EQ(tops[4], "distributors - Cnt:2 - Mods:0 - Mod on Coll:0");
    EXPECT_EQ(tops[5].section(" - ", 0, 0), "fileTypes");
    EXPECT_EQ(tops[6].section(" - ", 0, 0), "productionSites");
    EXPECT_EQ(tops[7].section(" - ", 0, 0), "productClasses");
    for (int r : childRows(t, -1)) {
        EXPECT_TRUE(isBold(t, r));
        EXPECT_FALSE(t.ItemExpanded(r)) << t.ItemText(r).toStdString();
        EXPECT_EQ(t.ItemForeColor(r), 0u);
        EXPECT_EQ(t.ItemMode(r), r == childRows(t, -1)[0] || r == childRows(t, -1)[2] ? 0 : 1);
    }
    EXPECT_TRUE(t.Redraw());

    // Status: numbers and the date rows in their fixed order.
    const int status = childRows(t, -1)[0];
    EXPECT_EQ(valueOf(t, status, "dbVersion"), "3");
    EXPECT_EQ(childTexts(t, status).mid(5),
              QStringList({"Moddate DISTRIBUTOR", "Moddate ERROR_FILTER", "Moddate FILE_TYPE", "Moddate GENERATOR",
                           "Moddate PROCESS", "Moddate PRODUCT_CLASS", "Moddate PRODUCTION_SITE"}));

    // Error filters in filter order; applList "ALL" gives no row.
    const int filters = childRows(t, -1)[1];
    const int f1 = childRows(t, filters).value(0, -1);
    ASSERT_GE(f1, 0);
    EXPECT_EQ(t.rowItem(f1)->text(0), "10. -ERROR- '** Error ** '");
    EXPECT_EQ(childTexts(t, f1), QStringList({"modified", "description"}));
    const int f3 = childRowStarting(t, filters, "30. ");
    EXPECT_EQ(valueOf(t, f3, "applList"), "GERBER#GERBER_PANEL");
    const int f5 = childRowStarting(t, filters, "50. ");
    EXPECT_EQ(t.rowItem(f5)->text(0), "50. -ERROR- 'Drill file \"*\" could not be opened'");

    // A process: rows in order, references, its assignments nested.
    const int procs = childRows(t, -1)[2];
    const int minit = childRow(t, procs, "Master design initialisation");
    ASSERT_GE(minit, 0);
    EXPECT_EQ(t.ItemForeColor(minit), 0xFF0000u); // reservation 3
    const int mrw = childRow(t, minit, "Report-writer database");
    ASSERT_GE(mrw, 0);
    EXPECT_EQ(childTexts(t, mrw).mid(0, 26),
              QStringList({"id", "name", "reservedItem", "description", "intCounter", "modified", "", "orderKey",
                           "distribName", "layerType", "layerFrom", "layerTo", "shareData", "regenForVariant",
                           "processType", "processUse", "processParent", "processPrereq", "", "fileType",
                           "productClass", "", "", "processGenAssignments - Cnt:2 - Mods:0 - Mod on Coll:0"}));
    EXPECT_EQ(valueOf(t, mrw, "reservedItem"), "(0) None");
    EXPECT_EQ(valueOf(t, mrw, "orderKey"), "10.20");
    EXPECT_EQ(valueOf(t, mrw, "layerFrom"), "-100");
    EXPECT_EQ(valueOf(t, mrw, "shareData"), "Yes");
    EXPECT_EQ(valueOf(t, mrw, "regenForVariant"), "No");
    EXPECT_EQ(valueOf(t, mrw, "processType"), "CHILD");
    EXPECT_EQ(valueOf(t, mrw, "processParent"), "Master design initialisation (P_MINIT)");
    EXPECT_EQ(valueOf(t, mrw, "processPrereq"), "Save PCB data (P_MPCB)");
    EXPECT_EQ(valueOf(t, mrw, "fileType"), "Report (REPORT)");
    EXPECT_EQ(valueOf(t, childRow(t, minit, "Save PCB data"), "fileType"), "No reference set ! ");
    const int assignments = childRowStarting(t, mrw, "processGenAssignments");
    EXPECT_EQ(t.ItemMode(assignments), 1);
    EXPECT_FALSE(t.ItemExpanded(assignments));
    const QList<int> siteRows = childRows(t, assignments);
    ASSERT_EQ(siteRows.size(), 2);
    EXPECT_EQ(t.rowItem(siteRows[0])->text(0).left(18), "Production site : ");
    EXPECT_TRUE(t.rowItem(siteRows[0])->text(0).endsWith("(SITE_FAB)"));
    EXPECT_EQ(childTexts(t, siteRows[0]), QStringList({"generator", "inUse", "additionalGenParms", "modified"}));
    EXPECT_EQ(valueOf(t, siteRows[0], "generator"), "Report writer(BNREP)");
    EXPECT_EQ(valueOf(t, siteRows[0], "inUse"), "Yes");

    // A generator: its rows, then every parameter as (Sys)/(Usr) name.
    const int gens = childRows(t, -1)[3];
    const int gerber = childRow(t, gens, "Gerber photoplots");
    ASSERT_GE(gerber, 0);
    EXPECT_EQ(t.ItemForeColor(gerber), 0x0000FFu); // reservation 2
    EXPECT_EQ(childTexts(t, gerber).mid(0, 12),
              QStringList({"id", "name", "reservedItem", "description", "intCounter", "", "cmdGen", "cmdView",
                           "cmdPlot", "fileExt", "activeXModule", "Group_Id"}));
    EXPECT_EQ(valueOf(t, gerber, "Group_Id"), "PHOTO");
    const int parms = childRowStarting(t, gerber, "Parameters - Cnt:8");
    ASSERT_GE(parms, 0);
    EXPECT_FALSE(isBold(t, parms));
    EXPECT_EQ(t.ItemMode(parms), 0);
    EXPECT_EQ(valueOf(t, parms, "(Sys) aper_to_dcode"), "${KVX_JOB_PCB_PATH}\\config\\dcodes.txt");

    // A distributor: its site settings, a blank row, then its parameters.
    const int dists = childRows(t, -1)[4];
    const int ftp = childRow(t, dists, "FTP upload");
    EXPECT_EQ(childTexts(t, ftp).mid(5),
              QStringList({"", "translateFilenames", "completeSet", "groupId",
                           "distributorPsites - Cnt:1 - Mods:0 - Mod on Coll:0", "",
                           "Parameters - Cnt:3 - Mods:0 - Mod on Coll:0"}));
    const int ftpSites = childRowStarting(t, ftp, "distributorPsites");
    EXPECT_EQ(childTexts(t, childRows(t, ftpSites).value(0)), QStringList({"inUse", "additionalGenParms", "modified"}));
    EXPECT_EQ(valueOf(t, childRows(t, ftpSites).value(0), "additionalGenParms"), "/passive");
    EXPECT_EQ(valueOf(t, childRowStarting(t, ftp, "Parameters"), "(Usr) host"), "ftp.nordwerk.example");

    // File types, production sites and product classes.
    const int types = childRows(t, -1)[5];
    const int gbrType = childRow(t, types, "Gerber data");
    EXPECT_EQ(childTexts(t, gbrType),
              QStringList({"id", "name", "reservedItem", "description", "intCounter", "modified"}));
    const int sites = childRows(t, -1)[6];
    const int site = childRows(t, sites).value(0);
    EXPECT_EQ(childTexts(t, site).mid(6),
              QStringList({"", "address1", "address2", "address3", "address4", "emailData", "emailNotify",
                           "displayOrder"}));
    for (int r : allRows(t)) {
        if (t.ItemHasChildren(r)) {
            EXPECT_FALSE(t.ItemExpanded(r)) << t.ItemText(r).toStdString();
        }
    }
    // Captions read across both columns once their node is opened.
    t.setItemExpanded(mrw, true);
    EXPECT_TRUE(t.rowItem(assignments)->isFirstColumnSpanned());
    EXPECT_FALSE(t.rowItem(childRow(t, mrw, "orderKey"))->isFirstColumnSpanned());
}

TEST(AdminDbView, ProcessesNestByOrderKey)
{
    auto adm = classCreate_KalvexAdministrator();
    for (const auto& [id, key] : std::vector<std::pair<QString, QString>>{
             {"A", "1"}, {"A1", "1.1"}, {"A2", "1.2"}, {"B", "2"}, {"B1", "2.1"}})
        addProcess(adm, id, key);
    TList t;
    tlist_showAdmDb(&t, adm, true, false);
    EXPECT_EQ(processShape(t), QStringList({"A<processes", "A1<A", "A2<A", "B<processes", "B1<B"}));
    const int procs = childRowStarting(t, -1, "processes - ");
    EXPECT_EQ(childTexts(t, procs).size(), 2);
    EXPECT_TRUE(t.rowItem(procs)->text(0).startsWith("processes - Cnt:5 - Mods:"));
    EXPECT_FALSE(t.ItemExpanded(procs));
}

TEST(AdminDbView, ProcessesWithoutAShownParentGoBelowTheNearestShownAncestor)
{
    auto adm = classCreate_KalvexAdministrator();
    // Deeper than seven levels, a level skipped, a level-3 process first.
    addProcess(adm, "Orphan", "0.0.5");
    addProcess(adm, "A", "1");
    addProcess(adm, "Skip", "1.0.1");
    QString key = "1";
    for (int level = 2; level <= 9; ++level) {
        key += ".1";
        addProcess(adm, QString("L%1").arg(level), key);
    }
    addProcess(adm, "B", "2");
    TList t;
    tlist_showAdmDb(&t, adm, true, false);
    EXPECT_EQ(processShape(t), QStringList({"Orphan<processes", "A<processes", "Skip<A", "L2<A", "L3<L2", "L4<L3",
                                            "L5<L4", "L6<L5", "L7<L6", "L8<L7", "L9<L8", "B<processes"}));

    // Only-modified: a hidden process's changed descendants hang below its
    // nearest shown ancestor; nothing lands under the first row of the list.
    markUnchanged(adm);
    for (const char* id : {"A", "L3", "L4", "B"})
        adm->processes()->item(QString(id))->setDescription("changed");
    tlist_showAdmDb(&t, adm, true, true);
    EXPECT_EQ(processShape(t), QStringList({"A<processes", "L3<A", "L4<L3", "B<processes"}));

    markUnchanged(adm);
    adm->processes()->item(QString("L5"))->setDescription("changed");
    tlist_showAdmDb(&t, adm, true, true);
    EXPECT_EQ(processShape(t), QStringList({"L5<processes"}));
    EXPECT_EQ(childTexts(t, childRows(t, -1)[0]).first(), "dbVersion");
}

TEST(AdminDbView, OnlyModifiedShowsChangedObjectsWithTheirExceptions)
{
    const auto adm = loadDemoDatabase();
    TList t;
    // Nothing changed: the status node alone.
    tlist_showAdmDb(&t, adm, true, true);
    EXPECT_EQ(childTexts(t, -1), QStringList({"Admin_Db_Status"}));
    // A collection changed itself, none of its items: still not shown.
    adm->fileTypes()->setModified(1);
    tlist_showAdmDb(&t, adm, true, true);
    EXPECT_EQ(childTexts(t, -1), QStringList({"Admin_Db_Status"}));

    // A changed generator shows every parameter.
    adm->generators()->item(QString("GERBER"))->setDescription("changed");
    // A changed distributor shows every parameter, only the changed sites.
    const auto dist = adm->distributors()->item(QString("INTERNAL"));
    dist->psiteAssignments()->item(QString("SITE_TEST"))->setInUse(true);
    tlist_showAdmDb(&t, adm, true, true);
    const QStringList tops = childTexts(t, -1);
    ASSERT_EQ(tops.size(), 3);
    EXPECT_EQ(tops[1], "Generators - Cnt:1 - Mods:1 - Mod on Coll:1");
    const int gens = childRows(t, -1)[1];
    EXPECT_EQ(childTexts(t, gens), QStringList({"Gerber photoplots"}));
    const int gerber = childRows(t, gens)[0];
    EXPECT_EQ(t.rowItem(childRowStarting(t, gerber, "Parameters"))->text(0),
              "Parameters - Cnt:8 - Mods:0 - Mod on Coll:0");
    EXPECT_EQ(childRows(t, childRowStarting(t, gerber, "Parameters")).size(), 8);

    const int dists = childRows(t, -1)[2];
    const int internal = childRow(t, dists, "Internal distributor");
    ASSERT_GE(internal, 0);
    const int psites = childRowStarting(t, internal, "distributorPsites");
    EXPECT_EQ(t.rowItem(psites)->text(0), "distributorPsites - Cnt:1 - Mods:1 - Mod on Coll:1");
    ASSERT_EQ(childRows(t, psites).size(), 1);
    EXPECT_TRUE(t.rowItem(childRows(t, psites)[0])->text(0).endsWith("(SITE_TEST)"));
    EXPECT_EQ(childRows(t, childRowStarting(t, internal, "Parameters")).size(), 11);
}

TEST(AdminDbView, ReservationCodesColourTheCaption)
{
    auto adm = classCreate_KalvexAdministrator();
    for (int code : {3, 9, 1}) {
        auto s = classCreate_KalvexProdSite();
        s->setId(QString("S%1").arg(code));
        s->setName(QString("Site %1").arg(code));
        s->setReservedItem(code);
        adm->productionSites()->add(s);
    }
    auto filter = classCreate_KalvexErrorFilter();
    filter->setId("F");
    filter->setOrder(7);
    filter->setActionString("IGNORE");
    filter->setExpression("x");
    filter->setApplList("GERBER");
    adm->errorFilters()->add(filter);
    TList t;
    tlist_showAdmDb(&t, adm, true, false);
    const int sites = childRowStarting(t, -1, "productionSites");
    const int s3 = childRow(t, sites, "Site 3");
    const int s9 = childRow(t, sites, "Site 9");
    EXPECT_EQ(valueOf(t, s3, "reservedItem"), "(3) System");
    EXPECT_EQ(t.ItemForeColor(s3), 0xFF0000u);
    EXPECT_EQ(t.rowItem(s3)->foreground(0).color(), QColor(0, 0, 255));
    EXPECT_EQ(valueOf(t, s9, "reservedItem"), "(9) <?\?\?>");
    EXPECT_EQ(t.ItemForeColor(s9), 0u);
    EXPECT_EQ(t.ItemForeColor(childRow(t, sites, "Site 1")), 0x00FF00u);
    // Error filters are never coloured; empty description gives no row.
    const int f = childRows(t, childRowStarting(t, -1, "Error filters")).value(0);
    EXPECT_EQ(t.rowItem(f)->text(0), "7. -IGNORE- 'x'");
    EXPECT_EQ(childTexts(t, f), QStringList({"modified", "applList"}));
    EXPECT_EQ(t.ItemForeColor(f), 0u);
}

TEST(AdminDbView, ParametersAreMarkedSystemOrUser)
{
    auto gen = classCreate_KalvexGenerator();
    gen->setId("G");
    gen->setName("Gen");
    gen->parameters()->add("units", "mm", PARM_TYPE_SYSTEM);
    gen->parameters()->add("units2", "${X}", PARM_TYPE_USER);
    TList t;
    tlist_prepareGrid(&t);
    const int node = tlist_showGenerator(&t, -1, gen, false);
    const int parms = childRowStarting(t, node, "Parameters");
    EXPECT_EQ(childTexts(t, parms), QStringList({"(Sys) units", "(Usr) units2"}));
    // The stored value, variables not expanded.
    EXPECT_EQ(valueOf(t, parms, "(Usr) units2"), "${X}");
    // An unchanged generator is not shown in only-modified mode.
    gen->setModified(0);
    EXPECT_EQ(tlist_showGenerator(&t, -1, gen, true), -1);
    EXPECT_EQ(tlist_showGenerator(&t, -1, nullptr, false), -1);
}

TEST(AdminDbView, ANameOrValueCutByItsColumnReadsInFullAsToolTip)
{
    auto gen = classCreate_KalvexGenerator();
    const QString name = "gerber_machine_format_file_for_the_panel_of_the_top_side_copper";
    const QString value = "${KVX_JOB_PCB_PATH}/" + QString("config/").repeated(100) + "machine.gmf";
    gen->parameters()->add(name, value, PARM_TYPE_SYSTEM);
    TList t;
    tlist_prepareGrid(&t);
    const int node = tlist_showGenerator(&t, -1, gen, false);
    const int parms = childRowStarting(t, node, "Parameters");
    t.resize(1400, 600);
    t.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&t));
    t.setItemExpanded(node, true);
    t.setItemExpanded(parms, true);
    const int row = childRow(t, parms, "(Sys) " + name);
    EXPECT_EQ(cellToolTip(t, parms, 0), QString()) << "a cell that fits has none";
    EXPECT_EQ(cellToolTip(t, row, 0), "(Sys) " + name);
    EXPECT_EQ(cellToolTip(t, row, 1), value);
    QToolTip::hideText();
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }));
}

TEST(AdminDbView, RedrawIsSwitchedOnAgainOnlyByTheViewThatSwitchedItOff)
{
    const auto adm = loadDemoDatabase();
    TList t;
    tlist_prepareGrid(&t);
    t.setRedraw(false);
    tlist_showProcesses(&t, -1, adm->processes(), false);
    tlist_showAdmDb(&t, adm, false, false);
    EXPECT_FALSE(t.Redraw());
    EXPECT_FALSE(t.updatesEnabled());
    t.setRedraw(true);
    tlist_showProcesses(&t, -1, adm->processes(), false);
    EXPECT_TRUE(t.Redraw());
    EXPECT_TRUE(t.updatesEnabled());
}

TEST(AdminDbView, ViewsKeepNoReferenceToTheObjects)
{
    std::weak_ptr<IKalvexAdministrator> gone;
    std::weak_ptr<IKalvexProcess> process;
    TList t;
    {
        const auto adm = loadDemoDatabase();
        process = adm->processes()->item(1);
        gone = adm;
        tlist_showAdmDb(&t, adm, true, false);
    }
    EXPECT_GT(t.ListCount(), 100);
    EXPECT_TRUE(gone.expired());
    EXPECT_TRUE(process.expired());
}
