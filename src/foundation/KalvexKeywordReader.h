// Reads keyword lines (see KalvexKeywordLine.h) one line at a time, with one
// line of look-ahead, from data held in memory or from a device read in
// chunks (so a large file never sits whole in memory). Any malformed line
// ends reading with an error naming the line number and the fault; the
// reader never reads past it. A line's keyword and values are views into
// the reader's buffer: valid until the next call of next().
#pragma once
#include <QByteArray>
#include <QIODevice>
#include <QPointer>
#include <QString>

#include "foundation/KalvexKeywordLine.h"

namespace kalvex {

class KalvexKeywordReader {
public:
    enum Status { Ok, End, Error };
    // Longest line accepted; longer lines are an error, not a memory hog.
    static constexpr qsizetype kMaxLineBytes = 8 * 1024 * 1024;
    // What is read from a device at a time.
    static constexpr qsizetype kChunkBytes = 256 * 1024;

    KalvexKeywordReader() = default;
    explicit KalvexKeywordReader(QByteArray data) { setData(std::move(data)); }
    void setData(QByteArray data);
    // Reads the device (open for reading) as lines are asked for. False,
    // with errorText() set, when its first chunk cannot be read.
    bool setDevice(QIODevice* device);

    // The next keyword line (comments and blank lines skipped).
    Status next(KeywordLine& line);
    // Gives the line last returned back, so that the next call returns it again.
    void unread();

    bool atEnd() const;
    bool failed() const { return !m_error.isEmpty(); }
    // Line number of the line last returned or of the fault.
    int lineNumber() const { return m_lineNo; }
    QString errorText() const { return m_error; }

private:
    Status parseLine(const char* b, const char* e, KeywordLine& line);
    Status fail(const QString& what);
    // Moves the unread rest of the buffer to its start and reads more behind
    // it; false when nothing more came (the end, or a read error).
    bool refill();
    void skipByteOrderMark();

    QByteArray m_data;
    qsizetype m_size = 0; // bytes of m_data that hold data
    QPointer<QIODevice> m_device;
    bool m_deviceDone = true;
    qsizetype m_pos = 0;
    int m_lineNo = 0;
    QString m_error;
    // Where the line last returned starts, for unread().
    qsizetype m_lastPos = -1;
    int m_lastLineNo = 0;
};

// Whether bytes form valid UTF-8 (no overlong forms, no surrogates).
bool kalvexRUV_isValidUtf8(const char* b, const char* e);

} // namespace kalvex
