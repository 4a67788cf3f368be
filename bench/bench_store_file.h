// Saves an object to, or loads it from, a keyword file the way the console
// does (storage controller over a file connection); prints the reason of a
// failure.
#pragma once
#include <cstdio>

#include "store/KalvexRUVConnection.h"
#include "store/KalvexStorageCtrl.h"

namespace kalvex::bench {

inline int runStore(const IKalvexObjectPtr& obj, const QString& path, bool save)
{
    auto conn = classCreate_KalvexRUVConnection();
    conn->setFileIO(path);
    conn->setFileOpenMode(save ? RUV_OPEN_WRITE : RUV_OPEN_READ);
    conn->setKwLevel(save ? 0 : 1);
    conn->setSourceId(SOURCE_ID_ADMIN_DB);
    auto ctrl = classCreate_KalvexStorageCtrl();
    ctrl->setStorageObject(conn);
    const int st = save ? ctrl->saveToStorage(obj, true, true) : ctrl->loadFromStorage(obj, true);
    if (st != STORAGE_OK)
        std::fprintf(stderr, "%s failed: %s (line %d)\n", save ? "save" : "load", qPrintable(conn->lastError()),
                     conn->lastErrorLine());
    return st;
}

} // namespace kalvex::bench
