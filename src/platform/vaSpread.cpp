#include "platform/vaSpread.h"

#include <QHeaderView>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/VbColors.h"
#include "platform/VbTwips.h"
#include "platform/vaSpreadView.h"

namespace kalvex {

namespace {

constexpr int BackCodeRole = Qt::UserRole + 1;
constexpr int ForeCodeRole = Qt::UserRole + 2;
constexpr int TextWidthRole = Qt::UserRole + 3; // the text's width when last measured
struct Range {
    int from;
    int to;
};

// -1 (or a block reaching -1) addresses 1..count; anything is clipped to it.
Range span(int a, int b, bool block, int count)
{
    if (a < 0 || (block && b < 0))
        return {1, count};
    if (!block)
        b = a;
    return {std::max(1, std::min(a, b)), std::min(count, std::max(a, b))};
}

} // namespace

vaSpread::vaSpread(QWidget* parent)
    : QFrame(parent)
    , m_view(new vaSpreadView(this))
{
    setFrameShape(QFrame::NoFrame);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    setFocusProxy(m_view);
    // The tab order places a control by its own focus policy: the grid takes
    // its place in the form's order, the view inside it gets the focus.
    setFocusPolicy(Qt::StrongFocus);
    m_view->setMoveGuard([this](const QModelIndex& from, const QModelIndex& to) {
        return guardMove(from, to);
    });
    connect(m_view, &vaSpreadView::editStarted, this, [this](const QModelIndex& i) {
        emit editMode(i.column() + 1, i.row() + 1, 1, false);
    });
    connect(m_view, &vaSpreadView::editEnded, this, [this](const QModelIndex& i, bool changed) {
        emit editMode(i.column() + 1, i.row() + 1, 0, changed);
    });
    connect(m_view, &QTableWidget::itemChanged, this, &vaSpread::cellChanged);
    QAbstractItemModel* model = m_view->model();
    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved,
                        &QAbstractItemModel::columnsInserted, &QAbstractItemModel::columnsRemoved})
        connect(model, signal, this, [this] { dropTextWidths(); });
    connect(model, &QAbstractItemModel::modelReset, this, [this] { dropTextWidths(); });
    connect(model, &QAbstractItemModel::layoutChanged, this, [this] { dropTextWidths(); });
}

vaSpread::~vaSpread()
{
    // The view and its model go after this object's members: no notice of
    // theirs may reach the bookkeeping then.
    disconnect(m_view->model(), nullptr, this, nullptr);
    disconnect(m_view, nullptr, this, nullptr);
}

QTableWidget* vaSpread::table() const { return m_view; }

QTableWidgetItem* vaSpread::cell(int col, int row) const
{
    if (col < 1 || row < 1 || col > maxCols() || row > maxRows())
        return nullptr;
    return m_view->item(row - 1, col - 1);
}

QTableWidgetItem* vaSpread::makeCell(int col, int row)
{
    QTableWidgetItem* item = cell(col, row);
    if (!item && col >= 1 && row >= 1 && col <= maxCols() && row <= maxRows()) {
        item = new QTableWidgetItem;
        m_view->setItem(row - 1, col - 1, item);
    }
    return item;
}

template <typename Fn>
void vaSpread::forEachCell(Fn fn)
{
    // With painting off nobody looks: cells change without a notice each and
    // the view repaints everything when painting comes back.
    const QSignalBlocker quiet(m_reDraw ? nullptr : m_view->model());
    const Range cols = span(m_col, m_col2, m_blockMode, maxCols());
    const Range rows = span(m_row, m_row2, m_blockMode, maxRows());
    for (int r = rows.from; r <= rows.to; ++r)
        for (int c = cols.from; c <= cols.to; ++c)
            fn(c, r);
}

QString vaSpread::text() const
{
    if (m_row == 0 && m_col >= 1 && m_col <= maxCols()) {
        QTableWidgetItem* h = m_view->horizontalHeaderItem(m_col - 1);
        return h ? h->text() : QString();
    }
    if (m_col == 0 && m_row >= 1 && m_row <= maxRows()) {
        QTableWidgetItem* h = m_view->verticalHeaderItem(m_row - 1);
        return h ? h->text() : QString::number(m_row);
    }
    QTableWidgetItem* item = cell(m_col, m_row);
    return item ? item->text() : QString();
}

