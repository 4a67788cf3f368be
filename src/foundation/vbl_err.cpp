#include "foundation/vbl_err.h"

#include <QFile>
#include <map>
#include <memory>
#include <new>
#include <stdexcept>

#include "foundation/vbl_file.h"
#include "interfaces/IKalvexErrorDisplay.h"

namespace kalvex {

namespace {
VblErrorInfo& currentError()
{
    static VblErrorInfo err;
    return err;
}

std::map<int, std::unique_ptr<QFile>>& openLogs()
{
    static std::map<int, std::unique_ptr<QFile>> logs;
    return logs;
}
} // namespace

void vbl_err_set(int number, const QString& description)
{
    currentError() = VblErrorInfo{number, description};
}

void vbl_err_clear()
{
    currentError() = VblErrorInfo{};
}

VblErrorInfo vbl_err_current()
{
    return currentError();
}

QString vbl_err_getInfo(const QString& prefix)
{
    return vbl_err_getInfo(prefix, currentError());
}

QString vbl_err_getInfo(const QString& prefix, const VblErrorInfo& error)
{
    return prefix + QStringLiteral(" Err#") + QString::number(error.number).trimmed() + QStringLiteral(" Desc. ") +
           error.description;
}

QString vbl_err_trapped(const QString& procedure, int fileNumber)
{
    // The numbers of the run-time errors they stand for.
    constexpr int kOutOfMemory = 7;
    constexpr int kOverflow = 6;
    constexpr int kInternalError = 51;
    VblErrorInfo error{kInternalError, QStringLiteral("unknown exception")};
    bool fault = true;
    try {
        throw;
    } catch (const std::bad_alloc&) {
        error = {kOutOfMemory, QStringLiteral("Out of memory")};
        fault = false;
    } catch (const std::length_error& e) {
        error = {kOverflow, QString::fromLocal8Bit(e.what())};
        fault = false;
    } catch (const std::exception& e) {
        error.description = QString::fromLocal8Bit(e.what());
    } catch (...) {
        // Not a standard exception: described as unknown.
    }
    vbl_err_set(error.number, error.description);
    vbl_err_log(procedure, vbl_err_getInfo(QString()), QString(), 0, fileNumber);
    if (fault)
        qWarning("%s: trapped fault: %s", qPrintable(procedure), qPrintable(error.description));
    return error.description;
}

bool vbl_err_log(const QString& procedure, const QString& errorInfo, const QString& message, int indent,
                 int fileNumber, bool skipIfEmpty)
{
    if (fileNumber < 1)
        return false; // -100, -200 and every other number below 1: no log file
    if (skipIfEmpty && message.isEmpty())
        return false;
    auto it = openLogs().find(fileNumber);
    if (it == openLogs().end())
        return false;
    // An "OERR" message says all there is to say: no error details with it.
    const bool complete = message.startsWith(QLatin1String("OERR"));
    const QString text = complete ? message.mid(4) : message;
    const QString info = complete ? QString() : errorInfo;
    const QString pad(qMax(0, indent), QLatin1Char(' '));
    const QString entry = pad + QStringLiteral("*** Error - ") + procedure + QStringLiteral(" *** ") + info +
                          QStringLiteral("\r\n") + pad + QStringLiteral(" ===> ") + text + QStringLiteral("\r\n");
    QFile& f = *it->second;
    const QByteArray bytes = entry.toUtf8();
    const bool ok = f.write(bytes) == bytes.size();
    f.flush();
    return ok;
}

namespace {
bool isCompleteMessage(const QString& message)
{
    return message.startsWith(QLatin1String("OERR"));
}

void showError(const QString& title, const QString& text)
{
    if (auto* display = errorDisplay())
        display->showError(title, text);
    else
        qWarning("%s: %s", qPrintable(title), qPrintable(text));
}

void logAppError(const QString& title, const QString& procedure, const QString& message, int fileNumber)
{
    const QString info = isCompleteMessage(message) ? QString() : vbl_err_getInfo(QString());
    // The marker goes here so that vbl_err_log does not drop the title with the details.
    const QString text = isCompleteMessage(message) ? message.mid(4) : message;
    vbl_err_log(procedure, title + info, text, 0, fileNumber);
}
} // namespace

QString vbl_err_appErrorText(const QString& message)
{
    if (isCompleteMessage(message))
        return message.mid(4);
    return message + QStringLiteral("\r\n") + vbl_err_getInfo(QString()).trimmed();
}

void vbl_err_appError(const QString& procedure, const QString& message, int fileNumber)
{
    if (vbl_log_isOpen(fileNumber))
        logAppError(VBL_APP_ERROR, procedure, message, fileNumber);
    else
        showError(VBL_APP_ERROR, vbl_err_appErrorText(message));
}

void vbl_err_fatalError(const QString& procedure, const QString& message, int fileNumber)
{
    if (vbl_log_isOpen(fileNumber))
        logAppError(VBL_FATAL_APP_ERROR, procedure, message, fileNumber);
    showError(VBL_FATAL_APP_ERROR, vbl_err_appErrorText(message));
}

int vbl_log_open(const QString& path)
{
    if (path.trimmed().isEmpty())
        return -1;
    auto file = std::make_unique<QFile>(vbl_file_toNative(path.trimmed()));
    if (!file->open(QIODevice::WriteOnly | QIODevice::Append))
        return -1;
    int number = 1;
    while (openLogs().count(number))
        ++number;
    openLogs()[number] = std::move(file);
    return number;
}

bool vbl_log_close(int fileNumber)
{
    return openLogs().erase(fileNumber) > 0;
}

bool vbl_log_isOpen(int fileNumber)
{
    return openLogs().count(fileNumber) > 0;
}

} // namespace kalvex
