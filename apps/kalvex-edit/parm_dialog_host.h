// The window in which the host shows an entry's parameter dialog: the
// dialog the parameter set's editor chose, with OK and Cancel below it,
// since the dialogs have none of their own. OK writes the dialog's values
// into the set; Cancel or closing leaves the set as it was when opened.
// The shared dialog goes back to being a window of its own when this one
// closes.
#pragma once
#include <QDialog>
#include <QPointer>

#include "entry_table.h"
#include "parm_snapshot.h"

class QPushButton;

namespace kalvex::edit {

class ParmDialogHost : public QDialog {
    Q_OBJECT
public:
    ParmDialogHost(const Entry& entry, QWidget* parent = nullptr);
    ~ParmDialogHost() override;

    // The parameter dialog shown inside, null when the editor has none.
    QWidget* form() const { return m_form; }
    bool readOnly() const { return m_readOnly; }
    // After OK, what the dialog's persistData answered; 0 before and after Cancel.
    int written() const { return m_written; }

    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

public slots:
    void done(int result) override;

private:
    void detachForm();

    IKalvexGenParmsPtr m_parms;
    ParmSnapshot m_before;
    QPointer<QWidget> m_form;
    bool m_readOnly = false;
    int m_written = 0;
};

} // namespace kalvex::edit