void vaSpread::setText(const QString& text)
{
    if (!m_blockMode && m_row == 0) {
        const Range cols = span(m_col, m_col, false, maxCols());
        for (int c = cols.from; c <= cols.to; ++c)
            m_view->setHorizontalHeaderItem(c - 1, new QTableWidgetItem(text));
        return;
    }
    if (!m_blockMode && m_col == 0) {
        const Range rows = span(m_row, m_row, false, maxRows());
        for (int r = rows.from; r <= rows.to; ++r)
            m_view->setVerticalHeaderItem(r - 1, new QTableWidgetItem(text));
        return;
    }
    dropTextWidths();
    forEachCell([&](int c, int r) { makeCell(c, r)->setText(text); });
}

quint32 vaSpread::backColor() const
{
    QTableWidgetItem* item = cell(m_col, m_row);
    const QVariant v = item ? item->data(BackCodeRole) : QVariant();
    return v.isValid() ? v.toUInt() : VbColor::WindowBackground;
}

void vaSpread::setBackColor(quint32 color)
{
    const QBrush brush(vbl_color_resolve(color));
    forEachCell([&](int c, int r) {
        QTableWidgetItem* item = makeCell(c, r);
        item->setData(BackCodeRole, color);
        item->setBackground(brush);
    });
}

quint32 vaSpread::foreColor() const
{
    QTableWidgetItem* item = cell(m_col, m_row);
    const QVariant v = item ? item->data(ForeCodeRole) : QVariant();
    return v.isValid() ? v.toUInt() : VbColor::WindowText;
}

void vaSpread::setForeColor(quint32 color)
{
    const QBrush brush(vbl_color_resolve(color));
    forEachCell([&](int c, int r) {
        QTableWidgetItem* item = makeCell(c, r);
        item->setData(ForeCodeRole, color);
        item->setForeground(brush);
    });
}

int vaSpread::maxRows() const { return m_view->rowCount(); }
void vaSpread::setMaxRows(int rows)
{
    // An open editor would outlive its row: close it with what was typed.
    m_view->commitEdit();
    dropTextWidths();
    m_view->setRowCount(std::max(0, rows));
}
int vaSpread::maxCols() const { return m_view->columnCount(); }
void vaSpread::setMaxCols(int cols)
{
    dropTextWidths();
    m_view->setColumnCount(std::max(0, cols));
}

int vaSpread::activeRow() const
{
    const QModelIndex i = m_view->currentIndex();
    return i.isValid() ? i.row() + 1 : -1;
}

int vaSpread::activeCol() const
{
    const QModelIndex i = m_view->currentIndex();
    return i.isValid() ? i.column() + 1 : -1;
}

void vaSpread::setActiveCell()
{
    if (m_col < 1 || m_row < 1 || m_col > maxCols() || m_row > maxRows())
        return;
    const QModelIndex target = m_view->model()->index(m_row - 1, m_col - 1);
    m_view->setCurrentIndex(target);
    // Scrolling counts the hidden rows above the cell, one by one: only when
    // the cell is not in sight already.
    if (m_view->currentIndex() == target && !m_view->viewport()->rect().contains(m_view->visualRect(target)))
        m_view->scrollTo(target);
}

bool vaSpread::guardMove(const QModelIndex& from, const QModelIndex& to)
{
    bool cancel = false;
    emit leaveCell(from.isValid() ? from.column() + 1 : -1, from.isValid() ? from.row() + 1 : -1,
                   to.column() + 1, to.row() + 1, cancel);
    return !cancel;
}

bool vaSpread::rowHidden(int row) const
{
    return row >= 1 && row <= maxRows() && m_view->isRowHidden(row - 1);
}

