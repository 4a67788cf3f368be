#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <new>
#include <vector>

#include "foundation/vbl_err.h"
#include "interfaces/IKalvexErrorDisplay.h"
#include "support/qt_printers.h"

using namespace kalvex;

namespace {
QString readAll(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return QString::fromUtf8(f.readAll());
}
} // namespace

TEST(ErrInfo, DescribesTheCurrentError)
{
    vbl_err_set(53, "File not found");
    EXPECT_EQ(vbl_err_getInfo(""), " Err#53 Desc. File not found");
    EXPECT_EQ(vbl_err_getInfo("#", {-1, "x"}), "# Err#-1 Desc. x");
    vbl_err_clear();
    EXPECT_EQ(vbl_err_getInfo(""), " Err#0 Desc. ");
}

TEST(ErrLog, WritesOneEntryPerReportToTheNumberedFile)
{
    QTemporaryDir tmp;
    const QString path = tmp.filePath("err.log");
    const int n = vbl_log_open(path);
    ASSERT_GE(n, 1);
    EXPECT_TRUE(vbl_err_log("KalvexGenParms_rename", vbl_err_getInfo("", {5, "Invalid call"}), "renaming x", 0, n));
    EXPECT_TRUE(vbl_err_log("frm_load", "info", "", 2, n));
    EXPECT_FALSE(vbl_err_log("frm_load", "info", "", 2, n, true)); // empty message skipped
    EXPECT_TRUE(vbl_log_close(n));
    EXPECT_EQ(readAll(path), "*** Error - KalvexGenParms_rename ***  Err#5 Desc. Invalid call\r\n"
                             " ===> renaming x\r\n"
                             "  *** Error - frm_load *** info\r\n"
                             "   ===> \r\n");

    // reopening appends; an OERR message comes without error details
    const int again = vbl_log_open(path);
    vbl_err_log("p", "i", "m", 0, again);
    vbl_err_log("q", " Err#7 Desc. x", "OERR Could not find it", 0, again);
    vbl_log_close(again);
    EXPECT_TRUE(readAll(path).endsWith("*** Error - p *** i\r\n ===> m\r\n"
                                       "*** Error - q *** \r\n ===>  Could not find it\r\n"));
}

TEST(ErrLog, NumbersWithoutALogFileWriteNothing)
{
    for (int n : {VBL_LOG_NONE, VBL_LOG_DIALOGS, 0, -1, 9999})
        EXPECT_FALSE(vbl_err_log("p", "i", "m", 0, n)) << n;
    EXPECT_FALSE(vbl_log_close(9999));
    EXPECT_EQ(vbl_log_open(""), -1);
    EXPECT_EQ(vbl_log_open("/nonexistent-dir/x/err.log"), -1);
}

TEST(ErrLog, OpenFilesGetDistinctNumbersAndFreedNumbersAreReused)
{
    QTemporaryDir tmp;
    const int a = vbl_log_open(tmp.filePath("a.log"));
    const int b = vbl_log_open(tmp.filePath("b.log"));
    EXPECT_NE(a, b);
    vbl_err_log("p", "i", "to b", 0, b);
    EXPECT_TRUE(vbl_log_close(a));
    EXPECT_FALSE(vbl_log_isOpen(a));
    EXPECT_EQ(vbl_log_open(tmp.filePath("c.log")), a);
    EXPECT_TRUE(readAll(tmp.filePath("b.log")).contains("to b"));
    EXPECT_TRUE(readAll(tmp.filePath("a.log")).isEmpty());
}

namespace {
struct ShownErrors : IKalvexErrorDisplay {
    QStringList shown;
    void showError(const QString& title, const QString& text) override { shown << title + "|" + text; }
};
} // namespace

TEST(AppError, LoggedWhenALogIsOpenShownOtherwiseFatalAlwaysShown)
{
    ShownErrors display;
    registerErrorDisplay(&display);
    QTemporaryDir tmp;
    const int n = vbl_log_open(tmp.filePath("app.log"));
    vbl_err_set(76, "Path not found");

    vbl_err_appError("KalvexUser_initialize", "Could not read", n);
    vbl_err_appError("KalvexUser_initialize", "OERR Could not find program configuration file : x.cfg", n);
    EXPECT_TRUE(display.shown.isEmpty());
    vbl_err_appError("KalvexUser_initialize", "Could not read", VBL_LOG_NONE);
    vbl_err_appError("p", "OERR** Error ** Can not find help file h.hlp", VBL_LOG_DIALOGS);
    vbl_err_fatalError("p", "Out of memory", n);
    vbl_log_close(n);
    registerErrorDisplay(nullptr);

    EXPECT_EQ(display.shown, (QStringList{"Application Error|Could not read\r\nErr#76 Desc. Path not found",
                                          "Application Error|** Error ** Can not find help file h.hlp",
                                          "Fatal Application Error|Out of memory\r\nErr#76 Desc. Path not found"}));
    EXPECT_EQ(readAll(tmp.filePath("app.log")),
              "*** Error - KalvexUser_initialize *** Application Error Err#76 Desc. Path not found\r\n"
              " ===> Could not read\r\n"
              "*** Error - KalvexUser_initialize *** Application Error\r\n"
              " ===>  Could not find program configuration file : x.cfg\r\n"
              "*** Error - p *** Fatal Application Error Err#76 Desc. Path not found\r\n"
              " ===> Out of memory\r\n");
}

TEST(ErrTrap, AFaultOfTheCodeIsLoggedAndWarnedOfAFailureOnlyLogged)
{
    QTemporaryDir tmp;
    const int n = vbl_log_open(tmp.filePath("err.log"));
    ASSERT_GE(n, 1);
    static QStringList warnings;
    warnings.clear();
    const auto previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtWarningMsg)
            warnings << text;
    });
    QString what;
    try {
        (void)std::vector<int>().at(3); // an index past the end: a fault of the code
    } catch (...) {
        what = vbl_err_trapped("frm_load", n);
    }
    try {
        throw std::bad_alloc(); // a failure a trap ends quietly
    } catch (...) {
        vbl_err_trapped("frm_persist", n);
    }
    qInstallMessageHandler(previous);
    vbl_err_clear();
    EXPECT_TRUE(vbl_log_close(n));
    EXPECT_EQ(warnings, QStringList{"frm_load: trapped fault: " + what});
    EXPECT_EQ(readAll(tmp.filePath("err.log")),
              "*** Error - frm_load ***  Err#51 Desc. " + what + "\r\n ===> \r\n"
              "*** Error - frm_persist ***  Err#7 Desc. Out of memory\r\n ===> \r\n");
}
