// The plain common dialog control: an Open dialog configured through its
// properties and shown modally by ShowOpen.
#pragma once
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace kalvex {

class CommonDialog : public QObject {
    Q_OBJECT
    Q_CLASSINFO("vbKind", "MSComDlg.CommonDialog")
public:
    // The error ShowOpen answers when the user cancels and CancelError is set.
    static constexpr int cdlCancel = 32755;

    // The owner is the window the dialog is shown over (the form).
    explicit CommonDialog(QWidget* owner = nullptr);

    QString FileName() const { return m_fileName; }
    void setFileName(const QString& v) { m_fileName = v; }
    QString DialogTitle() const { return m_title; }
    void setDialogTitle(const QString& v) { m_title = v; }
    QString Filter() const { return m_filter; }
    void setFilter(const QString& v) { m_filter = v; }
    QString InitDir() const { return m_initDir; }
    void setInitDir(const QString& v) { m_initDir = v; }
    int Flags() const { return m_flags; }
    void setFlags(int v) { m_flags = v; }
    bool CancelError() const { return m_cancelError; }
    void setCancelError(bool v) { m_cancelError = v; }
    int FilterIndex() const { return m_filterIndex; }
    void setFilterIndex(int v) { m_filterIndex = v; }
    QString DefaultExt() const { return m_defaultExt; }
    void setDefaultExt(const QString& v) { m_defaultExt = v; }

    // Shows the Open dialog and waits. 0 when a file was chosen (FileName
    // holds it) or when cancelled without CancelError; cdlCancel when
    // cancelled with CancelError set.
    int ShowOpen();

private:
    QPointer<QWidget> m_owner;
    QString m_fileName, m_title, m_filter, m_initDir, m_defaultExt;
    int m_flags = 0;
    int m_filterIndex = 1;
    bool m_cancelError = false;
};

} // namespace kalvex
