// Loads objects from and saves them to the storage a connection names,
// dispatching on the object's interface to the reader or writer of its kind.
#pragma once
#include <QVariant>

#include "interfaces/IKalvexObject.h"
#include "interfaces/IKalvexRUVConnection.h"

namespace kalvex {

// Results of loadFromStorage and saveToStorage.
constexpr int STORAGE_OK = 0;
constexpr int STORAGE_FAILED = -1;       // no object, no connection, kind or storage type not handled
constexpr int STORAGE_FILE_ERROR = -2;   // the file could not be opened, read or written
constexpr int STORAGE_CONTENT_ERROR = -3; // the file's content is faulty (line logged)

class IKalvexStorageCtrl {
public:
    virtual ~IKalvexStorageCtrl() = default;

    virtual IKalvexRUVConnectionPtr storageObject() const = 0;
    virtual void setStorageObject(const IKalvexRUVConnectionPtr& connection) = 0;

    // Reads the object from the connection's file, emptying it first when
    // clearFirst is set. qualifier1, when a non-empty text, names the one
    // section to read; qualifier2 is reserved.
    virtual int loadFromStorage(const IKalvexObjectPtr& object, bool clearFirst,
                                const QVariant& qualifier1 = QVariant(),
                                const QVariant& qualifier2 = QVariant()) = 0;
    // Writes the object to the connection's file. withComments writes
    // explanatory comment lines; markSaved resets the change counts of the
    // saved tree once the file is safely in place. Qualifiers as for loads.
    virtual int saveToStorage(const IKalvexObjectPtr& object, bool withComments, bool markSaved,
                              const QVariant& qualifier1 = QVariant(),
                              const QVariant& qualifier2 = QVariant()) = 0;
};

using IKalvexStorageCtrlPtr = std::shared_ptr<IKalvexStorageCtrl>;

} // namespace kalvex
