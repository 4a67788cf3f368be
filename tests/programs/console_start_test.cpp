// kalvex-console's start: both files named in full, a file that cannot be loaded on the status line with its fault.
#include "browser/console_fixture.h"
#include "console_start.h"

using namespace kalvex;
using namespace kalvex::test;

TEST_F(ConsoleTest, ProgramStartNamesBothFilesInFullAndABadOneOnTheStatusLine)
{
    const QString before = QDir::currentPath();
    QDir::setCurrent(KALVEX_SOURCE_DIR "/examples");
    const QString examples = QDir::currentPath();
    EXPECT_EQ(console::startConsole(console, "demo.mra", "demo.ruv").failure, "");
    QDir::setCurrent(before);
    EXPECT_EQ(console->textASCIISource->text(), examples + "/demo.mra");
    EXPECT_EQ(console->textJprefs->text(), examples + "/demo.ruv") << "Load must work from any folder";

    auto box = answerMessageBox("OK", 300);
    const QString missing = pathIn("missing.mra");
    EXPECT_FALSE(console::startConsole(console, missing, demoJobPrefsPath()).loaded);
    EXPECT_FALSE(box->ran) << "no message box before the window";
    EXPECT_EQ(console->mess1->caption(), "Load failed: " + missing + ": no such file");

    // Job preferences missing or malformed: the file and the fault, with its line.
    const QString broken =
        writeFile("broken.ruv", "JOB_PREFERENCES 2\r\nSection \"Layers\"\r\n.Layer 1\r\n..thickNess \"thick\r\nEnd\r\n");
    for (const auto& [prefs, fault] : {std::pair<QString, QString>{pathIn("missing.ruv"), "no such file"},
                                       {broken, "not valid job preferences: unbalanced quote in value 1 (line 4)"}}) {
        EXPECT_TRUE(console::startConsole(console, demoDatabasePath(), prefs).loaded);
        EXPECT_EQ(console->mess1->caption(), "");
        EXPECT_EQ(console->mess2->caption(), "Job preferences: " + prefs + ": " + fault);
    }
}
