// Answers the file browser that a dialog's browse button opens, as a user:
// types the answer into its result line and clicks OK, or clicks Cancel.
#pragma once
#include <QTest>

#include "browser/frmFileBrowser.h"
#include "platform/CommonDialogDirect6.h"
#include "platform/VbCommandButton.h"
#include "platform/VbPictureBox.h"
#include "platform/VbTextBox.h"
#include "support/modal_driver.h"

namespace kalvex::test {

struct BrowserSeen {
    bool shown = false;
    QString spec;      // the incoming text
    bool checkout = false;
    QString title;     // the Open dialog's title
};

// An empty answer cancels. `seen` must outlive the browser.
inline void answerBrowser(BrowserSeen& seen, const QString& answer)
{
    whenModal([&seen, answer](QWidget* w) {
        frmFileBrowser* b = vbl_formExists<frmFileBrowser>() ? vbl_formInstance<frmFileBrowser>() : nullptr;
        if (b && QTest::qWaitFor([b] { return b->m_controls->isVisible(); }, 3000)) {
            seen.shown = true;
            seen.spec = b->inFileSpec();
            seen.checkout = b->enable_checkoutTab();
            seen.title = b->cD() ? b->cD()->DialogTitle() : QString();
            if (answer.isEmpty()) {
                clickWidget(b->cmdCancel);
            } else {
                typeInto(b->textResult, answer);
                clickWidget(b->cmdOk);
            }
        }
        if (w->isVisible() && b)
            b->cmdCancel->click();
    });
}

} // namespace kalvex::test
