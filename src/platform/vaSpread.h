// Spreadsheet grid in the manner of the classic spreadsheet control the
// dialogs were designed for. Cell operations act on the current cell chosen by
// col and row, which is independent of the active cell where the caret stands.
// Addresses are 1-based: row 0 is the header row, column 0 the row-header
// column, and -1 addresses every row or every column. With block mode on,
// text, colours and clearBlock act on col..col2 x row..row2 instead.
// Colours are VB colour codes (system colours &H800000xx or 0x00BBGGRR),
// widths are twips.
#pragma once
#include <QFont>
#include <QFrame>
#include <map>
#include <vector>
#include <QModelIndex>

class QTableWidget;
class QTableWidgetItem;

namespace kalvex {

class vaSpreadView;

class vaSpread : public QFrame {
    Q_OBJECT
    Q_CLASSINFO("vbKind", "FPSpread.vaSpread")
public:
    enum SortOrder { SortAscending = 1, SortDescending = 2 };
    struct SortKey {
        int col;
        SortOrder order;
    };

    explicit vaSpread(QWidget* parent = nullptr);

    ~vaSpread() override;

    int col() const { return m_col; }
    void setCol(int col) { m_col = col; }
    int row() const { return m_row; }
    void setRow(int row) { m_row = row; }
    int col2() const { return m_col2; }
    void setCol2(int col) { m_col2 = col; }
    int row2() const { return m_row2; }
    void setRow2(int row) { m_row2 = row; }
    bool blockMode() const { return m_blockMode; }
    void setBlockMode(bool on) { m_blockMode = on; }

    // Text of the addressed cell; row 0 and column 0 are the header texts.
    QString text() const;
    void setText(const QString& text);
    quint32 backColor() const;
    void setBackColor(quint32 color);
    quint32 foreColor() const;
    void setForeColor(quint32 color);

    int maxRows() const;
    // Rows added are empty; rows cut off lose their content.
    void setMaxRows(int rows);
    int maxCols() const;
    void setMaxCols(int cols);

    // Where the caret stands; -1 when no cell is active.
    int activeRow() const;
    int activeCol() const;
    // Makes the current cell the active cell (a move the leaveCell handler may veto).
    void setActiveCell();

    bool rowHidden(int row) const;
    void setRowHidden(int row, bool hidden);
    bool colHidden(int col) const;
    void setColHidden(int col, bool hidden);

    // Empties the addressed cells: text and colours.
    void clearBlock();
    // A blank row before the current row; the rows below move down and the
    // last row falls off, so the row count stays (grow it first to keep it).
    void insertRow();
    // Sorts rows row..row2 (whole rows, hidden flags included) by two keys,
    // comparing texts without regard to case first; equal rows keep their order.
    void sortRows(int row, int row2, SortKey key1, SortKey key2);

    // Painting switch: off while many cells change.
    bool reDraw() const { return m_reDraw; }
    void setReDraw(bool on);

    int colWidth(int col) const;
    void setColWidth(int col, int twips);
    // Width of the widest text in a column, header and hidden rows left out.
    int maxTextColWidth(int col) const;
    int rowHeight(int row) const;
    // The row-number column (column 0).
    bool rowHeadersVisible() const;
    void setRowHeadersVisible(bool on);

    // Ends edit mode keeping what was typed.
    void commitEdit();
    bool isEditing() const;

    QTableWidget* table() const;
    // A cell's rectangle in the table's viewport (where a user clicks).
    QRect cellRect(int col, int row) const;

signals:
    // mode 1: the cell enters edit mode, 0: it leaves it.
    void editMode(int col, int row, int mode, bool changeMade);
    // The caret is about to move; setting cancel keeps it in its cell.
    void leaveCell(int col, int row, int newCol, int newRow, bool& cancel);

private:
    template <typename Fn> void forEachCell(Fn fn);
    QTableWidgetItem* cell(int col, int row) const;
    QTableWidgetItem* makeCell(int col, int row);
    bool guardMove(const QModelIndex& from, const QModelIndex& to);
    // The widest-text bookkeeping: per column, how many visible cells have
    // each text width (pixels). Hiding or showing a row updates it; any other
    // change of texts or rows drops it, and the next question measures again.
    void dropTextWidths() const;
    void countRowTextWidths(int row, int delta);
    void cellChanged(QTableWidgetItem* item);

    vaSpreadView* m_view;
    int m_col = 1;
    int m_row = 1;
    int m_col2 = 1;
    int m_row2 = 1;
    bool m_blockMode = false;
    bool m_reDraw = true;
    mutable std::vector<std::map<int, int>> m_textWidths;
    mutable std::vector<bool> m_textWidthsKnown;
    mutable QFont m_textWidthsFont; // the font they were measured with
};

} // namespace kalvex
