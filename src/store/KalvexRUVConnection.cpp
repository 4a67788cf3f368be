#include "store/KalvexRUVConnection.h"

#include <QFileInfo>

#include "foundation/vbl_err.h"

namespace kalvex {

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
    // The file is read in chunks as its lines are taken: it never sits
    // whole in memory beside the tree being built.
    QIODevice* dev = nullptr;
    if (m_fileIO.typeId() == QMetaType::QString) {
        const QString name = m_fileIO.toString();
        m_inFile = std::make_unique<QFile>(name);
        if (name.isEmpty() || !m_inFile->open(QIODevice::ReadOnly)) {
            setError(QStringLiteral("cannot open %1 for reading: %2").arg(fileDescription(), m_inFile->errorString()));
            m_inFile.reset();
            return false;
        }
        if (QFileInfo(name).isDir()) {
            setError(QStringLiteral("%1 is a directory").arg(fileDescription()));
            m_inFile.reset();
            return false;
        }
        dev = m_inFile.get();
    } else {
        QString err;
        dev = deviceFromFileIO(&err);
        if (!dev) {
            setError(err);
            return false;
        }
        if (!dev->isOpen() && !dev->open(QIODevice::ReadOnly)) {
            setError(QStringLiteral("cannot open %1 for reading").arg(fileDescription()));
            return false;
        }
    }
    if (!m_reader.setDevice(dev)) {
        setError(QStringLiteral("cannot read %1: %2").arg(fileDescription(), dev->errorString()));
        m_reader.setData(QByteArray());
        m_inFile.reset();
        return false;
    }
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
        m_save = std::make_unique<KalvexSafeSave>(name, fileDescription());
        if (!m_save->open(m_openMode == RUV_OPEN_APPEND)) {
            setError(m_save->errorText());
            m_save.reset();
            return false;
        }
        m_writer = KalvexKeywordWriter(m_save->device());
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
    if (m_save) {
        // The target is touched only here, once the new content is whole.
        if (!m_save->commit()) {
            setError(m_save->errorText());
            m_save.reset();
            m_writer = KalvexKeywordWriter();
            return false;
        }
        m_save.reset();
    }
    m_outDevice = nullptr;
    m_writer = KalvexKeywordWriter();
    return true;
}

void KalvexRUVConnection::close()
{
    m_writer.setDevice(nullptr);
    m_writer = KalvexKeywordWriter();
    m_save.reset();
    m_outDevice = nullptr;
    m_reader.setData(QByteArray());
    m_inFile.reset();
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

QString ruvFaultText(const IKalvexRUVConnection& conn)
{
    QString text = conn.lastError();
    if (conn.lastErrorLine() > 0)
        text += QStringLiteral(" (line %1)").arg(conn.lastErrorLine());
    return text;
}

} // namespace kalvex
