#include "platform/vaSpreadView.h"

#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>

#include "platform/VbFocusMark.h"

namespace kalvex {

vaSpreadView::vaSpreadView(QWidget* parent)
    : QTableWidget(parent)
{
    QItemSelectionModel* stock = selectionModel();
    setSelectionModel(new vaSpreadCaretModel(model(), this));
    delete stock;
    setItemDelegate(new vaSpreadDelegate(this));
    // The caret is the only mark: a selection would drift from it when a move is vetoed.
    setSelectionMode(NoSelection);
    setEditTriggers(AnyKeyPressed | DoubleClicked | EditKeyPressed);
    setTabKeyNavigation(true);
    setWordWrap(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
}

bool vaSpreadView::allowMove(const QModelIndex& from, const QModelIndex& to) const
{
    return !m_guard || m_guard(from, to);
}

void vaSpreadView::commitEdit()
{
    if (!isEditing() || !m_editIndex.isValid())
        return;
    if (QWidget* editor = indexWidget(m_editIndex)) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

QModelIndex vaSpreadView::neighbourCell(const QModelIndex& from, bool forward) const
{
    const int rows = rowCount();
    const int cols = columnCount();
    if (rows < 1 || cols < 1)
        return {};
    int r = from.isValid() ? from.row() : (forward ? 0 : rows - 1);
    int c = from.isValid() ? from.column() + (forward ? 1 : -1) : (forward ? 0 : cols - 1);
    for (;;) {
        if (c >= cols) {
            c = 0;
            ++r;
        } else if (c < 0) {
            c = cols - 1;
            --r;
        }
        if (r < 0 || r >= rows)
            return {};
        if (isRowHidden(r)) {
            // A hidden row is passed over whole, not cell by cell.
            r += forward ? 1 : -1;
            c = forward ? 0 : cols - 1;
            continue;
        }
        if (!isColumnHidden(c))
            return model()->index(r, c);
        c += forward ? 1 : -1;
    }
}

void vaSpreadView::tabStep(bool forward, bool leave)
{
    // What was typed belongs to the cell it was typed in, wherever the focus goes.
    const bool hadEditor = isEditing();
    commitEdit();
    if (hadEditor)
        setFocus(Qt::OtherFocusReason);
    if (!leave) {
        // A cell the guard refuses is stepped over: Tab goes on to the next one.
        for (QModelIndex to = neighbourCell(currentIndex(), forward); to.isValid();
             to = neighbourCell(to, forward)) {
            selectionModel()->setCurrentIndex(to, QItemSelectionModel::NoUpdate);
            if (currentIndex() == to)
                return;
        }
    }
    // Past the last cell (before the first): the next control of the window.
    QWidget::focusNextPrevChild(forward);
}

bool vaSpreadView::focusNextPrevChild(bool next)
{
    // Tab and Shift+Tab while the grid has the focus.
    if (!hasFocus())
        return QWidget::focusNextPrevChild(next);
    tabStep(next, false);
    return true;
}

void vaSpreadView::keyPressEvent(QKeyEvent* e)
{
    // Ctrl+Tab and Ctrl+Shift+Tab reach here: they never stop in a cell.
    if (e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab) {
        const bool back = e->key() == Qt::Key_Backtab || (e->modifiers() & Qt::ShiftModifier);
        tabStep(!back, (e->modifiers() & Qt::ControlModifier) != 0);
        e->accept();
        return;
    }
    QTableWidget::keyPressEvent(e);
}

void vaSpreadView::focusInEvent(QFocusEvent* e)
{
    // Shift+Tab into a grid without a caret starts at its last cell.
    if (e->reason() == Qt::BacktabFocusReason && !currentIndex().isValid()) {
        const QModelIndex last = neighbourCell({}, false);
        if (last.isValid())
            selectionModel()->setCurrentIndex(last, QItemSelectionModel::NoUpdate);
    }
    QTableWidget::focusInEvent(e);
    // The caret's frame shows whether the grid has the focus.
    viewport()->update();
}

void vaSpreadView::focusOutEvent(QFocusEvent* e)
{
    QTableWidget::focusOutEvent(e);
    viewport()->update();
}

bool vaSpreadView::viewportEvent(QEvent* e)
{
    const bool done = QTableWidget::viewportEvent(e);
    // A grid without rows shows the focus too.
    if (e->type() == QEvent::Paint)
        vbl_paintEmptyViewFocus(this);
    return done;
}

bool vaSpreadView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    // Only the active cell is edited; a vetoed move must not leave an editor
    // open in the cell the caret never reached.
    if (index.isValid() && index != currentIndex())
        return false;
    const bool wasEditing = isEditing();
    const bool opened = QTableWidget::edit(index, trigger, event);
    if (opened && !wasEditing && isEditing()) {
        m_editIndex = index;
        m_textAtEdit = index.data(Qt::DisplayRole).toString();
        emit editStarted(index);
    }
    return opened;
}

void vaSpreadView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    // The editor has already committed: report the end before the base class
    // moves on to the next cell and perhaps opens the next editor.
    if (m_editIndex.isValid()) {
        const QModelIndex index = m_editIndex;
        const bool changed = index.data(Qt::DisplayRole).toString() != m_textAtEdit;
        m_editIndex = QPersistentModelIndex();
        emit editEnded(index, changed);
    }
    QTableWidget::closeEditor(editor, hint);
}

vaSpreadCaretModel::vaSpreadCaretModel(QAbstractItemModel* model, vaSpreadView* view)
    : QItemSelectionModel(model, view)
    , m_view(view)
{
}

void vaSpreadCaretModel::setCurrentIndex(const QModelIndex& index,
                                         QItemSelectionModel::SelectionFlags command)
{
    const QModelIndex from = currentIndex();
    if (index.isValid() && index != from && !m_view->allowMove(from, index))
        return;
    QItemSelectionModel::setCurrentIndex(index, command);
}

vaSpreadDelegate::vaSpreadDelegate(vaSpreadView* view)
    : QStyledItemDelegate(view)
    , m_view(view)
{
}

void vaSpreadDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const
{
    QStyleOptionViewItem opt(option);
    // The cell colours are the grid's own; the style must not replace them by
    // its focus or hover look.
    opt.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver | QStyle::State_Selected);
    QStyledItemDelegate::paint(painter, opt, index);
    if (index == m_view->currentIndex()) {
        // Bold while the grid has the focus, thin and grey while it waits.
        const bool focused = m_view->hasFocus() || m_view->isEditing();
        painter->save();
        if (focused) {
            painter->setPen(QPen(option.palette.color(QPalette::WindowText), 2));
            painter->drawRect(option.rect.adjusted(1, 1, -1, -1));
        } else {
            painter->setPen(QPen(option.palette.color(QPalette::Mid), 1));
            painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
        }
        painter->restore();
    }
}

bool vaSpreadDelegate::eventFilter(QObject* editor, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* k = static_cast<QKeyEvent*>(event);
        if (k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) {
            const bool back = k->key() == Qt::Key_Backtab || (k->modifiers() & Qt::ShiftModifier);
            m_view->tabStep(!back, (k->modifiers() & Qt::ControlModifier) != 0);
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(editor, event);
}

} // namespace kalvex
