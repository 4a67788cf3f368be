// The Open-dialog component with an explorer-style hook: ShowOpen shows a
// modal Open dialog window and, while EnableHook is set, raises InitDialog
// (with the hook child dialog) before the window shows, FolderChange once
// the window is up and on each folder the user enters, FileChange on each
// selection and DialogOK when the dialog's own OK is chosen. DialogClose is
// raised when the window is about to end by any path (Escape, the window's
// close button, the cancel command), so that whoever moved widgets into the
// window can take them back.
#pragma once
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace kalvex {

class OpenDialogWindow;

class CommonDialogDirect6 : public QObject {
    Q_OBJECT
public:
    explicit CommonDialogDirect6(QObject* parent = nullptr);
    ~CommonDialogDirect6() override;

    QString DialogTitle() const { return m_title; }
    void setDialogTitle(const QString& v) { m_title = v; }
    QString Filter() const { return m_filter; }
    void setFilter(const QString& v) { m_filter = v; }
    int FilterIndex() const { return m_filterIndex; }
    void setFilterIndex(int v) { m_filterIndex = v; }
    QString DefaultExt() const { return m_defaultExt; }
    void setDefaultExt(const QString& v) { m_defaultExt = v; }
    int Flags() const { return m_flags; }
    void setFlags(int v) { m_flags = v; }
    QString FileName() const { return m_fileName; }
    void setFileName(const QString& v) { m_fileName = v; }
    QString InitDir() const { return m_initDir; }
    void setInitDir(const QString& v) { m_initDir = v; }
    // Raise the hook events; without it the component is a plain Open dialog.
    bool EnableHook() const { return m_hook; }
    void setEnableHook(bool v) { m_hook = v; }
    QWidget* hwndOwner() const { return m_owner; }
    void sethwndOwner(QWidget* w) { m_owner = w; }

    // Shows the dialog and waits until it ends; true when it ended with OK
    // (FileName then holds the chosen file).
    bool ShowOpen();

    // Places the Open dialog window of a hook child dialog on the screen:
    // centred over the owner window, or over the screen without one.
    void PlaceDialog(QWidget* hookDialog);

    // The window while ShowOpen runs.
    OpenDialogWindow* window() const { return m_window; }

signals:
    void InitDialog(QWidget* hookDialog);
    void FolderChange();
    void FileChange();
    // Set *accept to let the OK end the dialog.
    void DialogOK(bool* accept);
    void DialogClose();

private:
    QString m_title, m_filter, m_defaultExt, m_fileName, m_initDir;
    int m_filterIndex = 1;
    int m_flags = 0;
    bool m_hook = false;
    QPointer<QWidget> m_owner;
    QPointer<OpenDialogWindow> m_window;
};

} // namespace kalvex
