// The database's file as the host last read or wrote it: the check before a
// save and the watch that notices a change made by another program.
#pragma once
#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>
#include <optional>

#include "file_stamp.h"
#include "interfaces/IKalvexAdministrator.h"

namespace kalvex::edit {

class WatchedFile : public QObject {
    Q_OBJECT
public:
    explicit WatchedFile(QObject* parent = nullptr);

    // Starts over on path, which the host read as `read`; a change made
    // since is reported as any other.
    void reset(const QString& path, const FileStamp& read);
    const QString& path() const { return m_path; }
    QString fileName() const;

    // Whether the file differs from what the host last read or wrote. A file
    // that could not be read, as the host last found it, counts as known:
    // it was said once, and a save may put it right.
    bool changedOutside();

    // Reads the file into adm (the same object); empty when done, otherwise
    // the reason, adm left as it was.
    QString read(const IKalvexAdministratorPtr& adm);

    enum class Saved { Yes, ChangedOutside, Failed };
    // Saves adm unless the file holds bytes another program wrote since the
    // host last read or wrote it; *why gets the reason when it did not save.
    Saved save(const IKalvexAdministratorPtr& adm, QString* why);

signals:
    // Another program changed the file, or put it back after the host could
    // not read it: once per burst of writes, renames and mode changes, a
    // moment after its first.
    void changed();

private:
    // The file's stamp now, its bytes read only when its metadata moved.
    FileStamp look();
    bool known(const FileStamp& stamp) const;
    void watch();
    void settled();

    QString m_path;
    FileStamp m_known;
    std::optional<FileStamp> m_unreadable;
    QFileSystemWatcher m_watcher;
    QTimer m_settle;
};

} // namespace kalvex::edit
