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

// A connection to path in the given direction, under a storage controller.
struct FileLink {
    decltype(classCreate_KalvexRUVConnection()) conn = classCreate_KalvexRUVConnection();
    decltype(classCreate_KalvexStorageCtrl()) ctrl = classCreate_KalvexStorageCtrl();
    FileLink(const QString& path, int openMode, int kwLevel)
    {
        conn->setApplMode(kApplMode);
        conn->setFileIO(path);
        conn->setFileOpenMode(openMode);
        conn->setKwLevel(kwLevel);
        ctrl->setStorageObject(conn);
    }
};

// Reads path into adm; the connection's fault text when that failed.
QString readInto(const IKalvexAdministratorPtr& adm, const QString& path)
{
    FileLink link(path, RUV_OPEN_READ, 1);
    link.conn->setSourceId(SOURCE_ID_ADMIN_DB);
    return link.ctrl->loadFromStorage(adm, true) == STORAGE_OK ? QString() : faultText(*link.conn);
}
} // namespace

LoadedDatabase loadAdminFile(const QString& path)
{
    LoadedDatabase result;
    auto adm = classCreate_KalvexAdministrator();
    result.read = FileStamp::of(path);
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
    FileLink link(path, RUV_OPEN_WRITE, 0);
    // Change counts go back to 0 only once the new file is in place.
    return link.ctrl->saveToStorage(adm, true, true) == STORAGE_OK ? QString() : faultText(*link.conn);
}

} // namespace kalvex::edit
