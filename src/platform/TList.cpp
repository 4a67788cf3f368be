#include "platform/TList.h"

#include "platform/VbFocusMark.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <algorithm>
#include <memory>
#include <utility>

namespace kalvex {

namespace {

// A row's sort value, read once per sort: numbers compare as numbers when
// both sides are numbers (not texts), anything else as text.
struct SortKey {
    bool numeric = false;
    double number = 0;
    QString text;
};

SortKey sortKeyOf(const QVariant& v)
{
    SortKey key;
    key.numeric = v.typeId() != QMetaType::QString;
    if (key.numeric)
        key.number = v.toDouble(&key.numeric);
    key.text = v.toString();
    return key;
}

bool lessKey(const SortKey& a, const SortKey& b)
{
    if (a.numeric && b.numeric)
        return a.number < b.number;
    return a.text < b.text;
}

} // namespace

// A row. The list's own per-row values live apart from the item's role
// table (which copies and scans itself on every write, which a fill pays
// per row), made on the first write: most rows carry none.
class TListRow : public QTreeWidgetItem {
public:
    struct Values {
        QString key;
        QVariant rowData;
        QVariantMap named;
        QVariant sortValue; // the value named by the list's sort value name
        int mode = 0;
        int value2 = 0;
        qint32 longValue = 0;
        quint32 foreColor = 0;
        QPixmap picture1;
        QPixmap picture2;
        QBrush foreground;
        bool hasForeground = false;
    };

    QVariant data(int column, int role) const override
    {
        if (role == Qt::DisplayRole || role == Qt::EditRole)
            return cell(column);
        if (role == Qt::ForegroundRole && m_values && m_values->hasForeground)
            return m_values->foreground;
        return QTreeWidgetItem::data(column, role);
    }
    void setData(int column, int role, const QVariant& value) override
    {
        if ((role == Qt::DisplayRole || role == Qt::EditRole) && column >= 0) {
            QStringList cells = this->cells();
            while (cells.size() <= column)
                cells << QString();
            cells[column] = value.toString();
            setCells(cells);
            return;
        }
        QTreeWidgetItem::setData(column, role, value);
    }

    // The row's text as one cell, or as two cells with the separator at cut.
    void setRowText(const QString& text, qsizetype cut)
    {
        m_text = text;
        m_cut = cut;
        m_cells.clear();
        m_form = cut < 0 ? OneCell : TwoCells;
        changed();
    }
    void setCells(const QStringList& cells)
    {
        m_text.clear();
        m_cut = -1;
        m_cells = cells;
        m_form = Cells;
        changed();
    }
    // None until the first write.
    const Values* values() const { return m_values.get(); }
    Values& edit()
    {
        if (!m_values)
            m_values = std::make_unique<Values>();
        return *m_values;
    }
    void setRowForeground(const QBrush& brush)
    {
        edit().foreground = brush;
        m_values->hasForeground = true;
        if (treeWidget())
            emitDataChanged();
    }
    void showPicture(const QIcon& icon) { setIcon(0, icon); }

    int row = -1;

private:
    // The cells live in the row's text as given (a name/value row keeps
    // one string, not three); the view reads them through data().
    enum Form : unsigned char { NoText, OneCell, TwoCells, Cells };

    QVariant cell(int column) const
    {
        switch (m_form) {
        case OneCell: return column == 0 ? QVariant(m_text) : QVariant();
        case TwoCells:
            return column == 0 ? QVariant(m_text.left(m_cut))
                 : column == 1 ? QVariant(m_text.sliced(m_cut + 1))
                               : QVariant();
        case Cells: return column >= 0 && column < m_cells.size() ? QVariant(m_cells[column]) : QVariant();
        case NoText: break;
        }
        return QVariant();
    }
    QStringList cells() const
    {
        QStringList out;
        for (int c = 0;; ++c) {
            const QVariant v = cell(c);
            if (!v.isValid())
                return out;
            out << v.toString();
        }
    }
    void changed()
    {
        if (treeWidget())
            emitDataChanged();
    }

