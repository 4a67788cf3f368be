// A generator with its parameter set, edited in the grid dialog through the
// set's editor, and the user actions on the dialog.
#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <QTableWidget>
#include <QTest>

#include "dialogs/frmParmEdit.h"
#include "dialogs/morvObjs_editFormSelect.h"
#include "dialogs/morvObjs_parmGridFillRow.h"
#include "dialogs/parm_set_probe.h"
#include "generators/KalvexGenerator.h"
#include "interfaces/IKalvexGenParmsEditor.h"
#include "platform/VbCommandButton.h"
#include "platform/VbLabel.h"
#include "platform/VbTextBox.h"
#include "platform/vaSpread.h"
#include "support/qt_printers.h"

namespace kalvex::test {

class ParmEditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dialogs_install();
        gen = classCreate_KalvexGenerator();
        gen->setCmdGen(QStringLiteral("C:\\tools\\outgen.exe"));
        parms = gen->parameters();
    }

    void TearDown() override { vbl_formRelease<frmParmEdit>(); }

    void add(const QString& name, const QString& value, int type = PARM_TYPE_USER)
    {
        parms->add(name, value, type);
    }

    // The editor loads and shows the dialog, as the host does.
    frmParmEdit* open()
    {
        editor()->initialize(true);
        form = dynamic_cast<frmParmEdit*>(editor()->formObj());
        if (form) {
            form->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(form));
        }
        return form;
    }

    std::shared_ptr<IKalvexGenParmsEditor> editor() { return parms->editor(); }
    vaSpread* grid() { return form->parmsGrid; }
    int persist() { return persistForm(form); }

    QString cell(int col, int row)
    {
        grid()->setBlockMode(false);
        grid()->setCol(col);
        grid()->setRow(row);
        return grid()->text();
    }
    quint32 backColor(int col, int row)
    {
        grid()->setCol(col);
        grid()->setRow(row);
        return grid()->backColor();
    }
    // Names of the rows a user sees, top to bottom.
    QStringList shownNames()
    {
        QStringList names;
        for (int r = 1; r <= grid()->maxRows(); ++r)
            if (!grid()->rowHidden(r))
                names << cell(ParmGridCol::Name, r);
        return names;
    }
    int rowOf(const QString& name)
    {
        for (int r = 1; r <= grid()->maxRows(); ++r)
            if (cell(ParmGridCol::Name, r) == name)
                return r;
        return -1;
    }
    QString value(const QString& name) { return parmValue(parms, name); }

    void clickCell(int col, int row)
    {
        QTest::mouseClick(grid()->table()->viewport(), Qt::LeftButton, {}, grid()->cellRect(col, row).center());
    }
    // Keys go where the focus is: the first opens the cell editor.
    void type(const QString& text)
    {
        for (QChar ch : text)
            QTest::keyClicks(QApplication::focusWidget(), QString(ch));
    }
    void press(Qt::Key key)
    {
        QTest::keyClick(QApplication::focusWidget(), key);
        EXPECT_TRUE(QTest::qWaitFor([this] { return !grid()->isEditing(); }, 1000));
    }
    // Click a cell, replace its text, confirm with Enter.
    void editCell(int col, int row, const QString& text)
    {
        clickCell(col, row);
        if (text.isEmpty()) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
        } else {
            type(text);
        }
        press(Qt::Key_Return);
    }
    void click(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton); }

    IKalvexGeneratorPtr gen;
    IKalvexGenParmsPtr parms;
    frmParmEdit* form = nullptr;
};

} // namespace kalvex::test
