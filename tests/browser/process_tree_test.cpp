#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "admin/KalvexAdministrator.h"
#include "browser/morvObjs_tlist.h"
#include "generators/KalvexProcess.h"
#include "platform/TList.h"
#include "platform/VbColors.h"
#include "support/qt_printers.h"
#include "support/sample_admin_db.h"

using namespace kalvex;

TEST(ProcessRows, RowKeysNameTheirObjectWithoutKeepingItAlive)
{
    TList tree;
    auto process = classCreate_KalvexProcess();
    process->setName("Gerber data");
    process->orderKey()->setEncoded("10.2");
    tlist_rowRec rec;
    morvObjs_tlistAddObject(&tree, rec, process, -1, 7);
    EXPECT_EQ(rec.itemIndex, 0);
    EXPECT_EQ(tree.ItemText(0), "Gerber data");
    // Order-key numbers are padded so that text order is key order.
    EXPECT_LT(tree.ItemValue(0, SORTKEY_OBJECTS).toString(), morvObjs_sortValue([] {
                  auto p = classCreate_KalvexProcess();
                  p->orderKey()->setEncoded("10.10");
                  return p;
              }()));

    tlist_rowRec decoded;
    EXPECT_EQ(morvObjs_tlistDecodeRowKey(&tree, QString(), 0, decoded, true), process);
    EXPECT_EQ(decoded.key, "PROCESS");
    EXPECT_EQ(decoded.keyNumber, 7);
    EXPECT_GT(decoded.objectHandle, 0);
    // Without the flag the object is not looked up.
    EXPECT_EQ(morvObjs_tlistDecodeRowKey(&tree, QString(), 0, decoded, false), nullptr);

    // One handle per object: refilling does not pile up handles.
    EXPECT_EQ(morvObjs_objectHandle(process), decoded.objectHandle);
    const qint64 handle = decoded.objectHandle;

    process.reset();
    EXPECT_EQ(morvObjs_tlistDecodeRowKey(&tree, QString(), 0, decoded, true), nullptr);
    EXPECT_EQ(morvObjs_objectFromHandle(handle), nullptr);
    // A new object never takes the handle of one gone.
    auto other = classCreate_KalvexProcess();
    EXPECT_NE(morvObjs_objectHandle(other), handle);

    tlist_rowRec none;
    EXPECT_EQ(morvObjs_tlistDecodeRowKey(&tree, "PROCESS#1", -1, none, true), nullptr);
    EXPECT_EQ(none.objectHandle, -100);
    EXPECT_EQ(morvObjs_tlistDecodeRowKey(&tree, "PROCESS#1#rubbish", -1, none, true), nullptr);
    EXPECT_EQ(morvObjs_objectFromHandle(-5), nullptr);
}

TEST(ProcessRows, TreeFillNestsByLevelSkipsWhatCannotBeCheckedOut)
{
    QTemporaryDir dir;
    auto adm = test::makeSampleAdminDb(dir.path());
    TList tree;
    morvObjs_checkOut_fillProcTree(&tree, adm, "MASTER_PROCS", nullptr, "<current>");
    QStringList rows;
    for (int r = 0; r < tree.ListCount(); ++r)
        rows << tree.ItemText(r);
    // Netlist is variant only; Report has no data file.
    EXPECT_EQ(rows, QStringList({"<current>", "Fabrication", "Gerber data", "Drill data", "Assembly"}));
    EXPECT_EQ(tree.LastRowBelow(1), 3);
    EXPECT_EQ(tree.ItemForeColor(1), VbColor::InactiveCaptionText); // a group
    EXPECT_EQ(tree.ItemForeColor(4), VbColor::WindowText);
    EXPECT_TRUE(tree.ItemExpanded(0));
    EXPECT_FALSE(tree.ItemExpanded(1));
    EXPECT_EQ(tree.ListIndex(), 0);
    EXPECT_TRUE(tree.Redraw());

    // A site filter keeps the processes with a generator in use there.
    auto s2 = adm->productionSites()->item("PS2");
    morvObjs_checkOut_fillProcTree(&tree, adm, "VARIANT_PROCS", s2, "S2");
    rows.clear();
    for (int r = 0; r < tree.ListCount(); ++r)
        rows << tree.ItemText(r);
    EXPECT_EQ(rows, QStringList({"S2", "Fabrication", "Gerber data", "Assembly", "Netlist"}));

    // No process at all: the first row alone is not kept.
    morvObjs_checkOut_fillProcTree(&tree, classCreate_KalvexAdministrator(), "MASTER_PROCS", nullptr, "<current>");
    EXPECT_EQ(tree.ListCount(), 0);

    // No database: nothing is touched.
    tree.AddItem("kept");
    morvObjs_checkOut_fillProcTree(&tree, nullptr, "MASTER_PROCS", nullptr, "<current>");
    EXPECT_EQ(tree.ListCount(), 1);
}

