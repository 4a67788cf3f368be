#include "store/KalvexStorageCtrl.h"

#include <exception>

#include "store/KalvexRUVConnection.h"
#include "store/kalvexRUV_common.h"
#include "store/kalvexRUV_handler.h"

namespace kalvex {

namespace {

const KalvexRUVHandler* handlerFor(const IKalvexObjectPtr& object)
{
    for (const auto& h : kalvexRUV_handlers())
        if (h.accepts(object))
            return &h;
    return nullptr;
}

// Common checks of both directions; STORAGE_OK with *handler set when the
// work is to be done, 1 (as "done, nothing to do") for storage type 3.
int prepare(const IKalvexObjectPtr& object, const IKalvexRUVConnectionPtr& connection,
            KalvexRUVConnection** conn, const KalvexRUVHandler** handler)
{
    if (!object || !connection)
        return STORAGE_FAILED;
    if (connection->storageType() == STORAGE_TYPE_NONE)
        return 1;
    if (connection->storageType() != STORAGE_TYPE_KEYWORD_FILE)
        return STORAGE_FAILED;
    *conn = dynamic_cast<KalvexRUVConnection*>(connection.get());
    if (!*conn)
        return STORAGE_FAILED;
    *handler = handlerFor(object);
    if (!*handler) {
        (*conn)->setError(QStringLiteral("objects of class %1 are not kept in keyword files").arg(object->className()));
        return STORAGE_FAILED;
    }
    return STORAGE_OK;
}

QString sectionQualifier(const QVariant& q)
{
    return q.typeId() == QMetaType::QString ? q.toString().trimmed() : QString();
}

} // namespace

int KalvexStorageCtrl::loadFromStorage(const IKalvexObjectPtr& object, bool clearFirst, const QVariant& qualifier1,
                                       const QVariant&)
{
    static const QString proc = QStringLiteral("KalvexStorageCtrl_loadFromStorage");
    KalvexRUVConnection* conn = nullptr;
    const KalvexRUVHandler* handler = nullptr;
    const int st = prepare(object, m_connection, &conn, &handler);
    if (st != STORAGE_OK) {
        if (conn && st == STORAGE_FAILED)
            conn->logFailure(proc, st);
        return st == 1 ? STORAGE_OK : st;
    }
    const int source = conn->sourceId();
    if (source != 0 && !handler->readsSource(source)) {
        conn->setError(QStringLiteral("source %1 cannot be read into the %2").arg(source).arg(handler->kindName));
        conn->logFailure(proc, STORAGE_FAILED);
        return STORAGE_FAILED;
    }
    if (!conn->openForRead()) {
        conn->logFailure(proc, STORAGE_FILE_ERROR);
        return STORAGE_FILE_ERROR;
    }
    RUVLoadOptions options;
    options.clearFirst = clearFirst;
    options.onlySection = sectionQualifier(qualifier1);
    bool ok = false;
    try {
        ok = handler->load(*conn, object, options);
    } catch (const std::exception& e) {
        conn->setError(QStringLiteral("load stopped: %1").arg(QString::fromLocal8Bit(e.what())), conn->lastErrorLine());
    }
    conn->close();
    if (!ok) {
        conn->logFailure(proc, STORAGE_CONTENT_ERROR);
        return STORAGE_CONTENT_ERROR;
    }
    return STORAGE_OK;
}

int KalvexStorageCtrl::saveToStorage(const IKalvexObjectPtr& object, bool withComments, bool markSaved,
                                     const QVariant& qualifier1, const QVariant&)
{
    static const QString proc = QStringLiteral("KalvexStorageCtrl_saveToStorage");
    KalvexRUVConnection* conn = nullptr;
    const KalvexRUVHandler* handler = nullptr;
    const int st = prepare(object, m_connection, &conn, &handler);
    if (st != STORAGE_OK) {
        if (conn && st == STORAGE_FAILED)
            conn->logFailure(proc, st);
        return st == 1 ? STORAGE_OK : st;
    }
    if (!conn->openForWrite()) {
        conn->logFailure(proc, STORAGE_FILE_ERROR);
        return STORAGE_FILE_ERROR;
    }
    RUVSaveOptions options;
    options.withComments = withComments;
    options.onlySection = sectionQualifier(qualifier1);
    bool ok = false;
    try {
        handler->save(*conn, object, options);
        ruvWriteEnd(*conn);
        ok = conn->commitWrite();
    } catch (const std::exception& e) {
        conn->setError(QStringLiteral("save stopped: %1").arg(QString::fromLocal8Bit(e.what())));
        conn->close();
    }
    if (!ok) {
        conn->logFailure(proc, STORAGE_FILE_ERROR);
        return STORAGE_FILE_ERROR;
    }
    if (markSaved && handler->markSaved)
        handler->markSaved(object);
    return STORAGE_OK;
}

std::shared_ptr<IKalvexStorageCtrl> classCreate_KalvexStorageCtrl()
{
    return std::make_shared<KalvexStorageCtrl>();
}

} // namespace kalvex
