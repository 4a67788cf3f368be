#include "platform/vaSpreadView.h"

#include <QHeaderView>
#include <QPainter>

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
        painter->save();
        QPen pen(option.palette.color(QPalette::WindowText), 2);
        painter->setPen(pen);
        painter->drawRect(option.rect.adjusted(1, 1, -1, -1));
        painter->restore();
    }
}

} // namespace kalvex
