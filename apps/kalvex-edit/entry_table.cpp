// Rows of the generator and distributor lists, filled in one pass.
#include "entry_table.h"

#include <QAbstractItemView>
#include <QBrush>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QPalette>
#include <QToolTip>
#include <algorithm>

#include "interfaces/IKalvexDistributor.h"
#include "interfaces/IKalvexGenerators.h"

namespace kalvex::edit {

namespace {
constexpr int kReservedSystem = 3;
constexpr int kReservedSystemInvisible = 4;
} // namespace

bool isReadOnlyCode(int reservedItem)
{
    return reservedItem == kReservedSystem || reservedItem == kReservedSystemInvisible;
}

std::vector<Entry> generatorEntries(const IKalvexAdministratorPtr& adm)
{
    std::vector<Entry> rows;
    const auto gens = adm ? adm->generators() : nullptr;
    if (!gens)
        return rows;
    rows.reserve(static_cast<size_t>(gens->count()));
    for (int i = 1; i <= gens->count(); ++i)
        if (const auto g = gens->item(i))
            rows.push_back({g->id(), g->name(), g->cmdGen(false), isReadOnlyCode(g->reservedItem()), g->parameters()});
    return rows;
}

std::vector<Entry> distributorEntries(const IKalvexAdministratorPtr& adm)
{
    std::vector<Entry> rows;
    const auto dists = adm ? adm->distributors() : nullptr;
    if (!dists)
        return rows;
    rows.reserve(static_cast<size_t>(dists->count()));
    for (int i = 1; i <= dists->count(); ++i)
        if (const auto d = dists->item(i, SORT_COLLECTION))
            rows.push_back(
                {d->id(), d->name(), d->distribExe(false), isReadOnlyCode(d->reservedItem()), d->parameters()});
    return rows;
}

EntryTableModel::EntryTableModel(QString commandTitle, QObject* parent)
    : QAbstractTableModel(parent), m_commandTitle(std::move(commandTitle))
{
}

void EntryTableModel::setEntries(std::vector<Entry> entries)
{
    beginResetModel();
    m_entries = std::move(entries);
    endResetModel();
}

const Entry* EntryTableModel::entry(int row) const
{
    return row >= 0 && row < static_cast<int>(m_entries.size()) ? &m_entries[static_cast<size_t>(row)] : nullptr;
}

int EntryTableModel::rowOf(const QString& id) const
{
    if (id.isEmpty())
        return -1;
    const auto it = std::ranges::find_if(
        m_entries, [&](const Entry& e) { return e.id.compare(id, Qt::CaseInsensitive) == 0; });
    return it == m_entries.end() ? -1 : static_cast<int>(it - m_entries.begin());
}

int EntryTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_entries.size());
}

int EntryTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant EntryTableModel::data(const QModelIndex& index, int role) const
{
    const Entry* e = entry(index.row());
    if (!e)
        return {};
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case ColId: return e->id;
        case ColName: return e->name;
        case ColAccess: return e->readOnly ? QStringLiteral("read-only") : QString();
        case ColCommand: return e->command;
        default: return {};
        }
    }
    if (role == Qt::ForegroundRole && e->readOnly)
        return QGuiApplication::palette().brush(QPalette::Disabled, QPalette::Text);
    return {};
}

QVariant EntryTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case ColId: return QStringLiteral("Id");
    case ColName: return QStringLiteral("Name");
    case ColAccess: return QStringLiteral("Access");
    case ColCommand: return m_commandTitle;
    default: return {};
    }
}

bool CutTextToolTips::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                                const QModelIndex& index)
{
    if (event->type() != QEvent::ToolTip)
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    const QString text = index.data(Qt::DisplayRole).toString();
    if (!text.isEmpty() && sizeHint(option, index).width() > option.rect.width())
        QToolTip::showText(event->globalPos(), text, view->viewport(), option.rect);
    else
        QToolTip::hideText();
    return true;
}

} // namespace kalvex::edit
