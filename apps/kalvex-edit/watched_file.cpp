// Stamps taken around each read and save, and a watch on the file and its folder.
#include "watched_file.h"

#include <QFileInfo>

#include "admin_file.h"

namespace kalvex::edit {

namespace {
// An editor's save is a write, a rename and a mode change: one reload for
// all. Counted from the first signal, so that a folder where other files
// keep changing cannot put the check off for ever.
constexpr int kSettleMs = 300;
} // namespace

WatchedFile::WatchedFile(QObject* parent) : QObject(parent)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, &WatchedFile::settled);
    // A file replaced by a rename loses its own watch: its folder's brings it back.
    const auto touched = [this] {
        watch();
        if (!m_settle.isActive())
            m_settle.start();
    };
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, touched);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, touched);
}

void WatchedFile::reset(const QString& path, const FileStamp& read)
{
    if (const QStringList watched = m_watcher.files() + m_watcher.directories(); !watched.isEmpty())
        m_watcher.removePaths(watched);
    m_path = path;
    m_known = read;
    m_unreadable.reset();
    watch();
    if (changedOutside())
        m_settle.start();
}

QString WatchedFile::fileName() const { return QFileInfo(m_path).fileName(); }

void WatchedFile::watch()
{
    if (m_path.isEmpty())
        return;
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!m_watcher.directories().contains(folder))
        m_watcher.addPath(folder);
    if (!m_watcher.files().contains(m_path) && QFileInfo::exists(m_path))
        m_watcher.addPath(m_path);
}

bool WatchedFile::known(const FileStamp& stamp) const
{
    return stamp == m_known || (m_unreadable && stamp == *m_unreadable);
}

FileStamp WatchedFile::look()
{
    FileStamp now = FileStamp::of(m_path, &m_known);
    // The same bytes, their times settled now: later looks need not read them.
    if (now == m_known)
        m_known = now;
    return now;
}

bool WatchedFile::changedOutside() { return !known(look()); }

void WatchedFile::settled()
{
    // Put back as the host last read it after it could not be read: read
    // in too, so that the host no longer says it cannot.
    if (const FileStamp now = look(); !known(now) || (m_unreadable && now == m_known))
        emit changed();
}

QString WatchedFile::read(const IKalvexAdministratorPtr& adm)
{
    // Taken first: a change made during the read then shows at the next check.
    const FileStamp seen = FileStamp::of(m_path);
    const QString why = reloadAdminFile(adm, m_path);
    if (why.isEmpty()) {
        m_known = seen;
        m_unreadable.reset();
    } else {
        m_unreadable = seen;
    }
    watch();
    return why;
}

WatchedFile::Saved WatchedFile::save(const IKalvexAdministratorPtr& adm, QString* why)
{
    // A file gone or unreadable holds nothing a save could lose: the save
    // tries, and says why when it cannot write.
    if (const FileStamp now = look(); now.state == FileStamp::State::Read && !known(now)) {
        *why = QStringLiteral("another program changed %1 since it was read").arg(fileName());
        return Saved::ChangedOutside;
    }
    *why = saveAdminFile(adm, m_path);
    if (!why->isEmpty())
        return Saved::Failed;
    // Taken after the save, in place or by rename: the watcher's signal for
    // this save then finds nothing changed.
    m_known = FileStamp::of(m_path);
    m_unreadable.reset();
    watch();
    return Saved::Yes;
}

} // namespace kalvex::edit
