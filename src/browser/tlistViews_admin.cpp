// Tree views of an administration database and of what it owns.
#include "browser/tlistViews_admin.h"

#include <vector>

#include "browser/tlistViews_rows.h"
#include "foundation/morvObjs_names.h"
#include "foundation/vbl_str.h"
#include "generators/processTypeText.h"
#include "platform/TList.h"

namespace kalvex {

namespace {

const QString kNoReference = QStringLiteral("No reference set !");

// Adds name/value rows under one node.
struct Rows {
    TList* tlist;
    int node;
    void operator()(const QString& name, const QVariant& value) const
    {
        tlist_addNameVal(name, value, tlist, node);
    }
    void blank() const { tlist_addNameVal(QString(), QString(), tlist, node); }
};

// Whether an item view shows its object.
bool shown(const IKalvexObjectPtr& object, bool onlyModified)
{
    return !onlyModified || object->modified() != 0;
}

// The frame every item view shares: nothing for a missing list or object, or
// for one the only-modified mode hides; otherwise its node, the rows and
// child nodes fill(row, node) adds under it, and the node closed. Answers the
// node's row, -1 when none was added.
template <typename Obj, typename Caption, typename Colour, typename Fill>
int showNode(TList* tlist, int parentIndex, const std::shared_ptr<Obj>& object, bool onlyModified,
             Caption&& caption, Colour&& colour, Fill&& fill)
{
    int result = -1;
    if (!tlist || !object)
        return result;
    tlist_viewFrame(tlist, [&] {
        if (!shown(object, onlyModified))
            return;
        tlist_node built(tlist, parentIndex, caption(), true, colour());
        result = built.row();
        fill(Rows{tlist, result}, result);
        built.close();
    });
    return result;
}

// A node in the list's default colour.
template <typename Obj, typename Caption, typename Fill>
int showItem(TList* tlist, int parentIndex, const std::shared_ptr<Obj>& object, bool onlyModified,
             Caption&& caption, Fill&& fill)
{
    return showNode(tlist, parentIndex, object, onlyModified, caption, [] { return 0u; }, fill);
}

// An administration entry's node: its name, in its reservation colour.
template <typename Entry, typename Fill>
int showEntry(TList* tlist, int parentIndex, const std::shared_ptr<Entry>& entry, bool onlyModified, Fill&& fill)
{
    return showNode(
        tlist, parentIndex, entry, onlyModified, [&] { return entry->name(); },
        [&] { return getReservedColor(entry->reservedItem()); }, fill);
}

// The frame of a collection view: nothing for an empty collection or, in
// only-modified mode, one without changed items; else the node, the items
// (each through its view) and item mode 1 when asked for.
template <typename Coll, typename EachItem>
void showCollection(TList* tlist, int parentIndex, const Coll& coll, bool onlyModified, const QString& label,
                    bool itemMode1, EachItem&& eachItem)
{
    if (!tlist || !coll || coll->count() == 0)
        return;
    tlist_viewFrame(tlist, [&] {
        int count = 0, mods = 0;
        const QString caption = getCollCountsOf(coll, label, count, mods, onlyModified);
        if (onlyModified && mods == 0)
            return;
        tlist_node built(tlist, parentIndex, caption);
        const int node = built.row();
        const int n = coll->count();
        for (int i = 1; i <= n; ++i)
            eachItem(node, i);
        if (itemMode1)
            tlist->setItemMode(node, 1);
        built.close();
    });
}

// The rows every administration entry starts with.
void entryRows(const Rows& row, const IKalvexNamedItem& entry)
{
    row(QStringLiteral("id"), entry.id());
    row(QStringLiteral("name"), entry.name());
    row(QStringLiteral("reservedItem"), getReservedStr(entry.reservedItem()));
    row(QStringLiteral("description"), entry.description());
}

QString siteCaption(const IKalvexProdSitePtr& site)
{
    return QStringLiteral("Production site : ") + morvObjs_getName(site, kNoReference) + QLatin1String(" (")
        + morvObjs_getId(site, kNoReference) + QLatin1Char(')');
}

} // namespace

void tlist_showAdmDb(TList* tlist, const std::shared_ptr<IKalvexAdministrator>& admin, bool initGrid,
                     bool onlyModified)
{
    if (!tlist || !admin)
        return;
    tlist_viewFrame(tlist, [&] {
        if (initGrid)
            tlist_prepareGrid(tlist);
        tlist_showAdminDbStatus(tlist, -1, admin->statusInfo(), onlyModified);
        tlist_showErrorFilters(tlist, -1, admin->errorFilters(), onlyModified);
        tlist_showProcesses(tlist, -1, admin->processes(), onlyModified);
        tlist_showGenerators(tlist, -1, admin->generators(), onlyModified);
        tlist_showDistributors(tlist, -1, admin->distributors(), onlyModified);
        tlist_showFileTypes(tlist, -1, admin->fileTypes(), onlyModified);
        tlist_showProdSites(tlist, -1, admin->productionSites(), onlyModified);
        tlist_showProdClasses(tlist, -1, admin->productClasses(), onlyModified);
    });
}

// ---- Collections

void tlist_showProcesses(TList* tlist, int parentIndex, const std::shared_ptr<IKalvexProcesses>& processes,
                         bool onlyModified)
{
    if (!tlist || !processes || processes->count() == 0)
        return;
    tlist_viewFrame(tlist, [&] {
        int count = 0, mods = 0;
        const QString caption = getCollCountsOf(processes, QStringLiteral("processes"), count, mods, onlyModified);
        if (onlyModified && mods == 0)
            return;
        tlist_node built(tlist, parentIndex, caption);
        const int node = built.row();
        // Row of the shown process at each indent level on the way down to
        // the current one; -1 where the process there is hidden or none
        // came. A process hangs below its nearest shown ancestor.
        std::vector<int> rowAtLevel;
        const int n = processes->count();
        for (int i = 1; i <= n; ++i) {
            const IKalvexProcessPtr process = processes->item(i, SORT_ORDER_KEY);
            if (!process)
                continue;
            const auto key = process->orderKey();
            const int level = key ? qMax(0, key->indentLevel()) : 0;
            if (rowAtLevel.size() > size_t(level))
                rowAtLevel.resize(size_t(level));
            int parent = node;
            for (size_t k = rowAtLevel.size(); k-- > 0;)
                if (rowAtLevel[k] >= 0) {
                    parent = rowAtLevel[k];
                    break;
                }
            const int row = tlist_showProcess(tlist, parent, process, onlyModified);
            if (level > 0) {
                rowAtLevel.resize(size_t(level), -1);
                rowAtLevel.push_back(row);
            }
        }
        built.close();
    });
}

void tlist_showGenerators(TList* tlist, int parentIndex, const std::shared_ptr<IKalvexGenerators>& generators,
                          bool onlyModified)
{
    showCollection(tlist, parentIndex, generators, onlyModified, QStringLiteral("Generators"), true,
                   [&](int node, int i) { tlist_showGenerator(tlist, node, generators->item(i), onlyModified); });
}

void tlist_showDistributors(TList* tlist, int parentIndex,
                            const std::shared_ptr<IKalvexDistributors>& distributors, bool onlyModified)
{
    showCollection(tlist, parentIndex, distributors, onlyModified, QStringLiteral("distributors"), true,
                   [&](int node, int i) {
                       tlist_showDistributor(tlist, node, distributors->item(i, SORT_COLLECTION), onlyModified);
                   });
}

void tlist_showErrorFilters(TList* tlist, int parentIndex, const std::shared_ptr<IKalvexErrorFilters>& filters,
                            bool onlyModified)
{
    showCollection(tlist, parentIndex, filters, onlyModified, QStringLiteral("Error filters"), true,
                   [&](int node, int i) {
                       tlist_showErrorFilter(tlist, node, filters->item(i, SORT_ORDER_KEY), onlyModified);
                   });
}

void tlist_showProdSites(TList* tlist, int parentIndex, const std::shared_ptr<IKalvexProdSites>& sites,
                         bool onlyModified)
{
    showCollection(tlist, parentIndex, sites, onlyModified, QStringLiteral("productionSites"), true,
                   [&](int node, int i) {
                       tlist_showProdSite(tlist, node, sites->item(i, SORT_COLLECTION), onlyModified);
                   });
}

void tlist_showProdClasses(TList* tlist, int parentIndex, const std::shared_ptr<IKalvexProdClasses>& classes,
                           bool onlyModified)
{
    showCollection(tlist, parentIndex, classes, onlyModified, QStringLiteral("productClasses"), true,
                   [&](int node, int i) { tlist_showProdClass(tlist, node, classes->item(i), onlyModified); });
}

void tlist_showFileTypes(TList* tlist, int parentIndex, const std::shared_ptr<IKalvexFileTypes>& fileTypes,
                         bool onlyModified)
{
    showCollection(tlist, parentIndex, fileTypes, onlyModified, QStringLiteral("fileTypes"), true,
                   [&](int node, int i) { tlist_showFileType(tlist, node, fileTypes->item(i), onlyModified); });
}

void tlist_showGenAssignments(TList* tlist, int parentIndex,
                              const std::shared_ptr<IKalvexGenAssignments>& assignments, bool onlyModified)
{
    showCollection(tlist, parentIndex, assignments, onlyModified, QStringLiteral("processGenAssignments"), true,
                   [&](int node, int i) {
                       if (const auto a = assignments->item(i, SORT_COLLECTION))
                           tlist_showGenAssignment(tlist, node, a, onlyModified);
                   });
}

void tlist_showPsiteAssignments(TList* tlist, int parentIndex,
                                const std::shared_ptr<IKalvexPsiteAssignments>& assignments, bool onlyModified)
{
    showCollection(tlist, parentIndex, assignments, onlyModified, QStringLiteral("distributorPsites"), true,
                   [&](int node, int i) {
                       if (const auto a = assignments->item(i, SORT_COLLECTION))
                           tlist_showPsiteAssignment(tlist, node, a, onlyModified);
                   });
}

void tlist_showParameters(TList* tlist, int parentIndex, const std::shared_ptr<IKalvexGenParms>& parms,
                          bool onlyModified)
{
    if (!tlist || !parms || parms->count() == 0)
        return;
    tlist_viewFrame(tlist, [&] {
        int count = 0, mods = 0;
        const QString caption = getCollCountsOf(parms, QStringLiteral("Parameters"), count, mods, onlyModified);
        if (onlyModified && mods == 0)
            return;
        tlist_node built(tlist, parentIndex, caption, false);
        const int node = built.row();
        const int n = parms->count();
        for (int i = 1; i <= n; ++i) {
            const IKalvexGenParmPtr parm = parms->item(i);
            if (!parm || !shown(parm, onlyModified))
                continue;
            const QString name = (parm->parmType() == PARM_TYPE_SYSTEM ? QLatin1String("(Sys) ")
                                                                       : QLatin1String("(Usr) "))
                + parm->name();
            tlist_addNameVal(name, parm->value(false), tlist, node);
        }
        built.close();
    });
}

// ---- Items

int tlist_showProcess(TList* tlist, int parentIndex, const std::shared_ptr<IKalvexProcess>& process,
                      bool onlyModified)
{
    return showEntry(tlist, parentIndex, process, onlyModified, [&](const Rows& row, int node) {
        const QString fileType = getNameIdString(process->fileType());
        const QString productClass = getNameIdString(process->productClass());
        const QString parent = getNameIdString(process->processParent());
        const QString prereq = getNameIdString(process->processPrereq());
        const QString type = morvObjs_treeNodeTypeStr(process->processType());
        const auto key = process->orderKey();

        entryRows(row, *process);
        row(QStringLiteral("intCounter"), process->intCounter());
        row(QStringLiteral("modified"), process->modified());
        row.blank();
        row(QStringLiteral("orderKey"), key ? key->encoded() : QString());
        row(QStringLiteral("distribName"), process->distribName());
        row(QStringLiteral("layerType"), process->layerType());
        row(QStringLiteral("layerFrom"), process->layerFrom());
        row(QStringLiteral("layerTo"), process->layerTo());
        row(QStringLiteral("shareData"), process->shareData());
        row(QStringLiteral("regenForVariant"), process->regenForVariant());
        row(QStringLiteral("processType"), type);
        row(QStringLiteral("processUse"), process->processUse());
        row(QStringLiteral("processParent"), parent);
        row(QStringLiteral("processPrereq"), prereq);
        row.blank();
        row(QStringLiteral("fileType"), fileType);
        row(QStringLiteral("productClass"), productClass);
        row.blank();
        row.blank();
        tlist_showGenAssignments(tlist, node, process->generatorAssignments(), onlyModified);
    });
}

int tlist_showGenerator(TList* tlist, int parentIndex, const std::shared_ptr<IKalvexGenerator>& generator,
                        bool onlyModified)
{
    return showEntry(tlist, parentIndex, generator, onlyModified, [&](const Rows& row, int node) {
        entryRows(row, *generator);
        row(QStringLiteral("intCounter"), generator->intCounter());
        row.blank();
        row(QStringLiteral("cmdGen"), generator->cmdGen(false));
        row(QStringLiteral("cmdView"), generator->cmdView());
        row(QStringLiteral("cmdPlot"), generator->cmdPlot());
        row(QStringLiteral("fileExt"), generator->fileExt());
        row(QStringLiteral("activeXModule"), generator->activeXModule());
        row(QStringLiteral("Group_Id"), generator->groupId());
        row.blank();
        // A changed generator shows every parameter.
        tlist_showParameters(tlist, node, generator->parameters(), false);
    });
}

int tlist_showDistributor(TList* tlist, int parentIndex, const std::shared_ptr<IKalvexDistributor>& distributor,
                          bool onlyModified)
{
    return showEntry(tlist, parentIndex, distributor, onlyModified, [&](const Rows& row, int node) {
        entryRows(row, *distributor);
        row(QStringLiteral("modified"), distributor->modified());
        row.blank();
        row(QStringLiteral("translateFilenames"), distributor->translateFileNames());
        row(QStringLiteral("completeSet"), distributor->completeSet());
        row(QStringLiteral("groupId"), distributor->groupId());
        tlist_showPsiteAssignments(tlist, node, distributor->psiteAssignments(), onlyModified);
        row.blank();
        tlist_showParameters(tlist, node, distributor->parameters(), false);
    });
}

int tlist_showErrorFilter(TList* tlist, int parentIndex, const std::shared_ptr<IKalvexErrorFilter>& filter,
                          bool onlyModified)
{
    auto caption = [&] {
        return QString::number(filter->order()) + QLatin1String(". -") + filter->actionString()
            + QLatin1String("- ") + vbl_str_quoteSingle(filter->expression());
    };
    return showItem(tlist, parentIndex, filter, onlyModified, caption, [&](const Rows& row, int) {
        row(QStringLiteral("modified"), filter->modified());
        if (!filter->description().isEmpty())
            row(QStringLiteral("description"), filter->description());
        const QString appl = filter->applList();
        if (!appl.isEmpty() && appl != QLatin1String("ALL"))
            row(QStringLiteral("applList"), appl);
    });
}

int tlist_showProdSite(TList* tlist, int parentIndex, const std::shared_ptr<IKalvexProdSite>& site,
                       bool onlyModified)
{
    return showEntry(tlist, parentIndex, site, onlyModified, [&](const Rows& row, int) {
        entryRows(row, *site);
        row(QStringLiteral("intCounter"), site->intCounter());
        row(QStringLiteral("modified"), site->modified());
        row.blank();
        for (int line = 1; line <= 4; ++line)
            row(QStringLiteral("address") + QString::number(line), site->address(line));
        row(QStringLiteral("emailData"), site->emailData());
        row(QStringLiteral("emailNotify"), site->emailNotify());
        row(QStringLiteral("displayOrder"), site->displayOrder());
    });
}

namespace {

// Product classes and file types show the same rows.
int showPlainEntry(TList* tlist, int parentIndex, const std::shared_ptr<IKalvexNamedItem>& entry,
                   bool onlyModified)
{
    return showEntry(tlist, parentIndex, entry, onlyModified, [&](const Rows& row, int) {
        entryRows(row, *entry);
        row(QStringLiteral("intCounter"), entry->intCounter());
        row(QStringLiteral("modified"), entry->modified());
    });
}

} // namespace

int tlist_showProdClass(TList* tlist, int parentIndex, const std::shared_ptr<IKalvexProdClass>& prodClass,
                        bool onlyModified)
{
    return showPlainEntry(tlist, parentIndex, prodClass, onlyModified);
}

int tlist_showFileType(TList* tlist, int parentIndex, const std::shared_ptr<IKalvexFileType>& fileType,
                       bool onlyModified)
{
    return showPlainEntry(tlist, parentIndex, fileType, onlyModified);
}

int tlist_showGenAssignment(TList* tlist, int parentIndex,
                            const std::shared_ptr<IKalvexGenAssignment>& assignment, bool onlyModified)
{
    auto caption = [&] { return siteCaption(assignment->productionSite()); };
    return showItem(tlist, parentIndex, assignment, onlyModified, caption, [&](const Rows& row, int) {
        const auto generator = assignment->generator();
        row(QStringLiteral("generator"), morvObjs_getName(generator, kNoReference) + QLatin1Char('(')
                                             + morvObjs_getId(generator, kNoReference) + QLatin1Char(')'));
        row(QStringLiteral("inUse"), assignment->inUse());
        row(QStringLiteral("additionalGenParms"), assignment->additionalGenParms());
        row(QStringLiteral("modified"), assignment->modified());
    });
}

int tlist_showPsiteAssignment(TList* tlist, int parentIndex,
                              const std::shared_ptr<IKalvexPsiteAssignment>& assignment, bool onlyModified)
{
    auto caption = [&] { return siteCaption(assignment->productionSite()); };
    return showItem(tlist, parentIndex, assignment, onlyModified, caption, [&](const Rows& row, int) {
        row(QStringLiteral("inUse"), assignment->inUse());
        row(QStringLiteral("additionalGenParms"), assignment->additionalParms());
        row(QStringLiteral("modified"), assignment->modified());
    });
}

int tlist_showAdminDbStatus(TList* tlist, int parentIndex, const std::shared_ptr<IKalvexADMDbStatus>& status,
                            bool onlyModified)
{
    Q_UNUSED(onlyModified) // shown in either mode
    int result = -1;
    if (!tlist || !status)
        return result;
    tlist_viewFrame(tlist, [&] {
        tlist_node built(tlist, parentIndex, QStringLiteral("Admin_Db_Status"));
        const int node = built.row();
        result = node;
        const Rows row{tlist, node};
        row(QStringLiteral("dbVersion"), status->dbVersion());
        row(QStringLiteral("dbRevision"), status->dbRevision());
        row(QStringLiteral("dbSubRevision"), status->dbSubRevision());
        row(QStringLiteral("dbType"), status->dbType());
        row(QStringLiteral("maxLayers"), status->maxLayers());
        for (int objType : {OBJ_ADMIN_DB, OBJ_DISTRIBUTOR, OBJ_ERROR_FILTER, OBJ_FILE_TYPE, OBJ_GENERATOR,
                            OBJ_PROCESS, OBJ_PRODUCT_CLASS, OBJ_PRODUCTION_SITE})
            tlist_showAdminDbStatusDate(objType, status, tlist, node);
        built.close();
    });
    return result;
}

} // namespace kalvex
