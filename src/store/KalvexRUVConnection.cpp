#include "store/KalvexRUVConnection.h"

#include <QFileInfo>
#include <limits>

#include "foundation/vbl_err.h"

namespace kalvex {

namespace {

// The file in a buffer of its exact size: the reader's lines are views into
// it and it sits in memory beside the tree being built, so no spare room.
QByteArray readWhole(QFile& f)
{
    const qint64 size = f.size();
    if (size <= 0 || size >= std::numeric_limits<qsizetype>::max() / 2)
        return f.readAll();
    QByteArray data(static_cast<qsizetype>(size), Qt::Uninitialized);
    qint64 got = 0;
    while (got < size) {
        const qint64 n = f.read(data.data() + got, size - got);
        if (n <= 0)
            break;
        got += n;
    }
    data.truncate(static_cast<qsizetype>(got));
    // A file that grew while it was read is read to its end.
    if (got == size && !f.atEnd())
        data += f.readAll();
    return data;
}

} // namespace

QString KalvexRUVConnection::sectionKeywordOf(int sourceId)
{
    switch (sourceId) {
    case SOURCE_ID_ADMIN_DB: return QStringLiteral("ADMIN_DB");
    case SOURCE_ID_JOB_PREFERENCES: return QStringLiteral("JOB_PREFERENCES");
    case SOURCE_ID_GENERATORS: return QStringLiteral("GENERATORS");
    default: return QString();
    }
}

QString KalvexRUVConnection::fileDescription() const
{
    if (m_fileIO.typeId() == QMetaType::QString)
        return QStringLiteral("\"%1\"").arg(m_fileIO.toString());
    if (auto* dev = m_fileIO.value<QIODevice*>()) {
        if (auto* f = qobject_cast<QFile*>(dev))
            return QStringLiteral("\"%1\"").arg(f->fileName());
        return QStringLiteral("the given device");
    }
    if (m_fileIO.canConvert<int>())
        return QStringLiteral("file number %1").arg(m_fileIO.toInt());
    return QStringLiteral("no file");
}

QIODevice* KalvexRUVConnection::deviceFromFileIO(QString* error) const
{
    if (auto* dev = m_fileIO.value<QIODevice*>())
        return dev;
    *error = m_fileIO.isValid() && m_fileIO.typeId() != QMetaType::QString
                 ? QStringLiteral("%1 is not open").arg(fileDescription())
                 : QStringLiteral("no file was named");
    return nullptr;
}

void KalvexRUVConnection::setError(const QString& what, int line)
{
    m_error = what;
    m_errorLine = line;
}

void KalvexRUVConnection::clearError()
{
    m_error.clear();
    m_errorLine = 0;
}

bool KalvexRUVConnection::openForRead()
{
    close();
    clearError();
    QByteArray data;
    if (m_fileIO.typeId() == QMetaType::QString) {
        const QString name = m_fileIO.toString();
        QFile f(name);
        if (name.isEmpty() || !f.open(QIODevice::ReadOnly)) {
            setError(QStringLiteral("cannot open %1 for reading: %2").arg(fileDescription(), f.errorString()));
            return false;
        }
        if (QFileInfo(name).isDir()) {
            setError(QStringLiteral("%1 is a directory").arg(fileDescription()));
            return false;
        }
        data = readWhole(f);
        if (f.error() != QFileDevice::NoError) {
            setError(QStringLiteral("cannot read %1: %2").arg(fileDescription(), f.errorString()));
            return false;
        }
    } else {
        QString err;
        QIODevice* dev = deviceFromFileIO(&err);
        if (!dev) {
            setError(err);
            return false;
        }
        if (!dev->isOpen() && !dev->open(QIODevice::ReadOnly)) {
            setError(QStringLiteral("cannot open %1 for reading").arg(fileDescription()));
            return false;
        }
        data = dev->readAll();
    }
    m_reader.setData(std::move(data));
    return true;
}

KalvexKeywordReader::Status KalvexRUVConnection::readLine(KeywordLine& line)
{
    const auto st = m_reader.next(line);
    if (st == KalvexKeywordReader::Error)
        setError(m_reader.errorText(), m_reader.lineNumber());
    return st;
}

bool KalvexRUVConnection::openForWrite()
{
    close();
    clearError();
    if (m_fileIO.typeId() == QMetaType::QString) {
        const QString name = m_fileIO.toString();
        if (name.isEmpty()) {
            setError(QStringLiteral("no file was named"));
            return false;
        }
        QByteArray keep;
        if (m_openMode == RUV_OPEN_APPEND && QFileInfo::exists(name)) {
            QFile old(name);
            if (!old.open(QIODevice::ReadOnly)) {
                setError(QStringLiteral("cannot read %1 to append to it: %2").arg(fileDescription(), old.errorString()));
                return false;
            }
            keep = old.readAll();
        }
        m_saveFile = std::make_unique<QSaveFile>(name);
        // Unbuffered: a failed write (a full disk) is seen, with its reason,
        // when it happens rather than as an unexplained failed commit.
        if (!m_saveFile->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            setError(QStringLiteral("cannot open %1 for writing: %2").arg(fileDescription(), m_saveFile->errorString()));
            m_saveFile.reset();
            return false;
        }
        if (!keep.isEmpty() && m_saveFile->write(keep) != keep.size()) {
            setError(QStringLiteral("cannot write %1: %2").arg(fileDescription(), m_saveFile->errorString()));
            m_saveFile.reset();
            return false;
        }
        m_writer = KalvexKeywordWriter(m_saveFile.get());
        return true;
    }
    QString err;
    QIODevice* dev = deviceFromFileIO(&err);
    if (!dev) {
        setError(err);
        return false;
    }
    const auto mode = m_openMode == RUV_OPEN_APPEND ? QIODevice::Append : QIODevice::WriteOnly;
    if (!dev->isOpen() && !dev->open(mode)) {
        setError(QStringLiteral("cannot open %1 for writing").arg(fileDescription()));
        return false;
    }
    m_outDevice = dev;
    m_writer = KalvexKeywordWriter(dev);
    return true;
}

bool KalvexRUVConnection::commitWrite()
{
    if (!m_writer.flush()) {
        setError(QStringLiteral("cannot write %1: %2").arg(fileDescription(), m_writer.errorText()));
        close();
        return false;
    }
    if (m_saveFile) {
        // QSaveFile renames the temporary file over the target only here.
        if (!m_saveFile->commit()) {
            setError(QStringLiteral("cannot replace %1: %2").arg(fileDescription(), m_saveFile->errorString()));
            m_saveFile.reset();
            m_writer = KalvexKeywordWriter();
            return false;
        }
        m_saveFile.reset();
    }
    m_outDevice = nullptr;
    m_writer = KalvexKeywordWriter();
    return true;
}

void KalvexRUVConnection::close()
{
    m_writer.setDevice(nullptr);
    m_writer = KalvexKeywordWriter();
    if (m_saveFile)
        m_saveFile->cancelWriting();
    m_saveFile.reset();
    m_outDevice = nullptr;
    m_reader.setData(QByteArray());
}

void KalvexRUVConnection::logFailure(const QString& procedure, int code)
{
    QString message = m_error;
    if (m_errorLine > 0)
        message = QStringLiteral("%1, line %2: %3").arg(fileDescription()).arg(m_errorLine).arg(m_error);
    const QString info = vbl_err_getInfo(
        QString(), {code, m_errorLine > 0 ? QStringLiteral("keyword file fault") : QStringLiteral("file fault")});
    if (m_logFile.typeId() == QMetaType::QString) {
        if (m_logFile.toString().isEmpty())
            return;
        const int number = vbl_log_open(m_logFile.toString());
        vbl_err_log(QStringLiteral("%1").arg(procedure), info, message, 0, number);
        vbl_log_close(number);
    } else if (m_logFile.canConvert<int>()) {
        vbl_err_log(procedure, info, message, 0, m_logFile.toInt());
    }
}

std::shared_ptr<IKalvexRUVConnection> classCreate_KalvexRUVConnection(const QVariant&)
{
    return std::make_shared<KalvexRUVConnection>();
}

} // namespace kalvex
