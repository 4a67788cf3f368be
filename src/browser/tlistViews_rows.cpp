// Row procedures shared by the object tree views.
#include "browser/tlistViews_rows.h"

#include <QLocale>

#include "admin/objTypeText.h"
#include "foundation/morvObjs_names.h"
#include "foundation/vbl_str.h"
#include "interfaces/IKalvexADMDbStatus.h"
#include "interfaces/IKalvexAdministrator.h"
#include "interfaces/IKalvexGenerators.h"
#include "interfaces/IKalvexJobPreferences.h"
#include "interfaces/IKalvexProcess.h"
#include "interfaces/IKalvexTask.h"
#include "platform/TList.h"
#include "platform/VbTwips.h"
#include "platform/tlist_procs.h"

namespace kalvex {

namespace {

// Counts one collection kind; false when the object is not of that kind.
template <typename Coll>
bool countAs(const IKalvexObjectPtr& object, const QString& label, int& count, int& mods, bool onlyModified,
             QString& caption)
{
    const auto coll = std::dynamic_pointer_cast<Coll>(object);
    if (!coll)
        return false;
    caption = getCollCountsOf(coll, label, count, mods, onlyModified);
    return true;
}

} // namespace

tlist_redrawOff::tlist_redrawOff(TList* tlist) : m_tlist(tlist), m_wasOn(tlist && tlist->Redraw())
{
    if (m_wasOn)
        m_tlist->setRedraw(false);
}

tlist_redrawOff::~tlist_redrawOff()
{
    if (m_wasOn)
        m_tlist->setRedraw(true);
}

void tlist_prepareGrid(TList* tlist)
{
    if (!tlist)
        return;
    const bool wasOn = tlist->Redraw();
    tlist_initGrid(tlist->window(), tlist, tlist_gridSetup{}, {});
    tlist->setCellSeparator(TLIST_CELL_SEPARATOR);
    // Name and value: the name column at a fixed width (no measuring over
    // the rows), the value column taking the rest.
    tlist->setColumnCount(2);
    tlist->setHeaderHidden(true);
    tlist->setColumnWidth(0, twipsToPixelsX(3600));
    if (wasOn)
        tlist->setRedraw(true);
}

QString tlist_valueText(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::QString: return value.toString();
    case QMetaType::Bool: return vbl_bool_toYesNo(value.toBool());
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort: {
        QLocale locale;
        locale.setNumberOptions(QLocale::OmitGroupSeparator);
        return locale.toString(value.toLongLong());
    }
    case QMetaType::Double:
    case QMetaType::Float: {
        QLocale locale;
        locale.setNumberOptions(QLocale::OmitGroupSeparator);
        return locale.toString(value.toDouble(), 'g', QLocale::FloatingPointShortest);
    }
    default: return value.toString().trimmed();
    }
}

void tlist_addNameVal(const QString& name, const QVariant& value, TList* tlist, int parentIndex)
{
    if (!tlist)
        return;
    const QChar sep(TLIST_CELL_SEPARATOR);
    const QString text = tlist_valueText(value);
    if (!name.contains(sep) && !text.contains(sep)) {
        tlist->AddItem(name + sep + text, parentIndex);
        return;
    }
    // A "^" of the name or value is text, not a cell boundary.
    tlist->AddItemCells({name, text}, parentIndex);
}

void tlist_adjustItemGrid(TList* tlist, int row)
{
    Q_UNUSED(tlist)
    Q_UNUSED(row)
}

QString getReservedStr(int code)
{
    const char* label = "<?\?\?>";
    switch (code) {
    case NOT_RESERVED: label = "None"; break;
    case NO_DELETE: label = "No delete"; break;
    case INTERNAL: label = "Internal"; break;
    case SYSTEM: label = "System"; break;
    case SYSTEM_INVISIBLE: label = "System-Invis"; break;
    default: break;
    }
    return QLatin1Char('(') + QString::number(code) + QLatin1String(") ") + QLatin1String(label);
}

quint32 getReservedColor(int code)
{
    switch (code) {
    case NO_DELETE: return 0x00FF00u;
    case INTERNAL: return 0x0000FFu;
    case SYSTEM:
    case SYSTEM_INVISIBLE: return 0xFF0000u;
    default: return 0;
    }
}

