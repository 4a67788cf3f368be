// The host window of kalvex-edit: the generators of the loaded database and,
// apart, its distributors. Opening an entry (double click, Enter, Edit)
// shows its parameter dialog as a host does, through the parameter set's
// editor; OK with changes saves the database to its file. While no dialog
// is open, a change another program makes to the file is read in by itself,
// so that memory is the file. Console opens the
// object test console on the same database through the debug entry object
// (pressed again, it brings that console to the front, restored, as the
// person left it unless the database was reloaded or saved since); the
// console closes with this window.
#pragma once
#include <QPointer>
#include <QWidget>

#include "entry_table.h"
#include "file_stamp.h"
#include "interfaces/IKalvexDebugObj.h"
#include "platform/VbCommandButton.h"

class QLabel;
class QTreeView;

namespace kalvex::edit {

class ParmDialogHost;
class WatchedFile;

class EditWindow : public QWidget {
    Q_OBJECT
public:
    explicit EditWindow(QWidget* parent = nullptr);
    ~EditWindow() override;

    // Shows the database loaded from path (the file OK saves to).
    // `read` is the file as it was when the read of adm began.
    void setDatabase(const IKalvexAdministratorPtr& adm, const QString& path, const FileStamp& read);
    IKalvexAdministratorPtr database() const { return m_adm; }

    // Opens the parameter dialog of the current row of a list (the list
    // holding the focus last, the generators first); null when none.
    ParmDialogHost* openCurrent();
    ParmDialogHost* openGenerator(int row);
    ParmDialogHost* openDistributor(int row);
    // The dialog open now, if any.
    ParmDialogHost* openDialog() const { return m_dialog; }

    // The status line's text.
    QString status() const;

    QTreeView* listGenerators = nullptr;
    QTreeView* listDistributors = nullptr;
    // Enter presses them, as Space, like the dialogs' buttons.
    VbCommandButton* cmdEdit = nullptr;
    VbCommandButton* cmdConsole = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    ParmDialogHost* open(const EntryTableModel* rows, int row);
    void dialogFinished(ParmDialogHost* dialog, int result);
    void showConsole();
    // Every reload and save of the database says so here: Console shows the
    // database anew after it, and a console showing it now follows at once
    // when refreshConsole is set.
    void databaseChanged(bool refreshConsole);
    // The console is open on this database (as shown at m_consoleGeneration).
    bool consoleShowsDatabase() const;
    void showDatabaseInConsole();
    // Reads the file back into the database after a dialog left it changed
    // without saving, or another program changed the file meanwhile. Empty
    // when done or not needed, otherwise the reason.
    QString reloadIfChanged(const ParmDialogHost* dialog, bool changedOutside);
    // Reads the file into the database; the lists and a console showing it
    // follow. Empty when done, otherwise the reason.
    QString readAgain();
    // Another program changed the file: read in unless a dialog is open
    // (its end reads it).
    void fileChanged();
    void refillLists();
    void setStatus(const QString& text);
    static void fitColumns(QTreeView* view);

    IKalvexAdministratorPtr m_adm;
    WatchedFile* m_file = nullptr;
    EntryTableModel* m_generators = nullptr;
    EntryTableModel* m_distributors = nullptr;
    QTreeView* m_lastList = nullptr;
    QLabel* m_status = nullptr;
    QPointer<ParmDialogHost> m_dialog;
    IKalvexDebugObjPtr m_debug;
    // Counts the database's reloads and saves; the count the console showed.
    quint64 m_generation = 0;
    quint64 m_consoleGeneration = 0;
};

} // namespace kalvex::edit
