// Writes keyword lines (see KalvexKeywordLine.h) to a device, buffered.
// Values marked as quoted are escaped and enclosed in double quotes; a bare
// value that could not be read back as one token (empty, blanks, quotes,
// caret escapes, line breaks) is quoted as well, so every value survives.
// A line longer than the reader takes fails the write, so nothing written
// is refused by the next load.
#pragma once
#include <QByteArray>
#include <QIODevice>
#include <QStringList>
#include <initializer_list>

#include "foundation/KalvexKeywordLine.h"

namespace kalvex {

class KalvexKeywordWriter {
public:
    explicit KalvexKeywordWriter(QIODevice* device = nullptr) : m_device(device)
    {
        if (device)
            m_buffer.reserve(kReserve);
    }
    ~KalvexKeywordWriter() { flush(); }
    void setDevice(QIODevice* device) { m_device = device; }

    void writeComment(const QString& text);
    void writeLine(int level, QStringView keyword, std::initializer_list<KeywordValue> values);
    void writeLine(int level, QStringView keyword, const std::vector<KeywordValue>& values);
    // Values as plain texts: each is quoted unless it begins with "NQ>", which
    // is dropped and the rest written unquoted.
    void writeTextLine(int level, QStringView keyword, const QStringList& values);
    // Values as views of texts held elsewhere, written without a copy.
    void writeViewLine(int level, QStringView keyword, std::initializer_list<KeywordValueView> values);

    // Writes what is buffered; false once any write failed.
    bool flush();
    bool ok() const { return m_ok; }
    QString errorText() const { return m_error; }
    qint64 bytesWritten() const { return m_written + m_buffer.size(); }

private:
    // Room for a flush's worth of lines and the longest usual line.
    static constexpr qsizetype kReserve = (1 << 20) + (1 << 16);

    void beginLine(int level, QStringView keyword);
    void appendValue(const KeywordValue& v) { appendValue(QStringView(v.text), v.quoted); }
    void appendValue(QStringView text, bool quoted);
    void appendValue(QAnyStringView text, bool quoted);
    void endLine();
    void refuseLine();

    QIODevice* m_device = nullptr;
    QByteArray m_buffer;
    qint64 m_written = 0;
    qsizetype m_lineStart = 0; // where the line being built starts in the buffer
    qint64 m_lines = 0;
    bool m_ok = true;
    QString m_error;
};

} // namespace kalvex
