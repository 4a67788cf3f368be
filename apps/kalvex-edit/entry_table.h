// The rows of the host window's two lists: one generator or distributor
// each (id, name, whether it is read-only, command or program), with the
// parameter set that opening the row edits; a cell cut by its column reads
// in full as a tool tip.
#pragma once
#include <QAbstractTableModel>
#include <QStyledItemDelegate>
#include <vector>

#include "interfaces/IKalvexAdministrator.h"
#include "interfaces/IKalvexGenParms.h"

namespace kalvex::edit {

struct Entry {
    QString id, name, command;
    bool readOnly = false;
    IKalvexGenParmsPtr parms;
};

// Reservation codes 3 and 4 make an entry's parameters read-only.
bool isReadOnlyCode(int reservedItem);

std::vector<Entry> generatorEntries(const IKalvexAdministratorPtr& adm);
std::vector<Entry> distributorEntries(const IKalvexAdministratorPtr& adm);

class EntryTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { ColId, ColName, ColAccess, ColCommand, ColumnCount };

    EntryTableModel(QString commandTitle, QObject* parent = nullptr);

    // Replaces every row at once.
    void setEntries(std::vector<Entry> entries);
    const Entry* entry(int row) const;
    // The row of the entry with this id (any letter case), -1 when none.
    int rowOf(const QString& id) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString m_commandTitle;
    std::vector<Entry> m_entries;
};

// Shows a cell cut by its column (a long name or command) in full as a tool
// tip; a cell that fits has none. Measured only when a tip is asked for.
class CutTextToolTips : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;
};

} // namespace kalvex::edit
