// The file and directory pickers of the parameter dialogs. Each knows, by a
// browse id, the title, filter and default extension that fit a parameter.
// A cancelled choice answers "NODEF"; callers write the answer into their
// text box only when it is not "NODEF".
#pragma once
#include <QString>
#include <functional>
#include <memory>

class QWidget;

namespace kalvex {

class CommonDialog;
class IBrenloEnvirVars;
class IKalvexAdministrator;

inline const QString PICKER_NODEF = QStringLiteral("NODEF");

// What morvObjs_parmBrowseFile asks of the file browser.
struct fbrowse_requestRec {
    QString title;
    QString inFileSpec;      // the text box's text: a file specification or a check-out expression
    QString filter;          // "description|pattern|…"
    QString filterIndex;     // the filter shown first, as decimal text
    QString defaultExt;      // without the dot
    bool mustExist = false;
    bool readOnly = false;
    bool enable_checkoutTab = false;
};

// Opens the file browser for a parameter: the chosen file (or check-out
// expression, where allowed), "NODEF" when cancelled, and the empty text for
// a browse id it does not know (nothing is shown then). The administration
// database may be absent; `notRead` is not used.
QString morvObjs_parmBrowseFile(const QString& currentText, const QString& browseId, QWidget* callingForm,
                                const std::shared_ptr<IKalvexAdministrator>& adm, bool notRead,
                                bool allowCheckout);

// Configures the browser's Open-dialog component from the request, shows the
// browser modally over the owner and answers its result, or "NODEF". The
// browser form is dropped afterwards, so every call starts on a fresh one.
QString morvObjs_fileBrowserEx_open(const fbrowse_requestRec& request,
                                    const std::shared_ptr<IKalvexAdministrator>& adm, QWidget* ownerForm);

// What shows the file browser for morvObjs_fileBrowserEx_open; the browser
// layer registers it when the window library is installed. Without one the
// answer is "NODEF".
using FileBrowserOpener = std::function<QString(const fbrowse_requestRec&, const std::shared_ptr<IKalvexAdministrator>&,
                                                QWidget*)>;
void morvObjs_setFileBrowserOpener(FileBrowserOpener opener);

// A plain Open dialog on the calling form's common dialog: the chosen path
// (collapsed through the variable set when asked), "NODEF" when cancelled,
// the empty text for an unknown browse id.
QString morvObjs_parmBrowseDlg(CommonDialog* dialog, const QString& currentText, const QString& browseId,
                               const std::shared_ptr<IBrenloEnvirVars>& vars, bool collapse);

// A directory through the directory selector: the chosen directory
// (collapsed when asked), "NODEF" when cancelled or when the selector cannot
// be created.
QString morvObjs_dirBrowser(const QString& startDir, const QString& title,
                            const std::shared_ptr<IBrenloEnvirVars>& vars, const QString& text, bool collapse);

} // namespace kalvex
