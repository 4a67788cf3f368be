#include "platform/vbl_errDisplay.h"

#include "interfaces/IKalvexErrorDisplay.h"
#include "platform/vbl_msgBox.h"

namespace kalvex {

namespace {
class MsgBoxErrorDisplay : public IKalvexErrorDisplay {
public:
    void showError(const QString& title, const QString& text) override
    {
        vbl_msgBox(title, text, 16); // critical icon, OK button
    }
};
} // namespace

void vbl_errDisplay_install()
{
    static MsgBoxErrorDisplay display;
    registerErrorDisplay(&display);
}

} // namespace kalvex
