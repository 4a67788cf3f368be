// Taking a file's stamp: its size and a hash of its bytes.
#include "file_stamp.h"

#include <QCryptographicHash>
#include <QFile>

namespace kalvex::edit {

FileStamp FileStamp::of(const QString& path)
{
    FileStamp stamp;
    QFile file(path);
    if (!file.exists()) {
        stamp.error = QStringLiteral("no such file");
        return stamp;
    }
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
    return stamp;
}

} // namespace kalvex::edit