void vaSpread::setRowHidden(int row, bool hidden)
{
    const Range rows = span(row, row, false, maxRows());
    for (int r = rows.from; r <= rows.to; ++r) {
        if (m_view->isRowHidden(r - 1) == hidden)
            continue;
        countRowTextWidths(r, hidden ? -1 : 1);
        m_view->setRowHidden(r - 1, hidden);
    }
}

bool vaSpread::colHidden(int col) const
{
    return col >= 1 && col <= maxCols() && m_view->isColumnHidden(col - 1);
}

void vaSpread::setColHidden(int col, bool hidden)
{
    const Range cols = span(col, col, false, maxCols());
    for (int c = cols.from; c <= cols.to; ++c)
        m_view->setColumnHidden(c - 1, hidden);
}

void vaSpread::clearBlock()
{
    dropTextWidths();
    forEachCell([&](int c, int r) { delete m_view->takeItem(r - 1, c - 1); });
}

void vaSpread::insertRow()
{
    const int rows = maxRows();
    if (m_row < 1 || m_row > rows)
        return;
    m_view->commitEdit();
    dropTextWidths();
    m_view->insertRow(m_row - 1);
    m_view->removeRow(rows);
}

void vaSpread::sortRows(int row, int row2, SortKey key1, SortKey key2)
{
    const Range rows = span(row, row2, true, maxRows());
    if (rows.to - rows.from < 1)
        return;
    // What was typed belongs to the row it was typed in.
    m_view->commitEdit();
    // Items move without a notice each; one repaint at the end.
    dropTextWidths();
    const QSignalBlocker quiet(m_view->model());
    const int cols = maxCols();
    struct Line {
        std::vector<QTableWidgetItem*> cells;
        bool hidden;
        QString key1;
        QString key2;
    };
    auto keyText = [cols](const std::vector<QTableWidgetItem*>& cells, int col) {
        if (col < 1 || col > cols || !cells[static_cast<size_t>(col - 1)])
            return QString();
        return cells[static_cast<size_t>(col - 1)]->text();
    };
    std::vector<Line> lines;
    lines.reserve(static_cast<size_t>(rows.to - rows.from + 1));
    for (int r = rows.from; r <= rows.to; ++r) {
        Line line{std::vector<QTableWidgetItem*>(static_cast<size_t>(cols)), m_view->isRowHidden(r - 1), {}, {}};
        for (int c = 0; c < cols; ++c)
            line.cells[static_cast<size_t>(c)] = m_view->takeItem(r - 1, c);
        line.key1 = keyText(line.cells, key1.col);
        line.key2 = keyText(line.cells, key2.col);
        lines.push_back(std::move(line));
    }
    auto compareBy = [](const QString& ta, const QString& tb, SortOrder order) {
        int d = ta.compare(tb, Qt::CaseInsensitive);
        if (d == 0)
            d = ta.compare(tb, Qt::CaseSensitive);
        return order == SortDescending ? -d : d;
    };
    std::stable_sort(lines.begin(), lines.end(), [&](const Line& a, const Line& b) {
        const int d = compareBy(a.key1, b.key1, key1.order);
        return d != 0 ? d < 0 : compareBy(a.key2, b.key2, key2.order) < 0;
    });
    for (size_t i = 0; i < lines.size(); ++i) {
        const int r = rows.from - 1 + static_cast<int>(i);
        for (int c = 0; c < cols; ++c)
            if (QTableWidgetItem* item = lines[i].cells[static_cast<size_t>(c)])
                m_view->setItem(r, c, item);
        m_view->setRowHidden(r, lines[i].hidden);
    }
    m_view->viewport()->update();
}

void vaSpread::setReDraw(bool on)
{
    m_reDraw = on;
    m_view->setUpdatesEnabled(on);
    if (on)
        m_view->viewport()->update();
}

int vaSpread::colWidth(int col) const
{
    int px = 0;
    if (col == 0)
        px = m_view->verticalHeader()->isHidden() ? 0 : m_view->verticalHeader()->width();
    else if (col >= 1 && col <= maxCols())
        px = m_view->columnWidth(col - 1);
    return static_cast<int>(pixelsToTwipsX(px));
}

