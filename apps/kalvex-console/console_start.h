// How kalvex-console opens the object test console on its files.
#pragma once
#include <QString>

namespace kalvex {
class frmObjectTest;
}

namespace kalvex::console {

struct ConsoleStart {
    bool loaded = false;  // the keyword file is loaded and shown
    QString failure;      // why a file cannot be loaded; empty when both can
};

// Puts the keyword file and the job preferences into the console's boxes
// (as full paths, so that Load works wherever the program was started) and
// loads the keyword file; the job preferences are read to check them (their
// fault and its line), not shown. A failure is on the console's status line
// too, so that a user can correct the name. A file not named (empty) is
// neither put into its box nor loaded or checked.
ConsoleStart startConsole(frmObjectTest* console, const QString& keywordFile, const QString& jobPrefsFile);

} // namespace kalvex::console
