// The window in which the host shows an entry's parameter dialog: the
// dialog the parameter set's editor chose, with OK and Cancel below it,
// since the dialogs have none of their own. OK writes the dialog's values
// into the set and saves the database to its file; the window closes only
// once the file holds them. A save that fails, a file another program
// changed since the host read it, or a change the dialog refused, keeps it
// open with the reason, so that OK can try again or Cancel can give up.
// What Cancel leaves in memory the host puts back from the file
// (EditWindow). The shared dialog goes back to being a window of
// its own when this one closes.
#pragma once
#include <QDialog>
#include <QPointer>

#include "entry_table.h"
#include "parm_snapshot.h"
#include "watched_file.h"

class QLabel;
class QPushButton;

namespace kalvex::edit {

class ParmDialogHost : public QDialog {
    Q_OBJECT
public:
    // How the dialog was left.
    enum class Outcome { Open, Cancelled, ReadOnly, NoChanges, Saved };

    // OK saves adm to file.
    ParmDialogHost(const Entry& entry, IKalvexAdministratorPtr adm, WatchedFile* file, QWidget* parent = nullptr);
    ~ParmDialogHost() override;

    // The parameter dialog shown inside, null when the editor has none.
    QWidget* form() const { return m_form; }
    bool readOnly() const { return m_readOnly; }
    Outcome outcome() const { return m_outcome; }
    // The changes the dialog wrote over all its OKs; those saved once Saved.
    int written() const { return m_written; }
    // Whether the set differs, by names, values, types or order, from what
    // it held when the dialog opened.
    bool setChanged() const;
    // The set edited, and its contents when the dialog opened.
    const IKalvexGenParmsPtr& entryParms() const { return m_parms; }
    const ParmSnapshot& before() const { return m_before; }
    // Why the last OK left the dialog open; empty when it did not.
    QString message() const;

    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

signals:
    // OK left the dialog open for this reason.
    void keptOpen(const QString& reason);

public slots:
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // OK: true when the dialog may close (outcome set), false when it stays
    // open with the reason shown.
    bool commit();
    // The form's own message lines; refusals inside the form land there.
    QString formMessage() const;
    void clearFormMessage();
    void showMessage(const QString& text);
    void placeInitialFocus();
    void detachForm();

    IKalvexGenParmsPtr m_parms;
    IKalvexAdministratorPtr m_adm;
    QPointer<WatchedFile> m_file;
    ParmSnapshot m_before;
    QPointer<QWidget> m_form;
    QLabel* m_message = nullptr;
    bool m_readOnly = false;
    bool m_focusPlaced = false;
    int m_written = 0;
    Outcome m_outcome = Outcome::Open;
};

} // namespace kalvex::edit
