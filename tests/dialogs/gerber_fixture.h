// The Gerber dialog opened on a generator's set, and a user typing lines
// into its header and trailer grids.
#pragma once
#include "dialogs/dedicated_dialog_fixture.h"
#include <QTableWidget>

#include "dialogs/frmGerberParms.h"
#include "platform/VbCheckBox.h"
#include "platform/VbColors.h"
#include "platform/VbOptionButton.h"
#include "platform/vaSpread.h"

namespace kalvex::test {

class GerberTest : public DedicatedDialogTest<frmGerberParms> {
protected:
    GerberTest()
        : DedicatedDialogTest(QStringLiteral("(INTERNAL)Kalvex Gerber Generator"))
    {
    }

    vaSpread* headers() { return form->listHeaderLines; }
    vaSpread* trailers() { return form->listTrailerLines; }

    static QString cell(vaSpread* g, int col, int row)
    {
        g->setBlockMode(false);
        g->setCol(col);
        g->setRow(row);
        return g->text();
    }
    static QString line(vaSpread* g, int row) { return cell(g, frmGerberParms::ColText, row); }
    // The four lines a user sees.
    static QStringList lines(vaSpread* g)
    {
        QStringList all;
        for (int r = 1; r <= g->maxRows(); ++r)
            all << line(g, r);
        return all;
    }

    void clickCell(vaSpread* g, int row)
    {
        QTest::mouseClick(g->table()->viewport(), Qt::LeftButton, {},
                          g->cellRect(frmGerberParms::ColText, row).center());
    }
    // Clicks a line and types over it; the editor stays open.
    void typeLine(vaSpread* g, int row, const QString& text)
    {
        clickCell(g, row);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty())
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
        else
            QTest::keyClicks(QApplication::focusWidget(), text);
    }
    // Types a line and leaves the cell with Enter.
    void enterLine(vaSpread* g, int row, const QString& text)
    {
        typeLine(g, row, text);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_TRUE(QTest::qWaitFor([g] { return !g->isEditing(); }, 1000));
    }
    void showTrailers() { clickIndicator(form->optionTrailers); }
    void showHeaders() { clickIndicator(form->optionHeaders); }
};

} // namespace kalvex::test
