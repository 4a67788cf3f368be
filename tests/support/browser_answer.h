// Answers the next file browser a dialog opens, as a user: types the answer
// into its result line and clicks OK, or clicks Cancel for an empty answer.
// What the browser was opened with is recorded for the test to check after
// the click that opened it returns.
#pragma once
#include <QString>

#include "interfaces/IKalvexAdministrator.h"

namespace kalvex::test {

struct BrowserSeen {
    bool shown = false;
    QString spec;     // the file specification it was opened on
    bool checkout = false;
    QString title;    // the modal window's title
    IKalvexAdministratorPtr adm; // the administration database it was given
};

void answerBrowser(BrowserSeen& seen, const QString& answer);

} // namespace kalvex::test
