// A person's Tab key: where each press leaves the focus, named by the
// control (a grid by its name and active cell, "grid(col,row)").
#pragma once
#include <QApplication>
#include <QStringList>
#include <QTableWidget>
#include <QTest>

#include "platform/vaSpread.h"

namespace kalvex::test {

inline QString focusName()
{
    QWidget* w = QApplication::focusWidget();
    if (auto* g = w ? qobject_cast<vaSpread*>(w->parentWidget()) : nullptr; g && g->table() == w)
        return QStringLiteral("%1(%2,%3)").arg(g->objectName()).arg(g->activeCol()).arg(g->activeRow());
    while (w && w->objectName().isEmpty())
        w = w->parentWidget();
    return w ? w->objectName() : QStringLiteral("nothing");
}

// Presses Tab (Shift+Tab with back) where the focus is, `presses` times.
inline QStringList tabWalk(int presses, bool back = false)
{
    QStringList seen;
    for (int i = 0; i < presses; ++i) {
        if (back)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        else
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        seen << focusName();
    }
    return seen;
}

} // namespace kalvex::test
