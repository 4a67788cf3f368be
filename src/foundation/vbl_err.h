// Error reports. A trapped error is described by a number and a text (the
// current error, set where the error is caught); reports are written to a
// log file addressed by number, opened with vbl_log_open.
//
// A report entry reads
//   "*** Error - <procedure> *** <error information>" CR LF
//   " ===> <message>" CR LF
// each line preceded by the indent in blanks. A message that begins with
// "OERR" is complete in itself: the marker is dropped and the error
// information left out. Procedure names read
// class-or-module, "_", procedure ("KalvexGenParms_rename").
#pragma once
#include <QString>

namespace kalvex {

// Log file numbers that write nothing: no log file, and the dialogs' reports.
constexpr int VBL_LOG_NONE = -100;
constexpr int VBL_LOG_DIALOGS = -200;

struct VblErrorInfo {
    int number = 0;
    QString description;
};

// The current error, as the last trap recorded it.
void vbl_err_set(int number, const QString& description);
void vbl_err_clear();
VblErrorInfo vbl_err_current();

// prefix, " Err#", the number, " Desc. " and the description of the current
// error (or of the one given).
QString vbl_err_getInfo(const QString& prefix);
QString vbl_err_getInfo(const QString& prefix, const VblErrorInfo& error);

// Writes one entry to log file fileNumber. Numbers -100, -200, below 1 or
// not open write nothing; with skipIfEmpty an empty message writes nothing.
// Returns whether an entry was written.
bool vbl_err_log(const QString& procedure, const QString& errorInfo, const QString& message, int indent,
                 int fileNumber, bool skipIfEmpty = false);

// Called only inside a catch block: makes the exception being handled the
// current error and logs it under procedure to log fileNumber; answers its
// text. Running out of memory and a text too long to hold are failures a
// trap may end quietly; any other exception is a fault of the code and is
// also written as a warning, so that no trap hides it.
QString vbl_err_trapped(const QString& procedure, int fileNumber);

// Titles of the reports that may be shown.
inline const QString VBL_APP_ERROR = QStringLiteral("Application Error");
inline const QString VBL_FATAL_APP_ERROR = QStringLiteral("Fatal Application Error");

// The text of an application error: the message followed by the current
// error's details, or, for a message that begins with "OERR", the message
// without its marker and without details.
QString vbl_err_appErrorText(const QString& message);

// An application error goes to the log file when fileNumber is an open one
// and is shown by the registered error display otherwise.
void vbl_err_appError(const QString& procedure, const QString& message, int fileNumber);
// A fatal application error is always shown (and logged too when the log is open).
void vbl_err_fatalError(const QString& procedure, const QString& message, int fileNumber);

// Opens (creating, or appending to) a log file and answers its number (1 or
// more), or -1 when it cannot be opened.
int vbl_log_open(const QString& path);
// Closes a log file; false when the number was not open.
bool vbl_log_close(int fileNumber);
bool vbl_log_isOpen(int fileNumber);

} // namespace kalvex
