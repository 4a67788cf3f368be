// Every parameter dialog made too small, shown or hidden: whatever size it
// ends with, its panel and controls stand as a fresh layout at that size puts
// them.
#include <gtest/gtest.h>

#include <QMap>
#include <QTest>

#include "dialogs/frmBNREPNTLParms.h"
#include "dialogs/frmBNREPParms.h"
#include "dialogs/frmConfigFileParms.h"
#include "dialogs/frmDRCParms.h"
#include "dialogs/frmDistribParms.h"
#include "dialogs/frmDrillParms.h"
#include "dialogs/frmGENIFParms.h"
#include "dialogs/frmGFmanipParms.h"
#include "dialogs/frmGerberParms.h"
#include "dialogs/frmParmEdit.h"
#include "dialogs/frmVarsetupParms.h"
#include "support/qt_printers.h"

using namespace kalvex;

namespace {

QList<QRect> childGeometries(QWidget* form)
{
    QList<QRect> out;
    for (const QWidget* w : form->findChildren<QWidget*>())
        out << w->geometry();
    return out;
}

// The geometry a layout gives at the form's present size, found by laying
// it out afresh there.
QList<QRect> freshLayoutAtPresentSize(QWidget* form)
{
    const QSize size = form->size();
    form->resize(size + QSize(1, 1));
    form->resize(size);
    QTest::qWait(1);
    return childGeometries(form);
}

template <class F>
void expectLaidOutAtTheSizeItEndsWith()
{
    F* form = vbl_formInstance<F>();
    const char* name = F::staticMetaObject.className();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
    const QSize good(640, 480);
    QMap<QString, QSize> endedShown;
    for (const bool hidden : {false, true}) {
        for (const QSize tried : {QSize(20, 480), QSize(640, 20), QSize(5, 5), QSize(100, 100)}) {
            form->resize(good);
            QTest::qWait(1);
            if (hidden)
                form->hide();
            form->resize(tried);
            form->show();
            QTest::qWait(1);
            const QList<QRect> shown = childGeometries(form);
            const QSize ended = form->size();
            EXPECT_EQ(shown, freshLayoutAtPresentSize(form))
                << name << (hidden ? " hidden" : " shown") << ", tried " << tried.width() << "x" << tried.height()
                << ", ended " << ended.width() << "x" << ended.height();
            EXPECT_EQ(form->size(), ended);
            // Refused or taken alike, whether the form was on screen or not.
            const QString key = QStringLiteral("%1x%2").arg(tried.width()).arg(tried.height());
            if (!hidden)
                endedShown[key] = ended;
            else
                EXPECT_EQ(ended, endedShown.value(key)) << name << ", tried " << key.toStdString();
        }
    }
    vbl_formRelease<F>();
}

} // namespace

TEST(FormTooSmall, EveryDialogIsLaidOutAtTheSizeItEndsWith)
{
    expectLaidOutAtTheSizeItEndsWith<frmBNREPNTLParms>();
    expectLaidOutAtTheSizeItEndsWith<frmBNREPParms>();
    expectLaidOutAtTheSizeItEndsWith<frmDXFOutParms>();
    expectLaidOutAtTheSizeItEndsWith<frmDRCParms>();
    expectLaidOutAtTheSizeItEndsWith<frmDistribParms>();
    expectLaidOutAtTheSizeItEndsWith<frmDrillParms>();
    expectLaidOutAtTheSizeItEndsWith<frmGENIFParms>();
    expectLaidOutAtTheSizeItEndsWith<frmGFmanipParms>();
    expectLaidOutAtTheSizeItEndsWith<frmGerberParms>();
    expectLaidOutAtTheSizeItEndsWith<frmParmEdit>();
    expectLaidOutAtTheSizeItEndsWith<frmVarsetupParms>();
}
