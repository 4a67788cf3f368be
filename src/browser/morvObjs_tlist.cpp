#include "browser/morvObjs_tlist.h"

#include <QHash>
#include <QPointer>
#include <charconv>

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
    struct Known {
        qint64 handle;
        std::weak_ptr<IKalvexObject> object;
    };
    QHash<const IKalvexObject*, Known> byObject;
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

// The browser's pictures for process rows, by processPicture.
constexpr const char* PROCESS_PICTURES[] = {"pictSingle", "pictMaster", "pictMasterVar"};

// A process type's picture (an index into PROCESS_PICTURES); -1 for none.
int processPicture(int type)
{
    switch (type) {
    case PROC_SINGLE:
    case PROC_CHILD: return 0;
    case PROC_PARENT:
    case PROC_EMPTY_PARENT: return 1;
    case PROC_HDR_VAR_INIT:
    case PROC_HDR_MASTER_INIT: return 2;
    default: return -1;
    }
}

} // namespace

qint64 morvObjs_objectHandle(const IKalvexObjectPtr& object)
{
    if (!object)
        return 0;
    HandleTable& t = handles();
    const auto known = t.byObject.constFind(object.get());
    // The same object, not a new one at the address of one gone: a weak
    // reference keeps its object's owner from being reused.
    if (known != t.byObject.cend() && !known->object.owner_before(object) && !object.owner_before(known->object))
        return known->handle;
    // Forget the handles of objects that are gone now and then.
    if (++t.sinceSweep >= 4096) {
        t.sinceSweep = 0;
        for (auto it = t.objects.begin(); it != t.objects.end();)
            it = it.value().expired() ? t.objects.erase(it) : std::next(it);
        for (auto it = t.byObject.begin(); it != t.byObject.end();)
            it = t.objects.contains(it->handle) ? std::next(it) : t.byObject.erase(it);
    }
    const qint64 h = ++t.next;
    t.objects.insert(h, object);
    t.byObject.insert(object.get(), HandleTable::Known{h, object});
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
    if (levels <= 0)
        return QString();
    QString text(qsizetype(levels) * 13 - 1, Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    for (int level = 1; level <= levels; ++level) {
        if (level > 1)
            *out++ = u'.';
        const qint64 n = key->numberAtLevel(level);
        quint64 v = n < 0 ? quint64(0) - quint64(n) : quint64(n);
        char16_t digits[24];
        int len = 0;
        do {
            digits[len++] = char16_t(u'0' + v % 10);
            v /= 10;
        } while (v);
        if (n < 0)
            *out++ = u'-';
        for (int pad = len; pad < (n < 0 ? 11 : 12); ++pad)
            *out++ = u'0';
        while (len > 0)
            *out++ = digits[--len];
    }
    text.truncate(out - reinterpret_cast<const char16_t*>(text.constData()));
    return text;
}

void appendNumber(QString& text, qint64 n)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
    text += QLatin1StringView(digits, end - digits);
}

// Adds the row of an object whose kinds the caller knows already.
void addObjectRow(TList* tree, tlist_rowRec& rec, const IKalvexObjectPtr& object, const IKalvexNamedItem* named,
                  const IKalvexProcess* process, int parentRow, int keyNumber)
{
    rec.parentIndex = parentRow;
    if (rec.text.isEmpty() && named)
        rec.text = named->name();
    // Filled before it is shown: the list hears of the row once.
    rec.mode = QStringLiteral("ADD");
    rec.itemIndex = tree->NewItem(rec.text);
    tlist_applyRow(tree, rec.itemIndex, rec);
    QString key = object->objectKind();
    key.reserve(key.size() + 24);
    key += QLatin1Char('#');
    appendNumber(key, keyNumber);
    key += QLatin1Char('#');
    appendNumber(key, morvObjs_objectHandle(object));
    tree->setItemKey(rec.itemIndex, key);
    tree->setItemValue(rec.itemIndex, SORTKEY_OBJECTS,
                       process ? paddedOrderKey(*process) : named ? named->name() : QString());
    tree->PlaceItem(rec.itemIndex, parentRow >= 0 ? parentRow : -1);
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
    const auto* named = dynamic_cast<const IKalvexNamedItem*>(object.get());
    const auto* process = dynamic_cast<const IKalvexProcess*>(named);
    if (process)
        if (const int picture = processPicture(process->processType()); picture >= 0)
            rec.picture1 = browserPicture(PROCESS_PICTURES[picture]);
    addObjectRow(tree, rec, object, named, process, parentRow, keyNumber);
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
    const auto parms = enumerator->enumParms();
    if (!parms)
        return;
    // Every parameter is set, each only when it differs: the enumeration
    // keeps its order and filter from the last fill while nothing changed.
    if (const auto sites = parms->productionSites()) {
        const bool same = sites->count() == (site ? 1 : 0) && (!site || sites->item(1) == site);
        if (!same) {
            sites->clear();
            if (site)
                sites->add(site);
        }
    }
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
    // The pictures by process type, looked up once per fill.
    QPixmap pictures[std::size(PROCESS_PICTURES)];
    for (size_t p = 0; p < std::size(PROCESS_PICTURES); ++p)
        pictures[p] = browserPicture(PROCESS_PICTURES[p]);
    const QVariant rowData = QStringLiteral("processes");
    const int count = enumerator->count();
    for (int i = 1; i <= count; ++i) {
        const IKalvexProcessPtr process = enumerator->item(i);
        if (!process)
            continue;
        const int type = process->processType();
        if (type == PROC_EOL_MARKER || type == PROC_UNDEFINED || type == PROC_HDR_PROD_SITE
            || type == PROC_EMPTY_PARENT)
            continue;
        const auto key = process->orderKey();
        const int level = key ? key->indentLevel() : 0;
        if (level < 1 || level > 7)
            continue;
        tlist_rowRec rec;
        rec.foreColor = type == PROC_PARENT ? VbColor::InactiveCaptionText : VbColor::WindowText;
        rec.useVariantData = true;
        rec.variantData = rowData;
        if (const int picture = processPicture(type); picture >= 0)
            rec.picture1 = pictures[picture];
        addObjectRow(tree, rec, process, process.get(), process.get(), levels->listIndexAtLevel(level - 1), 0);
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
