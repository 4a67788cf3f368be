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