    std::unique_ptr<Values> m_values;
    QString m_text;
    qsizetype m_cut = -1;
    QStringList m_cells;
    Form m_form = NoText;
};

namespace {

// The list makes all its rows; anything else is not one of them.
TListRow* asRow(QTreeWidgetItem* item)
{
    return dynamic_cast<TListRow*>(item);
}

// Orders items by their keys, stably; false when they were in order.
bool sortByKeys(QList<QTreeWidgetItem*>& items)
{
    std::vector<std::pair<SortKey, QTreeWidgetItem*>> keyed;
    keyed.reserve(size_t(items.size()));
    for (QTreeWidgetItem* item : items) {
        const TListRow* row = asRow(item);
        keyed.emplace_back(sortKeyOf(row && row->values() ? row->values()->sortValue : QVariant()), item);
    }
    const auto less = [](const auto& a, const auto& b) { return lessKey(a.first, b.first); };
    if (std::is_sorted(keyed.begin(), keyed.end(), less))
        return false;
    std::stable_sort(keyed.begin(), keyed.end(), less);
    for (qsizetype i = 0; i < items.size(); ++i)
        items[i] = keyed[size_t(i)].second;
    return true;
}

} // namespace

TList::TList(QWidget* parent) : QTreeWidget(parent)
{
    setColumnCount(1);
    setHeaderHidden(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setExpandsOnDoubleClick(false);
    setUniformRowHeights(true);
    setIconSize(QSize(16, 16));
    connect(this, &QTreeWidget::itemClicked, this, [this] { emit Click(); });
    connect(this, &QTreeWidget::itemSelectionChanged, this, [this] { emit SelChange(); });
    // Picture 2 follows the expanded state.
    auto swapIcon = [this](QTreeWidgetItem* item) {
        TListRow* row = asRow(item);
        if (row && row->values() && !(row->values()->picture1.isNull() && row->values()->picture2.isNull()))
            showPicture(row);
    };
    connect(this, &QTreeWidget::itemExpanded, this, swapIcon);
    connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) {
        for (int i = 0; i < item->childCount(); ++i)
            showSpans(item->child(i));
    });
    connect(this, &QTreeWidget::itemCollapsed, this, swapIcon);
}

int TList::ListCount() const
{
    return int(m_rows.size());
}

TListRow* TList::row(int index) const
{
    if (index < 0 || index >= int(m_rows.size()))
        return nullptr;
    return m_rows[size_t(index)];
}

QTreeWidgetItem* TList::rowItem(int row) const
{
    return this->row(row);
}

int TList::rowOf(const QTreeWidgetItem* item) const
{
    const auto* r = dynamic_cast<const TListRow*>(item);
    return r && row(r->row) == r ? r->row : -1;
}

TListRow* TList::newRow()
{
    auto* item = new TListRow;
    item->row = int(m_rows.size());
    m_rows.push_back(item);
    if (!m_sortName.isEmpty())
        m_sortPending = true;
    return item;
}

int TList::ListIndex() const
{
    const auto sel = selectedItems();
    return sel.isEmpty() ? -1 : rowOf(sel.first());
}

void TList::setListIndex(int row)
{
    QTreeWidgetItem* item = rowItem(row);
    if (!item) {
        clearSelection();
        setCurrentItem(nullptr);
        return;
    }
    setCurrentItem(item);
    item->setSelected(true);
}

void TList::applyText(TListRow* item, const QString& text)
{
    const QChar sep(m_separator);
    const qsizetype first = m_separator > 0 ? text.indexOf(sep) : -1;
    if (first < 0) {
        item->setRowText(text, -1);
        return;
    }
    const qsizetype second = text.indexOf(sep, first + 1);
    if (second < 0) {
        if (columnCount() < 2)
            setColumnCount(2);
        item->setRowText(text, first);
        return;
    }
    const QStringList cells = text.split(sep);
    if (cells.size() > columnCount())
        setColumnCount(int(cells.size()));
    item->setCells(cells);
}

