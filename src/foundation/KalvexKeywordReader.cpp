#include "foundation/KalvexKeywordReader.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

namespace kalvex {

namespace {

inline bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Bytes that end a keyword or a bare value: blanks, and a quote (a fault).
struct TokenStops {
    bool stop[256] = {};
    constexpr TokenStops()
    {
        stop[static_cast<unsigned char>(' ')] = true;
        stop[static_cast<unsigned char>('\t')] = true;
        stop[static_cast<unsigned char>('"')] = true;
    }
};
constexpr TokenStops kStops;

inline std::uint64_t load8(const char* p)
{
    std::uint64_t w;
    std::memcpy(&w, p, 8);
    return w;
}

constexpr std::uint64_t kOnes = 0x0101010101010101ull;
constexpr std::uint64_t kHighs = 0x8080808080808080ull;

// The high bit of each byte of w that equals c; the lowest one set is
// always a true match (the only one used).
inline std::uint64_t bytesEqual(std::uint64_t w, unsigned char c)
{
    const std::uint64_t x = w ^ (kOnes * c);
    return (x - kOnes) & ~x & kHighs;
}

// The end of the token that starts at p: the first blank or quote, or e.
// Eight bytes at a time, without a branch per byte.
inline const char* tokenEnd(const char* p, const char* e)
{
    // The first match is the lowest byte only in little-endian order.
    for (; std::endian::native == std::endian::little && e - p >= 8; p += 8) {
        const std::uint64_t w = load8(p);
        const std::uint64_t m = bytesEqual(w, ' ') | bytesEqual(w, '\t') | bytesEqual(w, '"');
        if (m)
            return p + (std::countr_zero(m) >> 3);
    }
    while (p < e && !kStops.stop[static_cast<unsigned char>(*p)])
        ++p;
    return p;
}

// Whether [p, e) holds no byte above 0x7F.
inline bool allAscii(const char* p, const char* e)
{
    if (e - p < 8) {
        for (; p < e; ++p)
            if (static_cast<unsigned char>(*p) >= 0x80)
                return false;
        return true;
    }
    std::uint64_t any = load8(e - 8); // the tail, overlapping
    for (; e - p >= 8; p += 8)
        any |= load8(p);
    return (any & kHighs) == 0;
}

} // namespace

bool kalvexRUV_isValidUtf8(const char* b, const char* e)
{
    const auto* p = reinterpret_cast<const unsigned char*>(b);
    const auto* end = reinterpret_cast<const unsigned char*>(e);
    while (p < end) {
        const unsigned char c = *p;
        if (c < 0x80) {
            ++p;
            continue;
        }
        int len;
        unsigned cp;
        if (c >= 0xC2 && c <= 0xDF) {
            len = 2;
            cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            len = 3;
            cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            len = 4;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (end - p < len)
            return false;
        for (int i = 1; i < len; ++i) {
            if ((p[i] & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (p[i] & 0x3F);
        }
        if ((len == 3 && cp < 0x800) || (len == 4 && (cp < 0x10000 || cp > 0x10FFFF)) ||
            (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        p += len;
    }
    return true;
}

void KalvexKeywordReader::setData(QByteArray data)
{
    m_data = std::move(data);
    m_size = m_data.size();
    m_device = nullptr;
    m_deviceDone = true;
    m_pos = 0;
    m_lineNo = 0;
    m_error.clear();
    m_lastPos = -1;
    skipByteOrderMark();
}

bool KalvexKeywordReader::setDevice(QIODevice* device)
{
    setData(QByteArray());
    m_device = device;
    m_deviceDone = device == nullptr;
    // The first chunk now: a device that cannot be read at all says so
    // before any line is asked for.
    while (!m_deviceDone && m_size < 3)
        if (!refill())
            break;
    if (failed())
        return false;
    skipByteOrderMark();
    return true;
}

void KalvexKeywordReader::skipByteOrderMark()
{
    // A byte-order mark is not part of the first line.
    if (m_pos == 0 && m_size >= 3 && std::memcmp(m_data.constData(), "\xEF\xBB\xBF", 3) == 0)
        m_pos = 3;
}

bool KalvexKeywordReader::refill()
{
    if (m_deviceDone || !m_device)
        return false;
    // Only the unread rest is kept; the line last returned goes with the
    // rest before it (its views are not used past the next call).
    if (m_pos > 0) {
        const qsizetype rest = m_size - m_pos;
        if (rest > 0)
            std::memmove(m_data.data(), m_data.constData() + m_pos, static_cast<size_t>(rest));
        m_size = rest;
        m_pos = 0;
        m_lastPos = -1;
    }
    if (m_data.size() - m_size < kChunkBytes / 2)
        m_data.resize(std::max(kChunkBytes, m_data.size() * 2));
    const qint64 n = m_device->read(m_data.data() + m_size, m_data.size() - m_size);
    if (n < 0) {
        m_deviceDone = true;
        fail(QStringLiteral("the file could not be read: %1").arg(m_device->errorString()));
        return false;
    }
    if (n == 0) {
        m_deviceDone = true;
        return false;
    }
    m_size += n;
    return true;
}

bool KalvexKeywordReader::atEnd() const
{
    return failed() || (m_pos >= m_size && (m_deviceDone || !m_device || m_device->atEnd()));
}

void KalvexKeywordReader::unread()
{
    // The line is parsed again: cheaper than keeping a copy of every line.
    if (!failed() && m_lastPos >= 0) {
        m_pos = m_lastPos;
        m_lineNo = m_lastLineNo - 1;
        m_lastPos = -1;
    }
}

KalvexKeywordReader::Status KalvexKeywordReader::fail(const QString& what)
{
    m_error = what;
    return Error;
}

KalvexKeywordReader::Status KalvexKeywordReader::next(KeywordLine& line)
{
    if (failed())
        return Error;
    for (;;) {
        if (m_pos >= m_size && !refill())
            return failed() ? Error : End;
        const char* base = m_data.constData();
        const char* b = base + m_pos;
        const char* nl = static_cast<const char*>(std::memchr(b, '\n', static_cast<size_t>(m_size - m_pos)));
        if (!nl && !m_deviceDone) {
            // The line goes on in what was not read yet; a line longer than
            // allowed is refused before more of it is read.
            if (m_size - m_pos > kMaxLineBytes + 1) {
                ++m_lineNo;
                return fail(QStringLiteral("line is longer than %1 bytes").arg(kMaxLineBytes));
            }
            if (refill() || !failed())
                continue;
            return Error;
        }
        const qsizetype start = m_pos;
        const char* e = nl ? nl : base + m_size;
        m_pos = nl ? (nl - base) + 1 : m_size;
        ++m_lineNo;
        if (e > b && e[-1] == '\r')
            --e;
        if (e - b > kMaxLineBytes)
            return fail(QStringLiteral("line is longer than %1 bytes").arg(kMaxLineBytes));
        // Text values carry line breaks escaped, so a raw carriage return is
        // a line ending this reader does not take: say which one it is.
        const auto lineBytes = static_cast<size_t>(e > b ? e - b : 0);
        if (const void* cr = lineBytes ? std::memchr(b, '\r', lineBytes) : nullptr) {
            if (static_cast<const char*>(cr) == e - 1 && nl)
                return fail(QStringLiteral("the line ends with CR CR LF; lines must end with LF or CR LF"));
            return fail(QStringLiteral("the file has lines ended by a carriage return alone (CR); "
                                       "lines must end with LF or CR LF"));
        }
        const char* p = b;
        while (p < e && isBlank(*p))
            ++p;
        if (p == e || *p == '#')
            continue;
        const Status st = parseLine(p, e, line);
        if (st == Ok) {
            m_lastPos = start;
            m_lastLineNo = m_lineNo;
        }
        return st;
    }
}

KalvexKeywordReader::Status KalvexKeywordReader::parseLine(const char* p, const char* e, KeywordLine& line)
{
    const bool ascii = allAscii(p, e);
    if (!ascii && !kalvexRUV_isValidUtf8(p, e))
        return fail(QStringLiteral("the line is not valid UTF-8 text"));
    line.lineNumber = m_lineNo;
    line.ascii = ascii;
    line.values.clear();
    int level = 0;
    while (p < e && *p == '.') {
        ++level;
        ++p;
    }
    line.level = level;
    while (p < e && isBlank(*p))
        ++p;
    const char* kb = p;
    p = tokenEnd(p, e);
    if (p < e && *p == '"')
        return fail(QStringLiteral("a keyword was expected before the quoted text"));
    if (p == kb)
        return fail(QStringLiteral("the line has level dots but no keyword"));
    line.keyword = QByteArrayView(kb, p - kb);
    for (;;) {
        while (p < e && isBlank(*p))
            ++p;
        if (p == e)
            break;
        if (*p == '"') {
            const char* vb = p + 1;
            const char* ve = static_cast<const char*>(std::memchr(vb, '"', static_cast<size_t>(e - vb)));
            if (!ve)
                return fail(QStringLiteral("unbalanced quote in value %1").arg(line.values.size() + 1));
            if (ve + 1 < e && !isBlank(ve[1]))
                return fail(QStringLiteral("text follows the closing quote of value %1").arg(line.values.size() + 1));
            const bool caret = std::memchr(vb, '^', static_cast<size_t>(ve - vb)) != nullptr;
            line.values.push_back({QByteArrayView(vb, ve - vb), true, caret});
            p = ve + 1;
        } else {
            const char* vb = p;
            p = tokenEnd(p, e);
            if (p < e && *p == '"')
                return fail(QStringLiteral("a quote inside the unquoted value %1").arg(line.values.size() + 1));
            line.values.push_back({QByteArrayView(vb, p - vb), false, false});
        }
    }
    return Ok;
}

} // namespace kalvex
