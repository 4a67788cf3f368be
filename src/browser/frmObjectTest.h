// The object test console: loads an administration database or job
// preferences from a keyword file, shows the loaded tree, writes the shown
// database back out, and writes generators and parameters as text lines for
// the debug entry object. One shared instance (vbl_formInstance); its public
// operations load it without showing it.
#pragma once
#include <memory>

#include "interfaces/IKalvexAdministrator.h"
#include "interfaces/IKalvexGenerators.h"
#include "interfaces/IKalvexMessageSink.h"
#include "interfaces/IKalvexTask.h"
#include "platform/VbForm.h"

namespace kalvex {

class CommonDialog;
class SSTab;
class TList;
class VbCheckBox;
class VbCommandButton;
class VbFrame;
class VbLabel;
class VbListBox;
class VbTextBox;

// Seconds between two readings of a seconds-since-midnight timer; a span
// across midnight is counted forward, never negative.
double objectTest_elapsedSeconds(double start, double end);

// Shows the console modeless with the parameters of the set, under the name
// of the set's owner (the grid dialog's double click on its caption).
void frmObjectTest_showParmsList(const IKalvexGenParmsPtr& parms);

class frmObjectTest : public VbForm, public IKalvexMessageSink {
    Q_OBJECT
public:
    frmObjectTest();
    ~frmObjectTest() override;

    // ---- Public operations (each loads the form, none shows it)
    void clearList();
    void generatorToListBox(int index, const IKalvexGeneratorPtr& generator, VbListBox* list, bool withParameters);
    void parmsToListBox(VbListBox* list, const QString& title, const IKalvexGenParmsPtr& parms,
                        const QString& prefix);
    void generatorsToListBox(const IKalvexGeneratorsPtr& generators, bool clear);
    void showGenerator(int index, const IKalvexGeneratorPtr& generator, bool clear);
    void showParameters(const QString& title, const IKalvexGenParmsPtr& parms, const QString& prefix);
    void showAdminDB(const QString& caption, const IKalvexAdministratorPtr& adm, bool clear, bool onlyModified);
    // clear has no effect; onlyModified becomes True when CheckOnlyMod is on.
    void showTaskList(const QString& caption, const std::shared_ptr<IKalvexTasks>& tasks, bool clear,
                      bool& onlyModified);

    // ---- Form state
    IKalvexAdministratorPtr admObj() const { return m_admObj; }
    IKalvexAdministratorPtr shownAdmObj() const { return m_shownAdmObj.lock(); }
    QString lastLoadCmd() const { return m_lastLoadCmd; }
    // Result of the last keyword-file or job-preferences load (STORAGE_*),
    // and the connection's fault text for a failed one.
    int lastLoadStatus() const { return m_lastLoadStatus; }
    QString lastLoadError() const { return m_lastLoadError; }

    // Status lines of the objects it loads.
    void postMessage(const QString& text, int line) override;

    // ---- Event handlers
    void browseJprefs_Click();
    void browseASCFile_Click();
    void browseDbFile_Click();
    void cmdLoadJprefs_Click();
    void cmdLoadGenRUV_Click();
    void cmdLoadDbFile_Click() {}
    void CheckDefaults_Click();
    void CheckOnlyMod_Click();
    void cmdRUVOut_Click();

    // ---- Controls, in the form's order
    VbFrame* FrameSourceSelect;
    VbCheckBox* CheckOnlyMod;
    VbLabel* timeLabel;
    SSTab* SSTab1;
    VbFrame* FrameDBSource;
    VbTextBox* textDbSource;
    VbCommandButton* browseDbFile;
    VbCommandButton* cmdLoadDbFile;
    VbFrame* FrameRUVSource;
    VbCheckBox* CheckDefaults;
    VbTextBox* textASCIISource;
    VbCommandButton* browseASCFile;
    VbCommandButton* cmdLoadGenRUV;
    VbFrame* Frame1;
    VbTextBox* textJprefs;
    VbCommandButton* browseJprefs;
    VbCommandButton* cmdLoadJprefs;
    VbFrame* frameResult;
    VbListBox* infoList;
    TList* tlistResult;
    VbTextBox* TextRUVOut;
    VbCommandButton* cmdRUVOut;
    VbCommandButton* cmdListGen;
    VbLabel* mess1;
    VbLabel* mess2;
    CommonDialog* cDialog;

protected:
    void Form_Load() override;
    void Form_Resize() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;
    void Form_Unload(int& cancel) override;

private:
    void buildSourceFrame();
    void buildResultFrame();
    void connectEvents();
    void setMinimumFromDesign();
    // Back to the design state: lists, tree, caption and labels empty.
    void clearShownState();
    // Each load and dump starts with empty status lines.
    void clearStatusLines();
    // The title names the file the tree shows; none names no file.
    void nameShownFile(const QString& file);
    void browseInto(VbTextBox* box, const QString& browseId, bool withVariables);

    IKalvexAdministratorPtr m_admObj;
    // Weak: the shown database may be the host's.
    std::weak_ptr<IKalvexAdministrator> m_shownAdmObj;
    // The title of the shown database, back after a job preferences' title.
    QString m_shownAdmCaption;
    // The file m_admObj was last loaded from; empty while it holds none.
    QString m_admFile;
    QString m_lastLoadCmd;
    int m_lastLoadStatus = 0;
    QString m_lastLoadError;
};

} // namespace kalvex
