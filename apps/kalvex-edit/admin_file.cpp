// Keyword-file load and save of the edited database.
#include "admin_file.h"

#include "admin/KalvexAdministrator.h"
#include "store/KalvexRUVConnection.h"
#include "store/KalvexStorageCtrl.h"

namespace kalvex::edit {

namespace {
constexpr int kApplMode = 2;

QString faultText(const IKalvexRUVConnection& conn)
{
    return conn.lastError().isEmpty() ? QStringLiteral("unknown fault") : ruvFaultText(conn);
}

// Reads path into adm; the connection's fault text when that failed.
QString readInto(const IKalvexAdministratorPtr& adm, const QString& path)
{
    auto conn = classCreate_KalvexRUVConnection();
    auto ctrl = classCreate_KalvexStorageCtrl();
    conn->setApplMode(kApplMode);
    conn->setFileIO(path);
    conn->setFileOpenMode(RUV_OPEN_READ);
    conn->setKwLevel(1);
    conn->setSourceId(SOURCE_ID_ADMIN_DB);
    ctrl->setStorageObject(conn);
    return ctrl->loadFromStorage(adm, true) == STORAGE_OK ? QString() : faultText(*conn);
}
} // namespace

LoadedDatabase loadAdminFile(const QString& path)
{
    LoadedDatabase result;
    auto adm = classCreate_KalvexAdministrator();
    result.error = readInto(adm, path);
    if (result.error.isEmpty())
        result.adm = adm;
    return result;
}

QString reloadAdminFile(const IKalvexAdministratorPtr& adm, const QString& path)
{
    return adm ? readInto(adm, path) : QStringLiteral("no database");
}

QString saveAdminFile(const IKalvexAdministratorPtr& adm, const QString& path)
{
    auto conn = classCreate_KalvexRUVConnection();
    auto ctrl = classCreate_KalvexStorageCtrl();
    conn->setApplMode(kApplMode);
    conn->setFileIO(path);
    conn->setFileOpenMode(RUV_OPEN_WRITE);
    conn->setKwLevel(0);
    ctrl->setStorageObject(conn);
    // Change counts go back to 0 only once the new file is in place.
    if (ctrl->saveToStorage(adm, true, true) == STORAGE_OK)
        return QString();
    return faultText(*conn);
}

} // namespace kalvex::edit