namespace {

QStringList rowTexts(const TList& tree)
{
    QStringList rows;
    for (int r = 0; r < tree.ListCount(); ++r)
        rows << tree.ItemText(r);
    return rows;
}

QStringList siteOrder(const IKalvexProcessPtr& process)
{
    QStringList ids;
    const auto assignments = process->generatorAssignments();
    for (int i = 1; i <= assignments->count(); ++i)
        ids << assignments->item(i, SORT_PRODUCTION_SITE)->productionSite()->id();
    return ids;
}

} // namespace

TEST(ProcessRows, RefillsFollowChangesMadeBetweenThem)
{
    QTemporaryDir dir;
    auto adm = test::makeSampleAdminDb(dir.path());
    const auto fill = [&](const IKalvexProdSitePtr& site = nullptr) {
        TList tree;
        morvObjs_checkOut_fillProcTree(&tree, adm, "MASTER_PROCS", site, "<current>");
        return rowTexts(tree);
    };
    const QStringList before{"<current>", "Fabrication", "Gerber data", "Drill data", "Assembly"};
    ASSERT_EQ(fill(), before);
    ASSERT_EQ(fill(), before); // the same again from the kept order

    // Added.
    auto added = classCreate_KalvexProcess();
    added->setId("P_NEW");
    added->setName("Paste mask");
    added->orderKey()->setEncoded("10.15");
    added->setProcessType(PROC_CHILD);
    added->setFileType(adm->fileTypes()->item("FT_DATA"));
    adm->processes()->add(added);
    EXPECT_EQ(fill(), QStringList({"<current>", "Fabrication", "Gerber data", "Paste mask", "Drill data", "Assembly"}));

    // Re-keyed: moved out of the group, behind the assembly.
    added->orderKey()->setEncoded("25");
    added->setProcessType(PROC_SINGLE);
    TList tree;
    morvObjs_checkOut_fillProcTree(&tree, adm, "MASTER_PROCS", nullptr, "<current>");
    EXPECT_EQ(rowTexts(tree), QStringList({"<current>", "Fabrication", "Gerber data", "Drill data", "Assembly", "Paste mask"}));
    EXPECT_EQ(tree.LastRowBelow(1), 3);

    // Removed.
    EXPECT_EQ(adm->processes()->remove(QString("P_NEW")), 1);
    EXPECT_EQ(fill(), before);

    // A filter input changed: the drill data gets a generator in use at PS2.
    const auto ps1 = adm->productionSites()->item("PS1");
    const auto ps2 = adm->productionSites()->item("PS2");
    EXPECT_EQ(fill(ps2), QStringList({"<current>", "Fabrication", "Gerber data", "Assembly"}));
    auto drill = adm->processes()->item("P_DRL");
    ASSERT_TRUE(drill->generatorAssignments()->item(ps2->id()));
    drill->generatorAssignments()->item(ps2->id())->setInUse(true);
    EXPECT_EQ(fill(ps2), QStringList({"<current>", "Fabrication", "Gerber data", "Drill data", "Assembly"}));
    // Another site, then none: each fill filters by its own.
    EXPECT_EQ(fill(ps1), QStringList({"<current>", "Fabrication"}));
    EXPECT_EQ(fill(), before);

    // A site re-ranked: the assignments (one per site) follow the new site order.
    ps1->setDisplayOrder(1);
    ps2->setDisplayOrder(2);
    EXPECT_EQ(siteOrder(drill), QStringList({"VARIANT_PSITE_ID", "PS1", "PS2"}));
    ps1->setDisplayOrder(3);
    EXPECT_EQ(siteOrder(drill), QStringList({"VARIANT_PSITE_ID", "PS2", "PS1"}));
}