bool TList::hasOneCell(const QTreeWidgetItem* item) const
{
    for (int c = 1; c < columnCount(); ++c)
        if (!item->text(c).isEmpty())
            return false;
    return true;
}

void TList::showSpans(QTreeWidgetItem* item)
{
    // Only rows in sight: a row below a closed one gets its span when its
    // parent opens. (Every span costs the list a lasting index.)
    if (columnCount() < 2 || !item->treeWidget() || (item->parent() && !item->parent()->isExpanded()))
        return;
    if (hasOneCell(item))
        item->setFirstColumnSpanned(true);
}

int TList::AddItemCells(const QStringList& cells, int parentIndex)
{
    QTreeWidgetItem* parent = rowItem(parentIndex);
    TListRow* item = newRow();
    if (cells.size() > columnCount())
        setColumnCount(int(cells.size()));
    item->setCells(cells);
    if (parent)
        parent->addChild(item);
    else
        addTopLevelItem(item);
    showSpans(item);
    return item->row;
}

int TList::AddItem(const QString& text, int parentIndex)
{
    // The parent is looked up first: parentIndex may be the new row's index.
    QTreeWidgetItem* parent = rowItem(parentIndex);
    TListRow* item = newRow();
    applyText(item, text);
    if (parent)
        parent->addChild(item);
    else
        addTopLevelItem(item);
    showSpans(item);
    return item->row;
}

int TList::NewItem(const QString& text)
{
    TListRow* item = newRow();
    applyText(item, text);
    ++m_unplaced;
    return item->row;
}

void TList::PlaceItem(int row, int parentIndex)
{
    QTreeWidgetItem* item = rowItem(row);
    if (!item || item->parent() || item->treeWidget())
        return;
    QTreeWidgetItem* parent = rowItem(parentIndex);
    // Not below itself.
    for (QTreeWidgetItem* p = parent; p; p = p->parent())
        if (p == item)
            return;
    --m_unplaced;
    if (parent)
        parent->addChild(item);
    else
        addTopLevelItem(item);
    showSpans(item);
}

void TList::dropUnplaced()
{
    if (m_unplaced <= 0)
        return;
    std::vector<QTreeWidgetItem*> roots;
    for (QTreeWidgetItem* item : m_rows)
        if (!item->parent() && !item->treeWidget())
            roots.push_back(item);
    for (QTreeWidgetItem* item : roots)
        delete item;
    m_unplaced = 0;
}

TList::~TList()
{
    dropUnplaced();
}

int TList::InsertItem(const QString& text, int position)
{
    QTreeWidgetItem* before = rowItem(position);
    if (!before || (!before->parent() && !before->treeWidget()))
        return AddItem(text, -1);
    TListRow* item = newRow();
    applyText(item, text);
    if (QTreeWidgetItem* parent = before->parent())
        parent->insertChild(parent->indexOfChild(before), item);
    else
        insertTopLevelItem(indexOfTopLevelItem(before), item);
    showSpans(item);
    return item->row;
}

void TList::Clear()
{
    dropUnplaced();
    clear();
    m_rows.clear();
    m_icons.clear();
    m_sortPending = false;
    m_lastPress = m_pressBefore = Press();
}

QString TList::ItemText(int row) const
{
    QTreeWidgetItem* item = rowItem(row);
    if (!item)
        return QString();
    if (m_separator <= 0 || columnCount() < 2)
        return item->text(0);
    QStringList cells;
    for (int c = 0; c < columnCount(); ++c)
        cells << item->text(c);
    while (cells.size() > 1 && cells.last().isEmpty())
        cells.removeLast();
    return cells.join(QChar(m_separator));
}

void TList::setItemText(int row, const QString& text)
{
    if (TListRow* item = this->row(row))
        applyText(item, text);
}

QString TList::ItemKey(int row) const
{
    const TListRow* item = this->row(row);
    return item && item->values() ? item->values()->key : QString();
}

void TList::setItemKey(int row, const QString& key)
{
    if (TListRow* item = this->row(row))
        item->edit().key = key;
}

