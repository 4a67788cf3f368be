#include "dialogs/morvObjs_pickers.h"

#include <QWidget>

#include "foundation/vbl_file.h"
#include "interfaces/IBrenloEnvirVars.h"
#include "platform/CommonDialog.h"
#include "platform/HvDirectorySelector.h"
#include "platform/OpenDialogFilter.h"

namespace kalvex {

namespace {

const QString ALL_FILES = QStringLiteral("All Files(*.*)|*.*");

struct BrowseId {
    const char* id;
    const char* title;
    const char* filter; // after "All Files(*.*)|*.*"
    int filterIndex;
    const char* defaultExt;
};

// The file browser's browse ids.
const BrowseId FILE_IDS[] = {
    {"MORV_GEN_PARAMETER", "Select file", "", 1, "*"},
    {"GERBER_PLOT_SETUP", "Select the Gerber Plot Setup file", "|Gerber plot setup file(*.gpf)|*.gpf", 2, "gpf"},
    {"GERBER_MACHINE", "Select the Gerber Machine Format file", "|Gerber Machine Format file(*.gmf)|*.gmf", 2,
     "gmf"},
    {"GERBER_APER_CORR", "Select the Gerber D-Code Mapping file", "|Gerber D-Code mapping file(*.dac)|*.dac", 2,
     "dac"},
    {"NCDRILL_FORMAT_FILE", "Select the NC drill format file", "|NC drill format file(*.mmm)|*.mmm", 2, "mmm"},
    {"DATABASE_SELECT", "Select the administration database", "|Kalvex adm db(*.mra)|*.mra", 2, "mra"},
    {"RUV_INPUT_FILE", "Select an RUV input file", "|RUV Input file(*.RUV)|*.RUV", 2, "RUV"},
    {"JOB_PREFERENCES", "Select a job preferences file", "|RUV Input file(*.RUV)|*.RUV", 2, "RUV"},
    {"PDB_FILE", "Select a Parts Database file", "|Parts Datase file(*.pdb)|*.pdb", 2, "pdb"},
    {"LMC_FILE", "Select a Central Library file", "|Central Library file(*.lmc)|*.lmc", 2, "lmc"},
    {"BNREP_PCB_DB", "Select the PCB Report Writer database", "|PCB Report Writer database(*.mdc)|*.mdc", 2, "mdc"},
    {"BNREP_CAE_DB", "Select the CAE Report Writer database", "|CAE Report Writer PCB database(*.mds)|*.mds", 2,
     "mds"},
    {"planes_config_file", "Select a planes generator configuration file",
     "|Planes configuration file(*.dat)|*.dat", 2, "dat"},
    {"MORV_GEN_BATCHFILE", "Select a batch file or executable file", "|Batch files(*.bat)|*.bat|Exe files(*.exe)|*.exe",
     2, "bat"},
    {"odbg_config_file", "Select a ODBG generator configuration file", "|ODBG configuration file(*.ruv)|*.ruv", 2,
     "ruv"},
    {"scheme_file", "Select a batch DRC configuration file", "|Batch DRC config. file(*.dat)|*.dat", 2, "dat"},
    {"dxf_config_file", "Select a DXF Output configuration file", "|DXF Output config. file (*.txt)|*.txt", 2, "txt"},
    {"BRID_FROM_FILE", "Select the source file", "", 1, ""},
    {"BRID_TO_FILE", "Select the destination file", "", 1, ""},
};

// Ids compared exactly, letter case included.
const BrowseId* findId(const QString& id)
{
    for (const BrowseId& b : FILE_IDS)
        if (id == QLatin1String(b.id))
            return &b;
    return nullptr;
}

struct DlgId {
    const char* id;
    int flags;
};

// The plain Open dialog's ids; titles and filters as for the browser unless
// replaced below.
const DlgId DLG_IDS[] = {
    {"MORV_GEN_PARAMETER", 4100}, {"MORV_MSF_OUT", 4},     {"GERBER_PLOT_SETUP", 4100}, {"GERBER_MACHINE", 4100},
    {"NCDRILL_FORMAT_FILE", 4100}, {"DATABASE_SELECT", 4100}, {"GERBER_APER_CORR", 4100}, {"RUV_INPUT_FILE", 4100},
    {"JOB_PREFERENCES", 4100},     {"PDB_FILE", 4100},        {"LMC_FILE", 4100},          {"BNREP_PCB_DB", 4100},
    {"BRID_FROM_FILE", 4100},      {"BRID_TO_FILE", 4100},
};

QString expanded(const QString& text, const std::shared_ptr<IBrenloEnvirVars>& vars)
{
    return vars ? vars->expand(text, true, true) : text;
}

} // namespace

QString morvObjs_parmBrowseFile(const QString& currentText, const QString& browseId, QWidget* callingForm,
                                const std::shared_ptr<IKalvexAdministrator>& adm, bool notRead,
                                bool allowCheckout)
{
    Q_UNUSED(notRead)
    const BrowseId* b = findId(browseId);
    if (!b)
        return QString();
    fbrowse_requestRec request;
    request.inFileSpec = currentText;
    request.mustExist = true;
    request.readOnly = false;
    request.enable_checkoutTab = allowCheckout;
    request.title = QLatin1String(b->title);
    request.filter = ALL_FILES + QLatin1String(b->filter);
    request.filterIndex = QString::number(b->filterIndex);
    request.defaultExt = QLatin1String(b->defaultExt);
    return morvObjs_fileBrowserEx_open(request, adm, callingForm);
}

namespace {
FileBrowserOpener& fileBrowserOpener()
{
    static FileBrowserOpener opener;
    return opener;
}
} // namespace

void morvObjs_setFileBrowserOpener(FileBrowserOpener opener) { fileBrowserOpener() = std::move(opener); }

QString morvObjs_fileBrowserEx_open(const fbrowse_requestRec& request,
                                    const std::shared_ptr<IKalvexAdministrator>& adm, QWidget* ownerForm)
{
    // Without a browser (the window library not installed) nothing can be chosen.
    const FileBrowserOpener& opener = fileBrowserOpener();
    if (!opener)
        return PICKER_NODEF;
    // The browser traps its own errors and then answers "NODEF".
    return opener(request, adm, ownerForm);
}

QString morvObjs_parmBrowseDlg(CommonDialog* dialog, const QString& currentText, const QString& browseId,
                               const std::shared_ptr<IBrenloEnvirVars>& vars, bool collapse)
{
    if (!dialog)
        return PICKER_NODEF;
    QString working = expanded(currentText, vars);
    working.remove(QLatin1Char('<'));
    working.remove(QLatin1Char('>'));
    QString drive, directory, baseName, extension;
    vbl_file_splitSpec(working, drive, directory, baseName, extension);
    const QString dirPath = vbl_file_makeSpec(drive, directory, QString(), QString());
    if (vbl_file_exists(dirPath, false))
        dialog->setInitDir(dirPath);
    dialog->setFileName(extension.isEmpty() ? QString() : baseName + QLatin1Char('.') + extension);
    dialog->setCancelError(true);

    const DlgId* d = nullptr;
    for (const DlgId& x : DLG_IDS)
        if (browseId == QLatin1String(x.id))
            d = &x;
    if (!d)
        return QString();
    QString title, filter;
    int filterIndex = 2;
    if (browseId == QLatin1String("MORV_GEN_PARAMETER")) {
        title = QStringLiteral("Select File");
        filter = ALL_FILES;
        filterIndex = 1;
    } else {
        dialog->setFileName(working);
        if (browseId == QLatin1String("MORV_MSF_OUT")) {
            title = QStringLiteral("Define the Morvane Setup file for output");
            filter = ALL_FILES + QStringLiteral("|Morvane Setup File(*.msf)|*.msf");
        } else {
            const BrowseId* b = findId(browseId);
            title = QLatin1String(b->title);
            filter = ALL_FILES + QLatin1String(b->filter);
            filterIndex = b->filterIndex;
        }
    }
    dialog->setFlags(d->flags);
    dialog->setDialogTitle(title);
    dialog->setFilter(filter);
    dialog->setFilterIndex(filterIndex);
    if (dialog->ShowOpen() == CommonDialog::cdlCancel)
        return PICKER_NODEF;
    QString answer = dialog->FileName();
    if (vars && collapse)
        answer = vars->collapse(answer, true, QString());
    return answer;
}

QString morvObjs_dirBrowser(const QString& startDir, const QString& title,
                            const std::shared_ptr<IBrenloEnvirVars>& vars, const QString& text, bool collapse)
{
    const auto selector = classCreate_HvDirectorySelector();
    if (!selector)
        return PICKER_NODEF;
    selector->setStartDirectory(expanded(startDir, vars));
    selector->setTitle(title);
    selector->setText(text);
    QString result = selector->show();
    if (result != PICKER_NODEF && vars && collapse)
        result = vars->collapse(result, true, QString());
    return result;
}

} // namespace kalvex
