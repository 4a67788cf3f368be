#include "browser/morvObjs_tlist.h"

#include <QHash>
#include <QPointer>

#include "generators/KalvexProcessOrderKey.h"
#include "interfaces/IKalvexProcess.h"
#include "interfaces/IKalvexProcessEnumerator.h"
#include "platform/TList.h"
#include "platform/VbColors.h"

namespace kalvex {

namespace {

struct HandleTable {
    QHash<qint64, std::weak_ptr<IKalvexObject>> objects;
    // The handle given to each live object, so that refilling a tree does
    // not grow the table.
    QHash<const IKalvexObject*, qint64> byObject;
    qint64 next = 0;
    int sinceSweep = 0;
};

HandleTable& handles()
{
    static HandleTable table;
    return table;
}

QPointer<QObject> s_browserForm;

QPixmap browserPicture(const char* name)
{
    auto* source = dynamic_cast<IRowPictureSource*>(s_browserForm.data());
    return source ? source->rowPicture(QLatin1String(name)) : QPixmap();
}

const char* processPictureName(int type)
{
    switch (type) {
    case PROC_SINGLE:
    case PROC_CHILD: return "pictSingle";
    case PROC_PARENT:
    case PROC_EMPTY_PARENT: return "pictMaster";
    case PROC_HDR_VAR_INIT:
    case PROC_HDR_MASTER_INIT: return "pictMasterVar";
    default: return nullptr;
    }
}

} // namespace

qint64 morvObjs_objectHandle(const IKalvexObjectPtr& object)
{
    if (!object)
        return 0;
    HandleTable& t = handles();
    const auto known = t.byObject.constFind(object.get());
    if (known != t.byObject.cend()) {
        const auto it = t.objects.constFind(known.value());
        // The same object, not a new one at the address of one gone.
        if (it != t.objects.cend() && it.value().lock() == object)
            return known.value();
    }
    // Forget the handles of objects that are gone now and then.
    if (++t.sinceSweep >= 4096) {
        t.sinceSweep = 0;
        for (auto it = t.objects.begin(); it != t.objects.end();)
            it = it.value().expired() ? t.objects.erase(it) : std::next(it);
        for (auto it = t.byObject.begin(); it != t.byObject.end();)
            it = t.objects.contains(it.value()) ? std::next(it) : t.byObject.erase(it);
    }
    const qint64 h = ++t.next;
    t.objects.insert(h, object);
    t.byObject.insert(object.get(), h);
    return h;
}

IKalvexObjectPtr morvObjs_objectFromHandle(qint64 handle)
{
    if (handle <= 0)
        return nullptr;
    HandleTable& t = handles();
    auto it = t.objects.find(handle);
    if (it == t.objects.end())
        return nullptr;
    IKalvexObjectPtr obj = it.value().lock();
    if (!obj)
        t.objects.erase(it);
    return obj;
}

void morvObjs_setFileBrowserForm(QObject* form)
{
    s_browserForm = form;
}

QObject* morvObjs_fileBrowserForm()
{
    return s_browserForm.data();
}

namespace {

// A process's order key with every number zero-padded to twelve digits (a
// sign in front of negative ones), so that text order is key order.
QString paddedOrderKey(const IKalvexProcess& process)
{
    const auto key = process.orderKey();
    const int levels = key ? key->indentLevel() : 0;
    QString text;
    text.reserve(levels * 13);
    char digits[24];
    for (int level = 1; level <= levels; ++level) {
        if (level > 1)
            text += QLatin1Char('.');
        const qint64 n = key->numberAtLevel(level);
        quint64 v = n < 0 ? quint64(0) - quint64(n) : quint64(n);
        int len = 0;
        do {
            digits[len++] = char('0' + v % 10);
            v /= 10;
        } while (v);
        if (n < 0)
            text += QLatin1Char('-');
        for (int pad = len; pad < (n < 0 ? 11 : 12); ++pad)
            text += QLatin1Char('0');
        while (len > 0)
            text += QLatin1Char(digits[--len]);
    }
    return text;
}

} // namespace

QString morvObjs_sortValue(const IKalvexObjectPtr& object)
{
    if (auto process = std::dynamic_pointer_cast<IKalvexProcess>(object))
        return paddedOrderKey(*process);
    if (auto named = std::dynamic_pointer_cast<IKalvexNamedItem>(object))
        return named->name();
    return QString();
}

void morvObjs_tlistAddObject(TList* tree, tlist_rowRec& rec, const IKalvexObjectPtr& object, int parentRow,
                             int keyNumber)
{
    if (!tree || !object)
        return;
    rec.parentIndex = parentRow;
    const auto named = std::dynamic_pointer_cast<IKalvexNamedItem>(object);
    const auto process = std::dynamic_pointer_cast<IKalvexProcess>(named);
    if (rec.text.isEmpty() && named)
        rec.text = named->name();
    if (process)
        if (const char* name = processPictureName(process->processType()))
            rec.picture1 = browserPicture(name);
    // Filled before it is shown: the list hears of the row once.
    rec.mode = QStringLiteral("ADD");
    rec.itemIndex = tree->NewItem(rec.text);
    tlist_applyRow(tree, rec.itemIndex, rec);
    QString key = object->objectKind();
    key.reserve(key.size() + 24);
    key += QLatin1Char('#');
    key += QString::number(keyNumber);
    key += QLatin1Char('#');
    key += QString::number(morvObjs_objectHandle(object));
    tree->setItemKey(rec.itemIndex, key);
    tree->setItemValue(rec.itemIndex, SORTKEY_OBJECTS,
                       process ? paddedOrderKey(*process) : named ? named->name() : QString());
    tree->PlaceItem(rec.itemIndex, parentRow >= 0 ? parentRow : -1);
}

IKalvexObjectPtr morvObjs_tlistDecodeRowKey(const TList* tree, const QString& key, int row, tlist_rowRec& rec,
                                            bool readObject)
{
    const QString text = key.isEmpty() && tree ? tree->ItemKey(row) : key;
    const QStringList pieces = text.split(QLatin1Char('#'));
    rec.key = pieces.value(0);
    rec.keyNumber = pieces.value(1).toInt();
    bool ok = false;
    const qint64 handle = pieces.size() >= 3 ? pieces[2].trimmed().toLongLong(&ok) : 0;
    rec.objectHandle = ok ? handle : -100;
    return readObject && ok ? morvObjs_objectFromHandle(handle) : nullptr;
}

void morvObjs_checkOut_fillProcTree(TList* tree, const IKalvexAdministratorPtr& adm, const QString& group,
                                    const std::shared_ptr<IKalvexProdSite>& site, const QString& firstRowText)
{
    if (!tree || !adm)
        return;
    const auto processes = adm->processes();
    const auto enumerator = processes ? processes->enumerator() : nullptr;
    if (!enumerator)
        return;
    enumerator->initialize();
    const auto parms = enumerator->enumParms();
    if (!parms)
        return;
    if (site && parms->productionSites())
        parms->productionSites()->add(site);
    parms->setMustGenerateDatafile(true);
    parms->setIncludeRegular(true);
    parms->setIncludeMasterInit(false);
    parms->setIncludeVariantInit(false);
    parms->setProcessUse(group == QLatin1String("VARIANT_PROCS") ? ENUM_USE_VARIANT : ENUM_USE_MASTER);

    const bool redrawWasOn = tree->Redraw();
    tlist_initGrid(tree->window(), tree, tlist_gridSetup{QStringLiteral("processes"), {}}, {});
    tree->setSortValueName(SORTKEY_OBJECTS);
    // The processes go below the first row while it is out of sight; the
    // list hears of them all once the first row is placed.
    tlist_rowRec first;
    first.text = firstRowText;
    first.picture1 = browserPicture("pictPsite");
    first.itemIndex = tree->NewItem(first.text);
    tlist_applyRow(tree, first.itemIndex, first);

    // Row of the last process seen at each level; level 0 is the first row.
    const auto levels = classCreate_KalvexProcessOrderKey();
    levels->setListIndexAtLevel(0, first.itemIndex);
    for (int i = 1; i <= enumerator->count(); ++i) {
        const IKalvexProcessPtr process = enumerator->item(i);
        if (!process)
            continue;
        const int type = process->processType();
        if (type == PROC_EOL_MARKER || type == PROC_UNDEFINED || type == PROC_HDR_PROD_SITE
            || type == PROC_EMPTY_PARENT)
            continue;
        const int level = process->orderKey() ? process->orderKey()->indentLevel() : 0;
        if (level < 1 || level > 7)
            continue;
        tlist_rowRec rec;
        rec.foreColor = type == PROC_PARENT ? VbColor::InactiveCaptionText : VbColor::WindowText;
        rec.useVariantData = true;
        rec.variantData = QStringLiteral("processes");
        morvObjs_tlistAddObject(tree, rec, process, levels->listIndexAtLevel(level - 1));
        if (level != 7)
            levels->setListIndexAtLevel(level, rec.itemIndex);
    }
    tree->PlaceItem(first.itemIndex, -1);
    if (tree->ListCount() > 0)
        tree->setListIndex(0);
    if (tree->ListCount() == 1)
        tree->Clear();
    tree->setItemExpanded(-1, false);
    // The first row only groups the processes: it is shown open.
    tree->setItemExpanded(0, true);
    if (redrawWasOn)
        tree->setRedraw(true);
}

} // namespace kalvex
