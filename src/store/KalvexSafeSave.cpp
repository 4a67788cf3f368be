// Saves by a new file and a rename, or over the old bytes with a copy kept aside, whichever keeps what the file is.
#include "store/KalvexSafeSave.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifdef __linux__
#include <sys/xattr.h>
#endif

namespace kalvex {

namespace {

QString sysError(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// The file a save writes: symbolic links followed, so a link stays a link.
QString followLinks(QString path)
{
    for (int i = 0; i < 40; ++i) {
        const QFileInfo info(path);
        if (!info.isSymLink())
            break;
        path = info.symLinkTarget();
    }
    return path;
}

} // namespace

KalvexSafeSave::KalvexSafeSave(const QString& target, const QString& description)
    : m_target(followLinks(target)), m_description(description)
{
}

KalvexSafeSave::~KalvexSafeSave() { cancel(); }

bool KalvexSafeSave::fail(const QString& what)
{
    m_error = what;
    cancel();
    return false;
}

#ifdef Q_OS_UNIX

namespace {

// A new file beside `target`, named after it so that one left by a killed
// save says whose it is; -1 with errno when the folder takes none.
int createBeside(const QString& target, const char* tag, QString* path)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        *path = QStringLiteral("%1.%2-%3")
                    .arg(target, QLatin1String(tag))
                    .arg(QRandomGenerator::global()->bounded(0x1000000), 6, 16, QLatin1Char('0'));
        const int fd = ::open(QFile::encodeName(*path).constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Copies the first `size` bytes of `from` over the start of `to`; 0 or the
// system's error.
int copyBytes(int from, int to, off_t size)
{
    std::vector<char> piece(1 << 20);
    for (off_t at = 0; at < size;) {
        const auto want = static_cast<size_t>(std::min<off_t>(size - at, static_cast<off_t>(piece.size())));
        const ssize_t n = ::pread(from, piece.data(), want, at);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : EIO;
        for (ssize_t done = 0; done < n;) {
            const ssize_t w = ::pwrite(to, piece.data() + done, static_cast<size_t>(n - done), at + done);
            if (w < 0 && errno == EINTR)
                continue;
            if (w <= 0)
                return w < 0 ? errno : EIO;
            done += w;
        }
        at += n;
    }
    return 0;
}

// Writes `size` bytes of `from` as the whole of `to`, on disk; 0 or the
// system's error.
int overwriteWith(int from, int to, off_t size)
{
    if (const int e = copyBytes(from, to, size))
        return e;
    if (::ftruncate(to, size) != 0 || ::fsync(to) != 0)
        return errno;
    return 0;
}

void syncFolderOf(const QString& path)
{
    const int fd = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

#ifdef __linux__
// The names of a file's extended attributes; false when they cannot be read
// (a file system without them has none).
bool attributeNames(int fd, std::vector<QByteArray>* names)
{
    names->clear();
    for (;;) {
        const ssize_t size = ::flistxattr(fd, nullptr, 0);
        if (size < 0)
            return errno == ENOTSUP;
        QByteArray list(size, Qt::Uninitialized);
        const ssize_t got = ::flistxattr(fd, list.data(), static_cast<size_t>(list.size()));
        if (got < 0 && errno == ERANGE)
            continue;
        if (got < 0)
            return false;
        list.truncate(got);
        for (const QByteArray& name : list.split('\0'))
            if (!name.isEmpty())
                names->push_back(name);
        return true;
    }
}

// Gives `to` exactly the extended attributes of `from`.
bool copyAttributes(int from, int to)
{
    std::vector<QByteArray> wanted, present;
    if (!attributeNames(from, &wanted) || !attributeNames(to, &present))
        return false;
    // Whatever the new file got from its folder (a default access list) and
    // the old file lacks goes.
    for (const QByteArray& name : present)
        if (std::find(wanted.begin(), wanted.end(), name) == wanted.end() && ::fremovexattr(to, name.constData()) != 0)
            return false;
    for (const QByteArray& name : wanted) {
        QByteArray value;
        for (;;) {
            const ssize_t size = ::fgetxattr(from, name.constData(), nullptr, 0);
            if (size < 0)
                return false;
            value.resize(size);
            const ssize_t got = ::fgetxattr(from, name.constData(), value.data(), static_cast<size_t>(value.size()));
            if (got >= 0) {
                value.truncate(got);
                break;
            }
            if (errno != ERANGE)
                return false;
        }
        if (::fsetxattr(to, name.constData(), value.constData(), static_cast<size_t>(value.size()), 0) != 0)
            return false;
    }
    return true;
}
#endif

} // namespace

bool KalvexSafeSave::open(bool keepContent)
{
    cancel();
    m_error.clear();
    const QByteArray target = QFile::encodeName(m_target);
    struct stat st {};
    m_existed = ::stat(target.constData(), &st) == 0;
    if (!m_existed && errno != ENOENT)
        return fail(QStringLiteral("cannot open %1 for writing: %2").arg(m_description, sysError(errno)));
    if (m_existed) {
        if (S_ISDIR(st.st_mode))
            return fail(QStringLiteral("cannot open %1 for writing: it is a folder").arg(m_description));
        if (!S_ISREG(st.st_mode))
            return fail(QStringLiteral("cannot open %1 for writing: it is not a plain file").arg(m_description));
        // No write bit at all: nobody writes it, an administrator neither.
        if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
            return fail(QStringLiteral("cannot open %1 for writing: the file is read-only").arg(m_description));
        if (::access(target.constData(), W_OK) != 0)
            return fail(QStringLiteral("cannot open %1 for writing: %2").arg(m_description, sysError(errno)));
    }
    const int fd = createBeside(m_target, "new", &m_tempPath);
    if (fd < 0) {
        const int error = errno;
        m_tempPath.clear();
        return fail(QStringLiteral("cannot create a file in %1: %2")
                        .arg(QDir::toNativeSeparators(QFileInfo(m_target).absolutePath()), sysError(error)));
    }
    // Unbuffered: a failed write (a full disk) is seen, with its reason,
    // when it happens rather than as an unexplained failed commit.
    if (!m_temp.open(fd, QIODevice::ReadWrite | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return fail(QStringLiteral("cannot create a file in %1: %2")
                        .arg(QDir::toNativeSeparators(QFileInfo(m_target).absolutePath()), m_temp.errorString()));
    }
    if (keepContent && m_existed) {
        const int old = ::open(target.constData(), O_RDONLY | O_CLOEXEC);
        struct stat now {};
        if (old < 0 || ::fstat(old, &now) != 0) {
            const int error = errno;
            if (old >= 0)
                ::close(old);
            return fail(QStringLiteral("cannot read %1 to append to it: %2").arg(m_description, sysError(error)));
        }
        const int error = copyBytes(old, fd, now.st_size);
        ::close(old);
        if (error)
            return fail(QStringLiteral("cannot write %1: %2").arg(m_description, sysError(error)));
        m_temp.seek(now.st_size);
    }
    return true;
}

QIODevice* KalvexSafeSave::device() { return &m_temp; }

bool KalvexSafeSave::commit()
{
    if (!m_temp.isOpen())
        return fail(QStringLiteral("cannot write %1: nothing was written").arg(m_description));
    const int fd = m_temp.handle();
    if (::fsync(fd) != 0)
        return fail(QStringLiteral("cannot write %1: %2").arg(m_description, sysError(errno)));
    if (!m_existed) {
        if (::rename(QFile::encodeName(m_tempPath).constData(), QFile::encodeName(m_target).constData()) != 0)
            return fail(QStringLiteral("cannot replace %1: %2").arg(m_description, sysError(errno)));
        m_temp.close();
        m_tempPath.clear();
        syncFolderOf(m_target);
        return true;
    }
    const int targetFd = ::open(QFile::encodeName(m_target).constData(), O_RDWR | O_CLOEXEC);
    if (targetFd < 0)
        return fail(QStringLiteral("cannot open %1 for writing: %2").arg(m_description, sysError(errno)));
    const bool ok = replaceByRename(targetFd) || (m_error.isEmpty() && writeInPlace(targetFd));
    ::close(targetFd);
    if (!ok)
        return fail(m_error);
    return true;
}

// The new file takes the old one's place when it can carry all the old one
// had; false (with no error) when it cannot, so the save goes in place.
bool KalvexSafeSave::replaceByRename(int targetFd)
{
    const int fd = m_temp.handle();
    struct stat old {}, now {};
    if (::fstat(targetFd, &old) != 0 || ::fstat(fd, &now) != 0 || old.st_nlink != 1)
        return false;
    // Only an administrator gives a file away; a user may give it one of
    // their own groups.
    if ((now.st_uid != old.st_uid || now.st_gid != old.st_gid) && ::fchown(fd, old.st_uid, old.st_gid) != 0)
        return false;
    // The mode after the owner, since a change of owner clears set-id bits;
    // read back, since a set-group-id bit the user may not set is dropped.
    if (::fchmod(fd, old.st_mode & 07777) != 0 || ::fstat(fd, &now) != 0
        || (now.st_mode & 07777) != (old.st_mode & 07777) || now.st_uid != old.st_uid || now.st_gid != old.st_gid)
        return false;
#ifdef __linux__
    if (!copyAttributes(targetFd, fd))
        return false;
#endif
    if (::fsync(fd) != 0) {
        m_error = QStringLiteral("cannot write %1: %2").arg(m_description, sysError(errno));
        return false;
    }
    if (::rename(QFile::encodeName(m_tempPath).constData(), QFile::encodeName(m_target).constData()) != 0) {
        m_error = QStringLiteral("cannot replace %1: %2").arg(m_description, sysError(errno));
        return false;
    }
    m_temp.close();
    m_tempPath.clear();
    syncFolderOf(m_target);
    return true;
}

// The new bytes over the old ones, in the same file; the old bytes wait in a
// copy beside it until the new ones are on disk and go back on any failure.
bool KalvexSafeSave::writeInPlace(int targetFd)
{
    struct stat old {}, now {};
    if (::fstat(targetFd, &old) != 0 || ::fstat(m_temp.handle(), &now) != 0) {
        m_error = QStringLiteral("cannot write %1: %2").arg(m_description, sysError(errno));
        return false;
    }
    QString backupPath;
    const int backup = createBeside(m_target, "old", &backupPath);
    int error = backup < 0 ? errno : overwriteWith(targetFd, backup, old.st_size);
    if (error) {
        if (backup >= 0) {
            ::close(backup);
            ::unlink(QFile::encodeName(backupPath).constData());
        }
        m_error = QStringLiteral("cannot keep a copy of %1 while it is written: %2")
                      .arg(m_description, sysError(error));
        return false;
    }
    error = overwriteWith(m_temp.handle(), targetFd, now.st_size);
    if (error) {
        const bool restored = overwriteWith(backup, targetFd, old.st_size) == 0;
        ::close(backup);
        if (restored)
            ::unlink(QFile::encodeName(backupPath).constData());
        m_error = restored ? QStringLiteral("cannot write %1: %2; its old content was put back")
                                 .arg(m_description, sysError(error))
                           : QStringLiteral("cannot write %1: %2; its old content is kept in \"%3\"")
                                 .arg(m_description, sysError(error), backupPath);
        return false;
    }
    ::close(backup);
    ::unlink(QFile::encodeName(backupPath).constData());
    cancel(); // the new file is no longer needed
    return true;
}

void KalvexSafeSave::cancel()
{
    if (m_temp.isOpen())
        m_temp.close();
    if (!m_tempPath.isEmpty())
        ::unlink(QFile::encodeName(m_tempPath).constData());
    m_tempPath.clear();
}

#else // a platform without the POSIX calls: Qt's save file as it is

bool KalvexSafeSave::open(bool keepContent)
{
    cancel();
    m_error.clear();
    const QFileInfo target(m_target);
    std::unique_ptr<QFile> old;
    if (keepContent && target.exists()) {
        old = std::make_unique<QFile>(m_target);
        if (!old->open(QIODevice::ReadOnly))
            return fail(QStringLiteral("cannot read %1 to append to it: %2").arg(m_description, old->errorString()));
    }
    m_saveFile = std::make_unique<QSaveFile>(m_target);
    if (!m_saveFile->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        const QString why = m_saveFile->errorString();
        if (!target.exists() || (target.isFile() && target.isWritable()))
            return fail(QStringLiteral("cannot create a file in %1: %2")
                            .arg(QDir::toNativeSeparators(target.absolutePath()), why));
        return fail(QStringLiteral("cannot open %1 for writing: %2").arg(m_description, why));
    }
    if (old && m_saveFile->write(old->readAll()) != old->size())
        return fail(QStringLiteral("cannot write %1: %2").arg(m_description, m_saveFile->errorString()));
    return true;
}

QIODevice* KalvexSafeSave::device() { return m_saveFile.get(); }

bool KalvexSafeSave::commit()
{
    if (!m_saveFile || !m_saveFile->commit())
        return fail(QStringLiteral("cannot replace %1: %2")
                        .arg(m_description, m_saveFile ? m_saveFile->errorString() : QString()));
    m_saveFile.reset();
    return true;
}

void KalvexSafeSave::cancel()
{
    if (m_saveFile)
        m_saveFile->cancelWriting();
    m_saveFile.reset();
}

#endif

} // namespace kalvex
