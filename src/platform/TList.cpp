#include "platform/TList.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <algorithm>
#include <utility>

namespace kalvex {

namespace {

enum Role {
    KeyRole = Qt::UserRole + 1,
    DataRole,
    ValuesRole,
    ModeRole,
    Value2Role,
    LongRole,
    Picture1Role,
    Picture2Role,
    ForeColorRole,
    RowRole,
    SortRole, // the row's value named by the sort value name
};

// A row's sort value, read once per sort: numbers compare as numbers when
// both sides are numbers (not texts), anything else as text.
struct SortKey {
    bool numeric = false;
    double number = 0;
    QString text;
};

SortKey sortKeyOf(const QTreeWidgetItem* item)
{
    const QVariant v = item->data(0, SortRole);
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

// Orders items by their keys, stably; false when they were in order.
bool sortByKeys(QList<QTreeWidgetItem*>& items)
{
    std::vector<std::pair<SortKey, QTreeWidgetItem*>> keyed;
    keyed.reserve(size_t(items.size()));
    for (QTreeWidgetItem* item : items)
        keyed.emplace_back(sortKeyOf(item), item);
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
        const bool open = item->isExpanded();
        const QPixmap p2 = item->data(0, Picture2Role).value<QPixmap>();
        const QPixmap p1 = item->data(0, Picture1Role).value<QPixmap>();
        item->setIcon(0, QIcon(open && !p2.isNull() ? p2 : p1));
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

QTreeWidgetItem* TList::rowItem(int row) const
{
    if (row < 0 || row >= int(m_rows.size()))
        return nullptr;
    return m_rows[size_t(row)];
}

int TList::rowOf(const QTreeWidgetItem* item) const
{
    if (!item)
        return -1;
    bool ok = false;
    const int row = item->data(0, RowRole).toInt(&ok);
    return ok && rowItem(row) == item ? row : -1;
}

int TList::adopt(QTreeWidgetItem* item)
{
    const int row = int(m_rows.size());
    item->setData(0, RowRole, row);
    m_rows.push_back(item);
    if (!m_sortName.isEmpty())
        m_sortPending = true;
    return row;
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

void TList::applyText(QTreeWidgetItem* item, const QString& text)
{
    const QChar sep(m_separator);
    if (m_separator <= 0 || !text.contains(sep)) {
        item->setText(0, text);
        return;
    }
    qsizetype start = 0;
    for (int c = 0;; ++c) {
        const qsizetype at = text.indexOf(sep, start);
        if (c >= columnCount())
            setColumnCount(c + 1);
        item->setText(c, at < 0 ? text.sliced(start) : text.sliced(start, at - start));
        if (at < 0)
            break;
        start = at + 1;
    }
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
    auto* item = new QTreeWidgetItem;
    if (cells.size() > columnCount())
        setColumnCount(int(cells.size()));
    for (int c = 0; c < cells.size(); ++c)
        item->setText(c, cells[c]);
    const int row = adopt(item);
    if (parent)
        parent->addChild(item);
    else
        addTopLevelItem(item);
    showSpans(item);
    return row;
}

int TList::AddItem(const QString& text, int parentIndex)
{
    // The parent is looked up first: parentIndex may be the new row's index.
    QTreeWidgetItem* parent = rowItem(parentIndex);
    auto* item = new QTreeWidgetItem;
    applyText(item, text);
    const int row = adopt(item);
    if (parent)
        parent->addChild(item);
    else
        addTopLevelItem(item);
    showSpans(item);
    return row;
}

int TList::NewItem(const QString& text)
{
    auto* item = new QTreeWidgetItem;
    applyText(item, text);
    ++m_unplaced;
    return adopt(item);
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
    auto* item = new QTreeWidgetItem;
    applyText(item, text);
    const int row = adopt(item);
    if (QTreeWidgetItem* parent = before->parent())
        parent->insertChild(parent->indexOfChild(before), item);
    else
        insertTopLevelItem(indexOfTopLevelItem(before), item);
    showSpans(item);
    return row;
}

void TList::Clear()
{
    dropUnplaced();
    clear();
    m_rows.clear();
    m_sortPending = false;
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
    if (QTreeWidgetItem* item = rowItem(row))
        applyText(item, text);
}

QString TList::ItemKey(int row) const
{
    QTreeWidgetItem* item = rowItem(row);
    return item ? item->data(0, KeyRole).toString() : QString();
}

void TList::setItemKey(int row, const QString& key)
{
    if (QTreeWidgetItem* item = rowItem(row))
        item->setData(0, KeyRole, key);
}

QVariant TList::ItemData(int row) const
{
    QTreeWidgetItem* item = rowItem(row);
    return item ? item->data(0, DataRole) : QVariant();
}

void TList::setItemData(int row, const QVariant& data)
{
    if (QTreeWidgetItem* item = rowItem(row))
        item->setData(0, DataRole, data);
}

QVariant TList::ItemValue(int row, const QString& name) const
{
    QTreeWidgetItem* item = rowItem(row);
    if (!item)
        return QVariant();
    if (!m_sortName.isEmpty() && name == m_sortName)
        return item->data(0, SortRole);
    return item->data(0, ValuesRole).toMap().value(name);
}

void TList::setItemValue(int row, const QString& name, const QVariant& value)
{
    QTreeWidgetItem* item = rowItem(row);
    if (!item)
        return;
    // The sort value is kept apart, where sorting reads it.
    if (!m_sortName.isEmpty() && name == m_sortName) {
        item->setData(0, SortRole, value);
        m_sortPending = true;
        return;
    }
    QVariantMap values = item->data(0, ValuesRole).toMap();
    values.insert(name, value);
    item->setData(0, ValuesRole, values);
}

int TList::ItemMode(int row) const
{
    QTreeWidgetItem* item = rowItem(row);
    return item ? item->data(0, ModeRole).toInt() : 0;
}

void TList::setItemMode(int row, int mode)
{
    if (QTreeWidgetItem* item = rowItem(row))
        item->setData(0, ModeRole, mode);
}

int TList::ItemValue2(int row) const
{
    QTreeWidgetItem* item = rowItem(row);
    return item ? item->data(0, Value2Role).toInt() : 0;
}

void TList::setItemValue2(int row, int value)
{
    if (QTreeWidgetItem* item = rowItem(row))
        item->setData(0, Value2Role, value);
}

qint32 TList::ItemLong(int row) const
{
    QTreeWidgetItem* item = rowItem(row);
    return item ? item->data(0, LongRole).toInt() : 0;
}

void TList::setItemLong(int row, qint32 value)
{
    if (QTreeWidgetItem* item = rowItem(row))
        item->setData(0, LongRole, value);
}

QPixmap TList::ItemPicture(int row, int which) const
{
    QTreeWidgetItem* item = rowItem(row);
    if (!item)
        return QPixmap();
    return item->data(0, which == 2 ? Picture2Role : Picture1Role).value<QPixmap>();
}

void TList::setItemPicture(int row, const QPixmap& picture, int which)
{
    QTreeWidgetItem* item = rowItem(row);
    if (!item)
        return;
    item->setData(0, which == 2 ? Picture2Role : Picture1Role, picture);
    const QPixmap p2 = item->data(0, Picture2Role).value<QPixmap>();
    const QPixmap p1 = item->data(0, Picture1Role).value<QPixmap>();
    item->setIcon(0, QIcon(item->isExpanded() && !p2.isNull() ? p2 : p1));
}

quint32 TList::ItemForeColor(int row) const
{
    QTreeWidgetItem* item = rowItem(row);
    return item ? item->data(0, ForeColorRole).toUInt() : 0;
}

void TList::setItemForeColor(int row, quint32 color)
{
    QTreeWidgetItem* item = rowItem(row);
    if (!item)
        return;
    item->setData(0, ForeColorRole, color);
    // One brush per colour code, shared by the rows that use it.
    QBrush brush;
    if (color) {
        auto it = m_brushes.constFind(color);
        if (it == m_brushes.cend())
            it = m_brushes.insert(color, QBrush(resolveColor(color, palette())));
        brush = it.value();
    }
    for (int c = 0; c < columnCount(); ++c)
        item->setForeground(c, brush);
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
        for (QTreeWidgetItem* item : m_rows) {
            QVariantMap values = item->data(0, ValuesRole).toMap();
            const QVariant old = item->data(0, SortRole);
            if (!m_sortName.isEmpty() && old.isValid())
                values.insert(m_sortName, old);
            item->setData(0, SortRole, name.isEmpty() ? QVariant() : values.take(name));
            item->setData(0, ValuesRole, values);
        }
    }
    m_sortName = name;
    m_sortPending = !name.isEmpty() && topLevelItemCount() > 0;
}

void TList::sortChildren(QTreeWidgetItem* parent)
{
    if (parent->childCount() == 0)
        return;
    QList<QTreeWidgetItem*> kids;
    kids.reserve(parent->childCount());
    for (int i = 0; i < parent->childCount(); ++i)
        kids << parent->child(i);
    // Rows already in order (a fill in sort order) stay where they are.
    if (sortByKeys(kids)) {
        parent->takeChildren();
        parent->addChildren(kids);
    }
    for (QTreeWidgetItem* kid : kids)
        sortChildren(kid);
}

void TList::SortRows()
{
    m_sortPending = false;
    if (m_sortName.isEmpty() || topLevelItemCount() == 0)
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
    sortByKeys(tops);
    for (QTreeWidgetItem* top : tops)
        sortChildren(top);
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
    emit MouseDown(button, shift, p.x(), p.y());
    QTreeWidget::mousePressEvent(event);
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
