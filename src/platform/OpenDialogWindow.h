// The window of the Open dialog that CommonDialogDirect6 shows: a non-native
// file dialog embedded as a widget (the dialog's items), an empty hook child
// dialog, and the commands the Open dialog window understands.
#pragma once
#include <QDialog>
#include <QFileDialog>
#include <QList>
#include <QCheckBox>
#include <QPointer>

namespace kalvex {

class OpenDialogWindow;

// Items of the Open dialog by the identifiers of the common-dialog template.
enum OpenDialogItem {
    IDOK = 1,
    IDCANCEL = 2,
    ID_CHX1 = 1040,   // read-only check box
    ID_STC2 = 1089,   // file-type label
    ID_STC3 = 1090,   // file-name label
    ID_STC4 = 1091,   // look-in label
    ID_LST1 = 1120,   // hidden list
    ID_LST2 = 1121,   // shell view
    ID_CMB1 = 1136,   // file-type combo
    ID_CMB2 = 1137,   // look-in combo
    ID_EDT1 = 1152,   // file-name edit
};

// The embedded file dialog: accepting or rejecting it never hides it; the
// window decides what happens.
class EmbeddedFileDialog : public QFileDialog {
    Q_OBJECT
public:
    explicit EmbeddedFileDialog(OpenDialogWindow* window);
    using QFileDialog::accept;

signals:
    void itemsAccepted();
    void itemsRejected();

protected:
    void done(int result) override;
};

class OpenDialogWindow : public QDialog {
    Q_OBJECT
public:
    explicit OpenDialogWindow(QWidget* owner);

    EmbeddedFileDialog* items() const { return m_items; }
    // The hook child dialog; its parent is this window.
    QWidget* hookDialog() const { return m_hook; }
    QCheckBox* readOnlyBox() const { return m_readOnly; }
    void offerReadOnlyBox(bool offer);

    // An item by template identifier; no widget for the hidden list.
    QWidget* item(int id) const;
    // The tool bar's buttons (navigation and view modes).
    QList<QWidget*> toolBar() const;

    // The current path: the folder shown and the name in the file-name edit.
    QString currentFilePath() const;

    // The cancel command: ends the dialog as cancelled.
    void cancelCommand();

    bool closing() const { return m_closing; }

    // Ends the window with a result (once).
    void done(int result) override;

protected:
    void showEvent(QShowEvent* e) override;

signals:
    // Raised once, before the window ends by any path.
    void aboutToClose();

private:
    EmbeddedFileDialog* m_items = nullptr;
    QWidget* m_hook = nullptr;
    QPointer<QCheckBox> m_readOnly;
    bool m_closing = false;
    bool m_done = false;
};

// The Open dialog window of a hook child dialog (its parent), or none.
OpenDialogWindow* openDialogOf(QWidget* hookDialog);

} // namespace kalvex
