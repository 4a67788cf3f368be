#include "support/dpi_child.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace kalvex::test {

namespace {
const char* const CHILD_VARIABLE = "KALVEX_DPI_CHILD";

class ChildTest : public ::testing::Test {
public:
    explicit ChildTest(std::function<void()> body) : m_body(std::move(body)) {}
    void TestBody() override { m_body(); }

private:
    std::function<void()> m_body;
};
} // namespace

bool registerDpiChildFixture(const char* suite, const char* name, int dpi,
                             std::function<::testing::Test*()> make)
{
    if (qEnvironmentVariableIntValue(CHILD_VARIABLE) != dpi)
        return false;
    ::testing::RegisterTest(suite, name, nullptr, nullptr, __FILE__, __LINE__, [make] { return make(); });
    return true;
}

bool registerDpiChildTest(const char* suite, const char* name, int dpi, std::function<void()> body)
{
    return registerDpiChildFixture(suite, name, dpi,
                                std::function<::testing::Test*()>([body] { return new ChildTest(body); }));
}

void runDpiChild(const char* suite, const char* name, int dpi)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString cfg = dir.filePath(QStringLiteral("screen.json"));
    QFile f(cfg);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QStringLiteral(R"({"screens":[{"name":"s0","x":0,"y":0,"width":1600,"height":1200,)"
                           R"("logicalDpi":%1,"logicalBaseDpi":96,"dpr":1}]})")
                .arg(dpi)
                .toUtf8());
    f.close();
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // The test main takes its platform from this variable alone.
    env.insert(QStringLiteral("KALVEX_TEST_PLATFORM"), QStringLiteral("offscreen:configfile=") + cfg);
    env.insert(QLatin1String(CHILD_VARIABLE), QString::number(dpi));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=%1.%2").arg(QLatin1String(suite), QLatin1String(name))});
    ASSERT_TRUE(child.waitForFinished(60000));
    const QString out = QString::fromLocal8Bit(child.readAll());
    EXPECT_EQ(child.exitCode(), 0) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("[  PASSED  ] 1 test"))) << out.toStdString();
}

void useDpiChildScreen()
{
    // With scaling on, Qt reports 96 logical DPI and scales the pixels.
    if (qEnvironmentVariableIsSet(CHILD_VARIABLE))
        qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
}

} // namespace kalvex::test
