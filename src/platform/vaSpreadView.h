// The table behind vaSpread. It adds what a spreadsheet needs on top of
// QTableWidget: a veto on every move of the caret, begin and end of cell
// editing as notifications, editing only in the active cell, and a frame
// drawn round the active cell (there is no selection, only the caret).
// Tab and Shift+Tab walk the visible cells row by row and leave the grid at
// its ends; Ctrl+Tab and Ctrl+Shift+Tab leave it at once. An open editor
// commits first.
#pragma once
#include <QItemSelectionModel>
#include <QPersistentModelIndex>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <functional>

namespace kalvex {

class vaSpreadView : public QTableWidget {
    Q_OBJECT
public:
    // Asked before the caret moves; false keeps it where it is.
    using MoveGuard = std::function<bool(const QModelIndex& from, const QModelIndex& to)>;

    explicit vaSpreadView(QWidget* parent = nullptr);

    void setMoveGuard(MoveGuard guard) { m_guard = std::move(guard); }
    bool allowMove(const QModelIndex& from, const QModelIndex& to) const;

    bool isEditing() const { return state() == EditingState; }
    QModelIndex editIndex() const { return m_editIndex; }
    // Ends edit mode keeping what was typed.
    void commitEdit();
    // A Tab key's step: commits an open editor, then moves the caret to the
    // next cell it may enter, or passes the focus on to the control after
    // (before) the grid when no cell is left or leave is set.
    void tabStep(bool forward, bool leave);

signals:
    void editStarted(const QModelIndex& index);
    void editEnded(const QModelIndex& index, bool changeMade);

protected:
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    bool viewportEvent(QEvent* e) override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    // The next visible cell in reading order (the one before), none past the ends.
    QModelIndex neighbourCell(const QModelIndex& from, bool forward) const;

    MoveGuard m_guard;
    QPersistentModelIndex m_editIndex;
    QString m_textAtEdit;
};

// Routes every change of the current index through the view's guard.
class vaSpreadCaretModel : public QItemSelectionModel {
    Q_OBJECT
public:
    vaSpreadCaretModel(QAbstractItemModel* model, vaSpreadView* view);
    void setCurrentIndex(const QModelIndex& index, QItemSelectionModel::SelectionFlags command) override;

private:
    vaSpreadView* m_view;
};

// Paints cells as usual and frames the active cell.
class vaSpreadDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit vaSpreadDelegate(vaSpreadView* view);
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    // Tab keys in an open editor go to the view's own Tab step.
    bool eventFilter(QObject* editor, QEvent* event) override;

private:
    vaSpreadView* m_view;
};

} // namespace kalvex
