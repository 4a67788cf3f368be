#include <gtest/gtest.h>

#include "foundation/vbl_err.h"
#include "platform/vbl_errDisplay.h"
#include "support/modal_driver.h"
#include "support/qt_printers.h"

using namespace kalvex;
using namespace kalvex::test;

TEST(ErrorDisplay, ApplicationErrorWithoutLogOpensAMessageBoxTheUserCloses)
{
    vbl_errDisplay_install();
    vbl_err_set(53, "File not found");
    auto seen = answerMessageBox("OK");
    vbl_err_appError("frmParmEdit_loadData", "OERR Could not load the parameters", VBL_LOG_NONE);
    EXPECT_TRUE(seen->ran);
    EXPECT_FALSE(seen->leftOpen);
    EXPECT_EQ(seen->title, "Application Error");
    EXPECT_EQ(seen->text, " Could not load the parameters");
}
