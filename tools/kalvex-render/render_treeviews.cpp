// The object tree view over the example database.
#include "render_treeviews.h"

#include "browser/tlistViews_admin.h"
#include "platform/TList.h"
#include "render_demo.h"

namespace kalvex::render {

namespace {

// The row below parent whose first cell starts with prefix; -1 when none.
int childStarting(const TList& t, int parent, const QString& prefix)
{
    QTreeWidgetItem* item = t.rowItem(parent);
    for (int i = 0; item && i < item->childCount(); ++i)
        if (item->child(i)->text(0).startsWith(prefix))
            return t.rowOf(item->child(i));
    for (int i = 0; !item && i < t.topLevelItemCount(); ++i)
        if (t.topLevelItem(i)->text(0).startsWith(prefix))
            return t.rowOf(t.topLevelItem(i));
    return -1;
}

} // namespace

QWidget* demoAdminDbTree()
{
    static const IKalvexAdministratorPtr adm = loadDemoAdminDb();
    if (!adm)
        return nullptr;
    auto* tree = new TList;
    tree->setObjectName(QStringLiteral("tlistResult"));
    tree->resize(640, 560);
    tlist_showAdmDb(tree, adm, true, false);
    // The processes, the first one with its rows, and the generators.
    const int processes = childStarting(*tree, -1, QStringLiteral("processes"));
    tree->setItemExpanded(processes, true);
    const int first = tree->rowOf(tree->rowItem(processes)->child(0));
    tree->setItemExpanded(first, true);
    const int child = tree->rowOf(tree->rowItem(first)->child(tree->rowItem(first)->childCount() - 1));
    tree->setItemExpanded(child, true);
    tree->setItemExpanded(childStarting(*tree, -1, QStringLiteral("Generators")), true);
    return tree;
}

} // namespace kalvex::render
