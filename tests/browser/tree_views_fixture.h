// Reading the object tree views back: rows by parent, cells, font, colour
// and expanded state, and small databases built for the view tests.
#pragma once
#include <QApplication>
#include <QHelpEvent>
#include <QStringList>
#include <QToolTip>
#include <QTreeWidgetItem>

#include "platform/TList.h"

namespace kalvex::test {

// Rows directly below row (-1: the top level), in the order shown.
inline QList<int> childRows(const TList& t, int row)
{
    QList<int> out;
    if (row < 0) {
        for (int i = 0; i < t.topLevelItemCount(); ++i)
            out << t.rowOf(t.topLevelItem(i));
        return out;
    }
    if (QTreeWidgetItem* item = t.rowItem(row))
        for (int i = 0; i < item->childCount(); ++i)
            out << t.rowOf(item->child(i));
    return out;
}

// First cells (captions, or names of name/value rows) below row.
inline QStringList childTexts(const TList& t, int row)
{
    QStringList out;
    for (int r : childRows(t, row))
        out << t.rowItem(r)->text(0);
    return out;
}

// The row below row whose first cell is text; -1 when none.
inline int childRow(const TList& t, int row, const QString& text)
{
    for (int r : childRows(t, row))
        if (t.rowItem(r)->text(0) == text)
            return r;
    return -1;
}

// The first below row whose first cell starts with prefix; -1 when none.
inline int childRowStarting(const TList& t, int row, const QString& prefix)
{
    for (int r : childRows(t, row))
        if (t.rowItem(r)->text(0).startsWith(prefix))
            return r;
    return -1;
}

// The value cell of the name/value row name below node; "<none>" when the
// row is missing.
inline QString valueOf(const TList& t, int node, const QString& name)
{
    const int r = childRow(t, node, name);
    return r < 0 ? QStringLiteral("<none>") : t.rowItem(r)->text(1);
}

inline int parentRow(const TList& t, int row)
{
    QTreeWidgetItem* item = t.rowItem(row);
    return item && item->parent() ? t.rowOf(item->parent()) : -1;
}

inline bool isBold(const TList& t, int row)
{
    return t.ItemFont(row).bold();
}

// The tool tip the list shows over a row's cell; empty for none (ask for
// cells without one first: a tip shown fades out only after a while).
inline QString cellToolTip(TList& t, int row, int column)
{
    const QPoint at = t.visualRect(t.indexFromItem(t.rowItem(row), column)).center();
    QHelpEvent help(QEvent::ToolTip, at, t.viewport()->mapToGlobal(at));
    QApplication::sendEvent(t.viewport(), &help);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

// Every row of the list, depth first, in the order shown.
inline QList<int> allRows(const TList& t)
{
    QList<int> out;
    QList<int> stack = childRows(t, -1);
    std::reverse(stack.begin(), stack.end());
    while (!stack.isEmpty()) {
        const int r = stack.takeLast();
        out << r;
        QList<int> kids = childRows(t, r);
        std::reverse(kids.begin(), kids.end());
        stack << kids;
    }
    return out;
}

} // namespace kalvex::test
