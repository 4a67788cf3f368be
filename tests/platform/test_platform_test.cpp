// The widget suites run on the platform the project's own variable names
// (offscreen without it), never on the one the developer's shell names.
#include <gtest/gtest.h>

#include <QGuiApplication>

TEST(TestPlatform, WidgetSuitesRunOnTheProjectsTestPlatformOnly)
{
    // tests/CMakeLists.txt also runs this with QT_QPA_PLATFORM naming a
    // desktop that is not there: the suite must still start, offscreen.
    QString wanted = qEnvironmentVariable("KALVEX_TEST_PLATFORM").section(QLatin1Char(':'), 0, 0);
    if (wanted.isEmpty())
        wanted = QStringLiteral("offscreen");
    EXPECT_EQ(QGuiApplication::platformName(), wanted);
}
