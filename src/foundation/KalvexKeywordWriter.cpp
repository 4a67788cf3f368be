#include "foundation/KalvexKeywordWriter.h"

#include "foundation/KalvexKeywordReader.h"

#include <cerrno>
#include <cstring>

#include <QStringEncoder>
#include <type_traits>

namespace kalvex {

namespace {

constexpr qsizetype kFlushAt = 1 << 20;

} // namespace

void KalvexKeywordWriter::beginLine(int level, QStringView keyword)
{
    m_lineStart = m_buffer.size();
    if (level > 0)
        m_buffer.append(level, '.');
    // The usual keyword is a plain ASCII token: copied as it is.
    bool plain = true;
    for (QChar c : keyword) {
        const char16_t u = c.unicode();
        if (u >= 0x80 || u == ' ' || u == '\t' || u == '"' || u == '\n' || u == '\r') {
            plain = false;
            break;
        }
    }
    if (plain) {
        const qsizetype at = m_buffer.size();
        m_buffer.resize(at + keyword.size());
        char* out = m_buffer.data() + at;
        for (QChar c : keyword)
            *out++ = static_cast<char>(c.unicode());
        return;
    }
    // A keyword is one token; blanks or quotes in it would change the line.
    QString kw = keyword.toString();
    kw.replace(QLatin1Char(' '), QLatin1Char('_')).replace(QLatin1Char('\t'), QLatin1Char('_'));
    kw.remove(QLatin1Char('"'));
    kw.remove(QLatin1Char('\n'));
    kw.remove(QLatin1Char('\r'));
    m_buffer.append(kw.toUtf8());
}

// UTF-8 straight into the buffer, without a QByteArray per value; ASCII
// (the usual text) byte for byte.
static void appendUtf8(QByteArray& buffer, QStringView text, bool ascii)
{
    const qsizetype at = buffer.size();
    if (ascii) {
        buffer.resize(at + text.size());
        char* out = buffer.data() + at;
        for (QChar c : text)
            *out++ = static_cast<char>(c.unicode());
        return;
    }
    buffer.resize(at + text.size() * 3);
    QStringEncoder encoder(QStringEncoder::Utf8);
    char* end = encoder.appendToBuffer(buffer.data() + at, text);
    buffer.truncate(end - buffer.constData());
}

namespace {

// What one pass over a value finds.
struct TextTraits {
    bool ascii = true;
    bool escape = false; // holds a character written as "^X^"
    bool bare = true;    // reads back unchanged as one unquoted token
};

char16_t unitOf(QChar c) { return c.unicode(); }
char16_t unitOf(char c) { return static_cast<unsigned char>(c); }

template <class Text>
TextTraits traitsOf(const Text& t)
{
    TextTraits r;
    r.bare = !t.isEmpty();
    for (const auto c : t) {
        const char16_t u = unitOf(c);
        if (u >= 0x80) {
            r.ascii = false;
            continue;
        }
        switch (u) {
        case '"':
        case '^':
        case '\n':
        case '\r':
            r.escape = true;
            r.bare = false;
            break;
        case ' ':
        case '\t':
        case '#': r.bare = false; break;
        default: break;
        }
    }
    return r;
}

} // namespace

void KalvexKeywordWriter::appendValue(QStringView text, bool quoted)
{
    m_buffer.append(' ');
    const TextTraits t = traitsOf(text);
    if (!quoted && t.bare) {
        appendUtf8(m_buffer, text, t.ascii);
        return;
    }
    m_buffer.append('"');
    if (t.escape)
        appendUtf8(m_buffer, kalvexRUV_escape(text), false);
    else
        appendUtf8(m_buffer, text, t.ascii);
    m_buffer.append('"');
}

void KalvexKeywordWriter::appendValue(QAnyStringView text, bool quoted)
{
    text.visit([&](auto v) {
        using V = decltype(v);
        if constexpr (std::is_same_v<V, QStringView>) {
            appendValue(v, quoted);
        } else if constexpr (std::is_same_v<V, QLatin1StringView>) {
            // ASCII without escapes, the usual text, goes byte for byte.
            const TextTraits t = traitsOf(v);
            if (!t.ascii || t.escape) {
                appendValue(QStringView(QString(v)), quoted);
                return;
            }
            const bool enclose = quoted || !t.bare;
            m_buffer.append(enclose ? " \"" : " ");
            m_buffer.append(v.data(), v.size());
            if (enclose)
                m_buffer.append('"');
        } else {
            appendValue(QStringView(QString::fromUtf8(v.data(), v.size())), quoted);
        }
    });
}

void KalvexKeywordWriter::writeViewLine(int level, QStringView keyword,
                                        std::initializer_list<KeywordValueView> values)
{
    beginLine(level, keyword);
    for (const auto& v : values)
        appendValue(v.text, v.quoted);
    endLine();
}

void KalvexKeywordWriter::endLine()
{
    ++m_lines;
    if (m_buffer.size() - m_lineStart > KalvexKeywordReader::kMaxLineBytes)
        refuseLine();
    m_buffer.append("\r\n");
    if (m_buffer.size() >= kFlushAt)
        flush();
}

void KalvexKeywordWriter::writeComment(const QString& text)
{
    QString t = text;
    t.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
    m_lineStart = m_buffer.size();
    m_buffer.append("# ");
    m_buffer.append(t.toUtf8());
    endLine();
}

void KalvexKeywordWriter::writeLine(int level, QStringView keyword, std::initializer_list<KeywordValue> values)
{
    beginLine(level, keyword);
    for (const auto& v : values)
        appendValue(v);
    endLine();
}

void KalvexKeywordWriter::writeLine(int level, QStringView keyword, const std::vector<KeywordValue>& values)
{
    beginLine(level, keyword);
    for (const auto& v : values)
        appendValue(v);
    endLine();
}

void KalvexKeywordWriter::writeTextLine(int level, QStringView keyword, const QStringList& values)
{
    beginLine(level, keyword);
    for (const auto& v : values) {
        if (v.startsWith(QLatin1String("NQ>")))
            appendValue({v.mid(3), false});
        else
            appendValue({v, true});
    }
    endLine();
}

void KalvexKeywordWriter::refuseLine()
{
    if (!m_ok)
        return;
    const QByteArray line = m_buffer.mid(m_lineStart, 64);
    const qsizetype blank = line.indexOf(' ');
    m_ok = false;
    m_error = QStringLiteral("line %1 (%2) is %3 bytes, over the %4 a load reads")
                  .arg(m_lines)
                  .arg(QString::fromUtf8(blank < 0 ? line : line.left(blank)))
                  .arg(m_buffer.size() - m_lineStart)
                  .arg(KalvexKeywordReader::kMaxLineBytes);
}

bool KalvexKeywordWriter::flush()
{
    if (m_buffer.isEmpty())
        return m_ok;
    if (!m_ok || !m_device) {
        if (m_ok) {
            m_ok = false;
            m_error = QStringLiteral("no file to write to");
        }
        m_buffer.clear();
        return false;
    }
    // A short write is retried for the rest; a failed one reports the
    // system's reason (a full disk says so).
    const char* p = m_buffer.constData();
    qint64 left = m_buffer.size();
    while (left > 0) {
        errno = 0;
        const qint64 n = m_device->write(p, left);
        if (n <= 0) {
            const int sysError = errno;
            m_ok = false;
            m_error = m_device->errorString();
            if (sysError != 0 && (m_error.isEmpty() || m_error == QLatin1String("Unknown error")))
                m_error = QString::fromLocal8Bit(std::strerror(sysError));
            break;
        }
        p += n;
        left -= n;
        m_written += n;
    }
    m_buffer.clear();
    return m_ok;
}

} // namespace kalvex
