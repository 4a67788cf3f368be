// The state of one keyword-file read or write. Reading takes the input in
// chunks and hands out lines with one line of look-ahead; writing goes
// to a new file beside the target that is put in place only on commit (see
// KalvexSafeSave), so a failed save never leaves a half-written file.
#pragma once
#include <QFile>
#include <QIODevice>
#include <QPointer>
#include <memory>

#include "foundation/KalvexKeywordReader.h"
#include "foundation/KalvexKeywordWriter.h"
#include "interfaces/IKalvexRUVConnection.h"
#include "store/KalvexSafeSave.h"

namespace kalvex {

class KalvexRUVConnection : public IKalvexRUVConnection {
public:
    ~KalvexRUVConnection() override { close(); }

    QVariant fileIO() const override { return m_fileIO; }
    void setFileIO(const QVariant& file) override { m_fileIO = file; }
    int fileOpenMode() const override { return m_openMode; }
    void setFileOpenMode(int mode) override { m_openMode = mode; }
    int applMode() const override { return m_applMode; }
    void setApplMode(int mode) override { m_applMode = mode; }
    int kwLevel() const override { return m_kwLevel; }
    void setKwLevel(int level) override { m_kwLevel = level; }
    int sourceId() const override { return m_sourceId; }
    void setSourceId(int id) override { m_sourceId = id; }
    QString sectionKeyword() const override { return sectionKeywordOf(m_sourceId); }
    QVariant logFile() const override { return m_logFile; }
    void setLogFile(const QVariant& file) override { m_logFile = file; }
    int storageType() const override { return m_storageType; }
    void setStorageType(int type) override { m_storageType = type; }
    QString lastError() const override { return m_error; }
    int lastErrorLine() const override { return m_errorLine; }
    bool eof() const override { return m_reader.atEnd(); }

    static QString sectionKeywordOf(int sourceId);

    // What the file is called in messages.
    QString fileDescription() const;

    // Reading: the whole input is taken in; false (with lastError) when it
    // cannot be opened or read.
    bool openForRead();
    KalvexKeywordReader::Status readLine(KeywordLine& line);
    void unreadLine() { m_reader.unread(); }
    const KalvexKeywordReader& reader() const { return m_reader; }

    // Writing: false (with lastError) when the target cannot be opened.
    bool openForWrite();
    KalvexKeywordWriter& writer() { return m_writer; }
    // Puts the written file in place; false (old file untouched) on failure.
    bool commitWrite();
    // Drops a write that was not committed and releases the input.
    void close();

    // Records a fault; line 0 when it is not tied to a line.
    void setError(const QString& what, int line = 0);
    void clearError();
    // Writes the one log entry of a failed operation to the log file.
    void logFailure(const QString& procedure, int code);

    // Reading and writing levels: a writer puts section titles at kwLevel; a
    // reader finds the entries at kwLevel, their titles one level above.
    int writeSectionLevel() const { return m_kwLevel < 0 ? 0 : m_kwLevel; }
    int readSectionLevel() const { return m_kwLevel > 0 ? m_kwLevel - 1 : 0; }

private:
    QIODevice* deviceFromFileIO(QString* error) const;

    QVariant m_fileIO;
    int m_openMode = RUV_OPEN_READ;
    int m_applMode = 0;
    int m_kwLevel = 0;
    int m_sourceId = 0;
    QVariant m_logFile;
    int m_storageType = STORAGE_TYPE_KEYWORD_FILE;
    QString m_error;
    int m_errorLine = 0;

    KalvexKeywordReader m_reader;
    KalvexKeywordWriter m_writer;
    std::unique_ptr<KalvexSafeSave> m_save;
    std::unique_ptr<QFile> m_inFile; // the named file being read
    QPointer<QIODevice> m_outDevice;
};

std::shared_ptr<IKalvexRUVConnection> classCreate_KalvexRUVConnection(const QVariant& unused = QVariant());

// The connection's last fault as a user reads it: its text, then the line
// the read stopped at when there is one.
QString ruvFaultText(const IKalvexRUVConnection& conn);

} // namespace kalvex

