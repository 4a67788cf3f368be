// One keyword-file read or write: which file (by name or as an open device),
// how it is opened, at which keyword level the handled section
// stands, what kind of object it holds, and where faults are logged.
#pragma once
#include <QString>
#include <QVariant>
#include <memory>

namespace kalvex {

// fileOpenMode
constexpr int RUV_OPEN_READ = 0;
constexpr int RUV_OPEN_WRITE = 1;
constexpr int RUV_OPEN_APPEND = 2;

// storageType: a keyword file does the work; "no storage" succeeds without effect.
constexpr int STORAGE_TYPE_KEYWORD_FILE = 2;
constexpr int STORAGE_TYPE_NONE = 3;

// sourceId: object-type codes of what a file holds.
constexpr int SOURCE_ID_GENERATORS = 8;
constexpr int SOURCE_ID_JOB_PREFERENCES = 90;
constexpr int SOURCE_ID_ADMIN_DB = 200;

class IKalvexRUVConnection {
public:
    virtual ~IKalvexRUVConnection() = default;

    // A file name (QString) or an open QIODevice*. Data files are not kept
    // open by number in this library: a number fails as "not open".
    virtual QVariant fileIO() const = 0;
    virtual void setFileIO(const QVariant& file) = 0;
    virtual int fileOpenMode() const = 0;
    virtual void setFileOpenMode(int mode) = 0;
    virtual int applMode() const = 0;
    virtual void setApplMode(int mode) = 0;
    virtual int kwLevel() const = 0;
    virtual void setKwLevel(int level) = 0;
    virtual int sourceId() const = 0;
    virtual void setSourceId(int id) = 0;
    // The keyword that heads a file of this source ("ADMIN_DB", …); empty for
    // an unknown source.
    virtual QString sectionKeyword() const = 0;

    // Where a failed load or save writes its one entry: a file name (QString)
    // or an open log file number (int); nothing is written when unset.
    virtual QVariant logFile() const = 0;
    virtual void setLogFile(const QVariant& file) = 0;

    virtual int storageType() const = 0;
    virtual void setStorageType(int type) = 0;

    // The fault of the last load or save and its line (0 when none or not
    // tied to a line).
    virtual QString lastError() const = 0;
    virtual int lastErrorLine() const = 0;
    // End of the input reached.
    virtual bool eof() const = 0;
};

using IKalvexRUVConnectionPtr = std::shared_ptr<IKalvexRUVConnection>;

} // namespace kalvex