void vaSpread::setColWidth(int col, int twips)
{
    const int px = std::max(0, twipsToPixelsX(twips));
    if (col == 0) {
        m_view->verticalHeader()->setFixedWidth(px);
        return;
    }
    const Range cols = span(col, col, false, maxCols());
    for (int c = cols.from; c <= cols.to; ++c)
        m_view->setColumnWidth(c - 1, px);
}

int vaSpread::maxTextColWidth(int col) const
{
    if (col < 1 || col > maxCols())
        return 0;
    const auto i = static_cast<size_t>(col - 1);
    if (m_textWidthsFont != m_view->font()) {
        dropTextWidths();
        m_textWidthsFont = m_view->font();
    }
    if (m_textWidths.size() != static_cast<size_t>(maxCols())) {
        m_textWidths.assign(static_cast<size_t>(maxCols()), {});
        m_textWidthsKnown.assign(static_cast<size_t>(maxCols()), false);
    }
    if (!m_textWidthsKnown[i]) {
        // Measured once; each cell keeps its width for the bookkeeping.
        const QSignalBlocker quiet(m_view->model());
        const QFontMetrics fm = m_view->fontMetrics();
        std::map<int, int>& widths = m_textWidths[i];
        widths.clear();
        for (int r = 0; r < maxRows(); ++r) {
            QTableWidgetItem* item = m_view->item(r, col - 1);
            if (!item)
                continue;
            const int w = fm.horizontalAdvance(item->text());
            item->setData(TextWidthRole, w);
            if (!m_view->isRowHidden(r))
                ++widths[w];
        }
        m_textWidthsKnown[i] = true;
    }
    const std::map<int, int>& widths = m_textWidths[i];
    return static_cast<int>(pixelsToTwipsX(widths.empty() ? 0 : widths.rbegin()->first));
}

void vaSpread::dropTextWidths() const
{
    m_textWidths.clear();
    m_textWidthsKnown.clear();
}

void vaSpread::countRowTextWidths(int row, int delta)
{
    for (size_t i = 0; i < m_textWidthsKnown.size(); ++i) {
        if (!m_textWidthsKnown[i])
            continue;
        QTableWidgetItem* item = m_view->item(row - 1, static_cast<int>(i));
        if (!item)
            continue;
        const QVariant measured = item->data(TextWidthRole);
        std::map<int, int>& widths = m_textWidths[i];
        const auto it = measured.isValid() ? widths.find(measured.toInt()) : widths.end();
        if (delta > 0 && measured.isValid()) {
            ++widths[measured.toInt()];
        } else if (delta < 0 && it != widths.end()) {
            if (--it->second == 0)
                widths.erase(it);
        } else {
            m_textWidthsKnown[i] = false; // a cell nobody measured yet
        }
    }
}

void vaSpread::cellChanged(QTableWidgetItem* item)
{
    // Colours change often and leave the width alone; a new text counts again.
    const int col = item ? item->column() : -1;
    if (col < 0 || static_cast<size_t>(col) >= m_textWidthsKnown.size() || !m_textWidthsKnown[col])
        return;
    const QVariant measured = item->data(TextWidthRole);
    if (!measured.isValid() || measured.toInt() != m_view->fontMetrics().horizontalAdvance(item->text()))
        m_textWidthsKnown[static_cast<size_t>(col)] = false;
}

int vaSpread::rowHeight(int row) const
{
    int px = 0;
    if (row == 0)
        px = m_view->horizontalHeader()->height();
    else if (row >= 1 && row <= maxRows())
        px = m_view->rowHeight(row - 1);
    return static_cast<int>(pixelsToTwipsY(px));
}

bool vaSpread::rowHeadersVisible() const { return !m_view->verticalHeader()->isHidden(); }
void vaSpread::setRowHeadersVisible(bool on) { m_view->verticalHeader()->setVisible(on); }

void vaSpread::commitEdit() { m_view->commitEdit(); }
bool vaSpread::isEditing() const { return m_view->isEditing(); }

QRect vaSpread::cellRect(int col, int row) const
{
    return m_view->visualRect(m_view->model()->index(row - 1, col - 1));
}

} // namespace kalvex