QVariant TList::ItemData(int row) const
{
    const TListRow* item = this->row(row);
    return item && item->values() ? item->values()->rowData : QVariant();
}

void TList::setItemData(int row, const QVariant& data)
{
    if (TListRow* item = this->row(row))
        item->edit().rowData = data;
}

QVariant TList::ItemValue(int row, const QString& name) const
{
    const TListRow* item = this->row(row);
    if (!item || !item->values())
        return QVariant();
    if (!m_sortName.isEmpty() && name == m_sortName)
        return item->values()->sortValue;
    return item->values()->named.value(name);
}

void TList::setItemValue(int row, const QString& name, const QVariant& value)
{
    TListRow* item = this->row(row);
    if (!item)
        return;
    // The sort value is kept apart, where sorting reads it.
    if (!m_sortName.isEmpty() && name == m_sortName) {
        item->edit().sortValue = value;
        m_sortPending = true;
        return;
    }
    item->edit().named.insert(name, value);
}

int TList::ItemMode(int row) const
{
    const TListRow* item = this->row(row);
    return item && item->values() ? item->values()->mode : 0;
}

void TList::setItemMode(int row, int mode)
{
    if (TListRow* item = this->row(row))
        item->edit().mode = mode;
}

int TList::ItemValue2(int row) const
{
    const TListRow* item = this->row(row);
    return item && item->values() ? item->values()->value2 : 0;
}

void TList::setItemValue2(int row, int value)
{
    if (TListRow* item = this->row(row))
        item->edit().value2 = value;
}

qint32 TList::ItemLong(int row) const
{
    const TListRow* item = this->row(row);
    return item && item->values() ? item->values()->longValue : 0;
}

void TList::setItemLong(int row, qint32 value)
{
    if (TListRow* item = this->row(row))
        item->edit().longValue = value;
}

QPixmap TList::ItemPicture(int row, int which) const
{
    const TListRow* item = this->row(row);
    if (!item || !item->values())
        return QPixmap();
    return which == 2 ? item->values()->picture2 : item->values()->picture1;
}

void TList::setItemPicture(int row, const QPixmap& picture, int which)
{
    TListRow* item = this->row(row);
    if (!item)
        return;
    auto& values = item->edit();
    (which == 2 ? values.picture2 : values.picture1) = picture;
    showPicture(item);
}

void TList::showPicture(TListRow* item)
{
    const TListRow::Values* values = item->values();
    if (!values)
        return;
    const QPixmap& shown = item->isExpanded() && !values->picture2.isNull() ? values->picture2 : values->picture1;
    // One icon per picture, shared by the rows that show it.
    auto it = m_icons.constFind(shown.cacheKey());
    if (it == m_icons.cend())
        it = m_icons.insert(shown.cacheKey(), QIcon(shown));
    item->showPicture(it.value());
}

quint32 TList::ItemForeColor(int row) const
{
    const TListRow* item = this->row(row);
    return item && item->values() ? item->values()->foreColor : 0;
}

void TList::setItemForeColor(int row, quint32 color)
{
    TListRow* item = this->row(row);
    if (!item)
        return;
    item->edit().foreColor = color;
    // One brush per colour code, shared by the rows that use it.
    QBrush brush;
    if (color) {
        auto it = m_brushes.constFind(color);
        if (it == m_brushes.cend())
            it = m_brushes.insert(color, QBrush(resolveColor(color, palette())));
        brush = it.value();
    }
    item->setRowForeground(brush);
}

QFont TList::ItemFont(int row) const
{
    QTreeWidgetItem* item = rowItem(row);
    return item ? item->font(0) : QFont();
}

void TList::setItemFont(int row, const QFont& font)
{
    QTreeWidgetItem* item = rowItem(row);
    if (!item)
        return;
    for (int c = 0; c < columnCount(); ++c)
        item->setFont(c, font);
}

bool TList::ItemExpanded(int row) const
{
    QTreeWidgetItem* item = rowItem(row);
    return item && item->isExpanded();
}