QString tlist_collCaption(int collModified, const QString& label, int count, int mods)
{
    return label + QLatin1String(" - Cnt:") + QString::number(count) + QLatin1String(" - Mods:")
        + QString::number(mods) + QLatin1String(" - Mod on Coll:") + QString::number(collModified);
}

QString getCollCounts(const IKalvexObjectPtr& collection, const QString& label, int& count, int& mods,
                      bool onlyModified)
{
    QString caption;
    if (countAs<IKalvexGenAssignments>(collection, label, count, mods, onlyModified, caption)
        || countAs<IKalvexGenParms>(collection, label, count, mods, onlyModified, caption)
        || countAs<IKalvexPsiteAssignments>(collection, label, count, mods, onlyModified, caption)
        || countAs<IKalvexProcesses>(collection, label, count, mods, onlyModified, caption)
        || countAs<IKalvexGenerators>(collection, label, count, mods, onlyModified, caption)
        || countAs<IKalvexDistributors>(collection, label, count, mods, onlyModified, caption)
        || countAs<IKalvexErrorFilters>(collection, label, count, mods, onlyModified, caption)
        || countAs<IKalvexProdSites>(collection, label, count, mods, onlyModified, caption)
        || countAs<IKalvexProdClasses>(collection, label, count, mods, onlyModified, caption)
        || countAs<IKalvexFileTypes>(collection, label, count, mods, onlyModified, caption)
        || countAs<IKalvexJobLayers>(collection, label, count, mods, onlyModified, caption)
        || countAs<IKalvexJobViaSpans>(collection, label, count, mods, onlyModified, caption)
        || countAs<IKalvexTasks>(collection, label, count, mods, onlyModified, caption))
        return caption;
    count = 0;
    mods = 0;
    return tlist_collCaption(collection ? collection->modified() : 0, label, 0, 0);
}

QString getNameIdString(const IKalvexObjectPtr& object)
{
    if (!object)
        return QStringLiteral("No reference set ! ");
    return morvObjs_getName(object, QString()) + QLatin1String(" (") + morvObjs_getId(object, QString())
        + QLatin1Char(')');
}

void tlist_showAdminDbStatusDate(int objType, const std::shared_ptr<IKalvexADMDbStatus>& status, TList* tlist,
                                 int parentIndex)
{
    if (!status || !tlist)
        return;
    const QString date = status->modificationDate(objType);
    if (date.isEmpty())
        return;
    const QString keyword = morvObjs_objTypeToStr(objType);
    if (keyword.isEmpty())
        return;
    tlist_addNameVal(QStringLiteral("Moddate ") + keyword, date, tlist, parentIndex);
}

namespace {

// A node row not shown yet; -1 without a list.
int newNode(TList* tlist, const QString& caption, bool bold, quint32 color)
{
    if (!tlist)
        return -1;
    tlist_rowRec rec;
    rec.text = caption;
    rec.useVariantData = true;
    rec.fontBold = bold;
    rec.foreColor = color;
    // A caption is one cell, whatever it holds.
    const int separator = tlist->CellSeparator();
    const bool whole = caption.contains(QChar(TLIST_CELL_SEPARATOR));
    if (whole)
        tlist->setCellSeparator(0);
    const int row = tlist->NewItem(caption);
    if (whole)
        tlist->setCellSeparator(separator);
    tlist_applyRow(tlist, row, rec);
    return row;
}

} // namespace

int tlist_addNode(TList* tlist, int parentIndex, const QString& caption, bool bold, quint32 color)
{
    const int row = newNode(tlist, caption, bold, color);
    if (row >= 0)
        tlist->PlaceItem(row, parentIndex);
    return row;
}

tlist_node::tlist_node(TList* tlist, int parentIndex, const QString& caption, bool bold, quint32 color)
    : m_tlist(tlist), m_parent(parentIndex), m_row(newNode(tlist, caption, bold, color))
{
}

void tlist_node::close()
{
    if (!m_open || m_row < 0)
        return;
    m_open = false;
    m_tlist->PlaceItem(m_row, m_parent);
    m_tlist->setItemExpanded(m_row, false);
}

void tlist_collapse(TList* tlist, int row)
{
    if (tlist && row >= 0)
        tlist->setItemExpanded(row, false);
}

} // namespace kalvex
