// Loading an administration database from its keyword file and saving it
// back, through the library's connection and storage controller.
#pragma once
#include <QString>

#include "file_stamp.h"
#include "interfaces/IKalvexAdministrator.h"

namespace kalvex::edit {

struct LoadedDatabase {
    IKalvexAdministratorPtr adm; // set only when the whole file was read
    QString error;               // the fault and its line otherwise
    FileStamp read;              // the file as it was when the read began
};

LoadedDatabase loadAdminFile(const QString& path);

// Reads the file into adm itself (the same object, its entries new), so
// that what shows or holds adm sees the file's content. Empty when done;
// otherwise the reason, adm left as it was.
QString reloadAdminFile(const IKalvexAdministratorPtr& adm, const QString& path);

// Empty when the file was replaced; otherwise the reason, the old file kept.
QString saveAdminFile(const IKalvexAdministratorPtr& adm, const QString& path);

} // namespace kalvex::edit