void TList::setItemExpanded(int row, bool expanded)
{
    if (row == -1) {
        for (QTreeWidgetItem* item : m_rows)
            item->setExpanded(expanded);
        return;
    }
    if (QTreeWidgetItem* item = rowItem(row))
        item->setExpanded(expanded);
}

bool TList::ItemHasChildren(int row) const
{
    QTreeWidgetItem* item = rowItem(row);
    return item && item->childCount() > 0;
}

int TList::LastRowBelow(int row) const
{
    QTreeWidgetItem* item = rowItem(row);
    if (!item)
        return -1;
    while (item->childCount() > 0)
        item = item->child(item->childCount() - 1);
    return rowOf(item);
}

bool TList::RowIsBelow(int row, int ancestor) const
{
    const QTreeWidgetItem* above = rowItem(ancestor);
    QTreeWidgetItem* item = rowItem(row);
    if (!above || !item)
        return false;
    for (item = item->parent(); item; item = item->parent())
        if (item == above)
            return true;
    return false;
}

void TList::setForeColor(quint32 color)
{
    m_foreColor = color;
    QPalette pal = palette();
    const QColor c = resolveColor(color, QPalette());
    pal.setColor(QPalette::Active, QPalette::Text, c);
    pal.setColor(QPalette::Inactive, QPalette::Text, c);
    setPalette(pal);
}

void TList::setRedraw(bool on)
{
    if (on == m_redraw)
        return;
    m_redraw = on;
    if (on && m_sortPending)
        SortRows();
    setUpdatesEnabled(on);
    if (on)
        viewport()->update();
}

void TList::setSortValueName(const QString& name)
{
    if (name != m_sortName) {
        // Each row's sort value goes back among its named values and the
        // value of the new name comes out.
        for (TListRow* item : m_rows) {
            if (!item->values())
                continue;
            auto& values = item->edit();
            if (!m_sortName.isEmpty() && values.sortValue.isValid())
                values.named.insert(m_sortName, values.sortValue);
            values.sortValue = name.isEmpty() ? QVariant() : values.named.take(name);
        }
    }
    m_sortName = name;
    m_sortPending = !name.isEmpty() && topLevelItemCount() > 0;
}

void TList::SortRows()
{
    m_sortPending = false;
    if (m_sortName.isEmpty() || topLevelItemCount() == 0)
        return;
    // The sibling lists out of order, each with its new order; every row's
    // key is read once. Rows already in order (a fill in sort order) stay
    // where they are, and a list all in order is left alone.
    std::vector<std::pair<QTreeWidgetItem*, QList<QTreeWidgetItem*>>> moves;
    QTreeWidgetItem* const root = invisibleRootItem();
    std::vector<QTreeWidgetItem*> pending{root};
    while (!pending.empty()) {
        QTreeWidgetItem* parent = pending.back();
        pending.pop_back();
        const int n = parent->childCount();
        QList<QTreeWidgetItem*> kids;
        kids.reserve(n);
        for (int i = 0; i < n; ++i) {
            QTreeWidgetItem* kid = parent->child(i);
            kids << kid;
            if (kid->childCount() > 0)
                pending.push_back(kid);
        }
        if (sortByKeys(kids))
            moves.emplace_back(parent, std::move(kids));
    }
    if (moves.empty())
        return;

    // Taking rows out forgets their expanded state and the selection.
    std::vector<QTreeWidgetItem*> open;
    for (QTreeWidgetItem* item : m_rows)
        if (item->isExpanded())
            open.push_back(item);
    const auto selected = selectedItems();
    QTreeWidgetItem* current = currentItem();

    // Sorted while out of the list, so that the view hears of it once.
    QList<QTreeWidgetItem*> tops;
    tops.reserve(topLevelItemCount());
    while (topLevelItemCount() > 0)
        tops << takeTopLevelItem(topLevelItemCount() - 1);
    std::reverse(tops.begin(), tops.end());
    for (auto& [parent, order] : moves) {
        if (parent == root) {
            tops = order;
            continue;
        }
        parent->takeChildren();
        parent->addChildren(order);
    }
    addTopLevelItems(tops);
    for (QTreeWidgetItem* top : tops)
        showSpans(top);
    for (QTreeWidgetItem* item : open)
        item->setExpanded(true);
    if (current)
        setCurrentItem(current);
    for (QTreeWidgetItem* item : selected)
        item->setSelected(true);
}

