// Taking a file's stamp: its size and a hash of its bytes, spared while its metadata say nothing changed.
#include "file_stamp.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace kalvex::edit {

namespace {

// Longer than the coarsest clock a file system keeps times with (two seconds).
constexpr qint64 kSettledNs = 3'000'000'000;

// The file's metadata; false when the system gives none (then the bytes decide).
bool metadataOf(const QString& path, FileStamp::Metadata* meta)
{
#ifdef Q_OS_UNIX
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return false;
    const auto ns = [](const timespec& t) { return qint64(t.tv_sec) * 1'000'000'000 + t.tv_nsec; };
    *meta = {quint64(st.st_dev), quint64(st.st_ino), qint64(st.st_size), ns(st.st_mtim), ns(st.st_ctim)};
    return true;
#else
    Q_UNUSED(path);
    Q_UNUSED(meta);
    return false;
#endif
}

} // namespace

FileStamp FileStamp::of(const QString& path, const FileStamp* known)
{
    FileStamp stamp;
    QFile file(path);
    if (!file.exists()) {
        stamp.error = QStringLiteral("no such file");
        return stamp;
    }
    // Taken before the bytes: a write while they are read changes the times,
    // so the next look reads them again.
    const bool withMetadata = metadataOf(path, &stamp.metadata);
    if (withMetadata && known && known->state == State::Read && known->settled && known->metadata == stamp.metadata)
        return *known;
    stamp.state = State::Unreadable;
    if (!file.open(QIODevice::ReadOnly)) {
        stamp.error = file.errorString();
        return stamp;
    }
    // Not a guard against forgery, only against change: a fast hash will do.
    QCryptographicHash hash(QCryptographicHash::Md5);
    QByteArray chunk(1 << 18, Qt::Uninitialized);
    for (qint64 got; (got = file.read(chunk.data(), chunk.size())) != 0;) {
        if (got < 0) {
            stamp.error = file.errorString();
            return stamp;
        }
        hash.addData(QByteArrayView(chunk.constData(), got));
        stamp.size += got;
    }
    stamp.state = State::Read;
    stamp.hash = hash.result();
    // A time in the future (another machine's clock) never counts as settled.
    const qint64 now = QDateTime::currentMSecsSinceEpoch() * 1'000'000;
    const qint64 latest = std::max(stamp.metadata.modifiedNs, stamp.metadata.changedNs);
    stamp.settled = withMetadata && latest <= now && now - latest > kSettledNs;
    return stamp;
}

} // namespace kalvex::edit
