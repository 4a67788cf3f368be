#include "support/browser_answer.h"

#include <QTest>

#include "browser/frmFileBrowser.h"
#include "platform/VbCommandButton.h"
#include "platform/VbPictureBox.h"
#include "platform/VbTextBox.h"
#include "support/modal_driver.h"

namespace kalvex::test {

void answerBrowser(BrowserSeen& seen, const QString& answer)
{
    whenModal([&seen, answer](QWidget* w) {
        frmFileBrowser* b = vbl_formExists<frmFileBrowser>() ? vbl_formInstance<frmFileBrowser>() : nullptr;
        if (b && QTest::qWaitFor([b] { return b->m_controls->isVisible(); }, 3000)) {
            seen.shown = true;
            seen.spec = b->inFileSpec();
            seen.checkout = b->enable_checkoutTab();
            seen.title = w->windowTitle();
            seen.adm = b->admObj();
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