int TList::TopIndex() const
{
    return rowOf(itemAt(QPoint(1, 1)));
}

void TList::setTopIndex(int row)
{
    if (QTreeWidgetItem* item = rowItem(row))
        scrollToItem(item, QAbstractItemView::PositionAtTop);
}

void TList::changeEvent(QEvent* event)
{
    // System colours follow the palette.
    if (event->type() == QEvent::PaletteChange)
        m_brushes.clear();
    QTreeWidget::changeEvent(event);
}

void TList::mousePressEvent(QMouseEvent* event)
{
    int shift = 0;
    if (event->modifiers() & Qt::ShiftModifier)
        shift |= 1;
    if (event->modifiers() & Qt::ControlModifier)
        shift |= 2;
    if (event->modifiers() & Qt::AltModifier)
        shift |= 4;
    int button = event->button() == Qt::LeftButton ? 1 : event->button() == Qt::RightButton ? 2 : 4;
    const QPoint p = event->position().toPoint();
    QTreeWidgetItem* item = itemAt(p);
    m_pressBefore = m_lastPress;
    m_lastPress = {item, item && item->isExpanded(), event->timestamp()};
    emit MouseDown(button, shift, p.x(), p.y());
    QTreeWidget::mousePressEvent(event);
}

void TList::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTreeWidget::mouseDoubleClickEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint p = event->position().toPoint();
    QTreeWidgetItem* item = itemAt(p);
    // The state before the first press of the double click: the window
    // system delivers the second press together with the double click.
    const Press& first = m_lastPress.time == event->timestamp() ? m_pressBefore : m_lastPress;
    // The branch mark opens and closes on each press already.
    if (!item || item != first.item || item->childCount() == 0 || p.x() < visualItemRect(item).left())
        return;
    // The row ends opposite to how the double click found it, whatever a
    // click handler did to it in between.
    item->setExpanded(!first.expanded);
}

bool TList::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::Paint) {
        const bool done = QTreeWidget::viewportEvent(event);
        // An empty tree shows the focus too.
        vbl_paintEmptyViewFocus(this);
        return done;
    }
    if (event->type() != QEvent::ToolTip)
        return QTreeWidget::viewportEvent(event);
    // Measured only when asked: the fill measures nothing.
    auto* help = static_cast<QHelpEvent*>(event);
    const QModelIndex index = indexAt(help->pos());
    const QRect cell = visualRect(index);
    const QString text = index.data(Qt::DisplayRole).toString();
    if (index.isValid() && !text.isEmpty() && sizeHintForIndex(index).width() > cell.width())
        QToolTip::showText(help->globalPos(), text, viewport(), cell);
    else
        QToolTip::hideText();
    return true;
}

QColor TList::resolveColor(quint32 code, const QPalette& palette)
{
    if (!(code & 0x80000000u))
        return QColor(int(code & 0xFF), int((code >> 8) & 0xFF), int((code >> 16) & 0xFF));
    switch (code & 0xFF) {
    case 5: return palette.color(QPalette::Base);
    case 8: return palette.color(QPalette::Text);
    case 13: return palette.color(QPalette::Highlight);
    case 14: return palette.color(QPalette::HighlightedText);
    case 15: return palette.color(QPalette::Button);
    case 17: return palette.color(QPalette::Disabled, QPalette::Text);
    case 18: return palette.color(QPalette::ButtonText);
    case 19: return palette.color(QPalette::Disabled, QPalette::WindowText);
    default: return palette.color(QPalette::WindowText);
    }
}

} // namespace kalvex
