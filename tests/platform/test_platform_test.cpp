// The widget suites run on the platform the project's own variable names
// (offscreen without it), never on the one the developer's shell names.
#include <gtest/gtest.h>

#include <QGuiApplication>

// tests/CMakeLists.txt also runs this with the shell naming a desktop that is not there.
TEST(TestPlatform, WidgetSuitesRunOnTheProjectsTestPlatformOnly)
{
    const QString wanted = qEnvironmentVariable("KALVEX_TEST_PLATFORM").section(QLatin1Char(':'), 0, 0);
    EXPECT_EQ(QGuiApplication::platformName(), wanted.isEmpty() ? QStringLiteral("offscreen") : wanted);
}
