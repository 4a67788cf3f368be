// Tree list with the members of the tree-list control: rows addressed by an
// index, row keys and per-row values, pictures, colours and fonts, the
// expanded state, a redraw switch and sorting by a named row value.
//
// A row's index is given when the row is added (0, 1, 2, … in the order of
// adding) and stays its index until the list is emptied: adding below an
// earlier row, inserting and sorting move rows on screen, never their
// indices. Fills therefore hold row indices as parents safely.
//
// Colours are the control's colour codes: a system colour (&H800000nn) or a
// plain 0x00BBGGRR value; 0 means "not set".
#pragma once
#include <QHash>
#include <QPixmap>
#include <QTreeWidget>
#include <QVariant>
#include <vector>

namespace kalvex {

class TListRow;

class TList : public QTreeWidget {
    Q_OBJECT
    Q_CLASSINFO("vbKind", "TListProLibCtl.TList")
public:
    explicit TList(QWidget* parent = nullptr);
    ~TList() override;

    int ListCount() const;
    // Selected row, -1 for none.
    int ListIndex() const;
    void setListIndex(int row);

    // Adds a row below the row parentIndex (-1 or no row: top level) after
    // its last child; answers the new row's index.
    int AddItem(const QString& text, int parentIndex = -1);
    // Inserts a row in front of the row position, beside it; at the end of
    // the top level when position is not a row. Answers the new row's index.
    int InsertItem(const QString& text, int position);
    // Adds a row of the given cells (no splitting) below parentIndex.
    int AddItemCells(const QStringList& cells, int parentIndex = -1);
    // A row not shown yet: its values can be set and rows added below it
    // without the list hearing of each; PlaceItem shows it with all below
    // it at once. Clearing the list drops it if it was never placed.
    int NewItem(const QString& text);
    // Shows a row made by NewItem below parentIndex (-1 or no row: top
    // level) after its last child. Nothing for any other row.
    void PlaceItem(int row, int parentIndex);
    void Clear();

    QString ItemText(int row) const;
    void setItemText(int row, const QString& text);
    QString ItemKey(int row) const;
    void setItemKey(int row, const QString& key);
    QVariant ItemData(int row) const;
    void setItemData(int row, const QVariant& data);
    // Named per-row values (the sort value among them).
    QVariant ItemValue(int row, const QString& name) const;
    void setItemValue(int row, const QString& name, const QVariant& value);
    int ItemMode(int row) const;
    void setItemMode(int row, int mode);
    int ItemValue2(int row) const;
    void setItemValue2(int row, int value);
    qint32 ItemLong(int row) const;
    void setItemLong(int row, qint32 value);

    // Pictures 1 (shown) and 2 (shown while the row is expanded, when set).
    QPixmap ItemPicture(int row, int which) const;
    void setItemPicture(int row, const QPixmap& picture, int which);
    quint32 ItemForeColor(int row) const;
    void setItemForeColor(int row, quint32 color);
    QFont ItemFont(int row) const;
    void setItemFont(int row, const QFont& font);

    // Row -1 stands for every row.
    bool ItemExpanded(int row) const;
    void setItemExpanded(int row, bool expanded);
    bool ItemHasChildren(int row) const;
    // The last row shown below row (row itself when it has none); -1 for no row.
    int LastRowBelow(int row) const;
    // Whether row hangs (at any depth) below the row ancestor.
    bool RowIsBelow(int row, int ancestor) const;

    quint32 ForeColor() const { return m_foreColor; }
    void setForeColor(quint32 color);

    bool Redraw() const { return m_redraw; }
    // Switching redraw on applies a pending sort and repaints once.
    void setRedraw(bool on);

    QString SortValueName() const { return m_sortName; }
    void setSortValueName(const QString& name);
    // Orders the rows below each row by the named value (stable).
    void SortRows();

    int TopIndex() const;
    void setTopIndex(int row);

    // Character code that splits a row text into columns; 0 for none. A row
    // whose cells past the first are empty is shown across all columns.
    int CellSeparator() const { return m_separator; }
    void setCellSeparator(int code) { m_separator = code; }

    QTreeWidgetItem* rowItem(int row) const;
    int rowOf(const QTreeWidgetItem* item) const;

    // A colour code as the colour it stands for.
    static QColor resolveColor(quint32 code, const QPalette& palette);

signals:
    // Raised before the press changes the selection.
    void MouseDown(int button, int shift, int x, int y);
    // A row was clicked.
    void Click();
    // The selection changed (by the user or by code).
    void SelChange();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    // A double click on a row with children opens or closes it.
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    // A cell cut by its column shows its whole text as a tool tip.
    bool viewportEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    TListRow* row(int index) const;
    // A new row, given the next index.
    TListRow* newRow();
    void showPicture(TListRow* item);
    void applyText(TListRow* item, const QString& text);
    void dropUnplaced();
    // A row whose cells past the first are empty spans every column.
    bool hasOneCell(const QTreeWidgetItem* item) const;
    void showSpans(QTreeWidgetItem* item);

    // Row index → row, in the order of adding.
    std::vector<TListRow*> m_rows;
    // Rows made by NewItem and not placed yet.
    int m_unplaced = 0;
    // Row colours by colour code (rebuilt when the palette changes).
    QHash<quint32, QBrush> m_brushes;
    // Row icons by picture (QPixmap::cacheKey), until the list is emptied.
    QHash<qint64, QIcon> m_icons;
    quint32 m_foreColor = 0x80000008u;
    bool m_redraw = true;
    bool m_sortPending = false;
    QString m_sortName;
    int m_separator = 0;
    // The row under each of the last two presses and whether it was open
    // then: a double click's second press comes with the double click.
    struct Press {
        QTreeWidgetItem* item = nullptr;
        bool expanded = false;
        quint64 time = 0;
    };
    Press m_lastPress;
    Press m_pressBefore;
};

} // namespace kalvex
