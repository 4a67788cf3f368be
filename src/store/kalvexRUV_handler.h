// What the storage controller needs of the reader and writer of one object
// kind. Each kind (administration database, generators, job preferences)
// supplies one handler; the controller picks the first whose `accepts`
// takes the object.
#pragma once
#include <QString>

#include "interfaces/IKalvexObject.h"
#include "store/KalvexRUVConnection.h"

namespace kalvex {

struct RUVLoadOptions {
    bool clearFirst = true;
    QString onlySection; // empty: every section
};

struct RUVSaveOptions {
    bool withComments = true;
    QString onlySection;
};

struct KalvexRUVHandler {
    // The object's kind in messages ("administration database").
    QString kindName;
    // The source written into the file's head line.
    int sourceId = 0;
    bool (*accepts)(const IKalvexObjectPtr& object) = nullptr;
    // Whether a connection's sourceId may be read into this kind (0 always may).
    bool (*readsSource)(int sourceId) = nullptr;
    // Reads the object from an open connection; false with the connection's
    // error set (and its line) on a fault.
    bool (*load)(KalvexRUVConnection& conn, const IKalvexObjectPtr& object, const RUVLoadOptions& options) = nullptr;
    // Writes the object to an open connection.
    void (*save)(KalvexRUVConnection& conn, const IKalvexObjectPtr& object, const RUVSaveOptions& options) = nullptr;
    // Resets the change counts of the whole tree after a save.
    void (*markSaved)(const IKalvexObjectPtr& object) = nullptr;
};

// Every handler, in the order the controller tries them.
const std::vector<KalvexRUVHandler>& kalvexRUV_handlers();

} // namespace kalvex
