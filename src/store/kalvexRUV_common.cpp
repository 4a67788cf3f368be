#include "store/kalvexRUV_common.h"

#include <cmath>
#include <cstring>

#include "foundation/neutral_values.h"

namespace kalvex {

namespace {

QString wrongType(const KeywordLine& line, int index, const char* type)
{
    return QStringLiteral("value %1 of \"%2\" is not %3: \"%4\"")
        .arg(index + 1)
        .arg(line.keywordText(), QLatin1String(type), line.value(index).left(80));
}

// A plain decimal (optional minus, at most nine digits): read without making
// a string. Anything else goes the general way.
bool plainInt(QByteArrayView v, int* out)
{
    qsizetype i = 0;
    const bool negative = !v.isEmpty() && v[0] == '-';
    if (negative)
        ++i;
    const qsizetype digits = v.size() - i;
    if (digits < 1 || digits > 9)
        return false;
    int n = 0;
    for (; i < v.size(); ++i) {
        const char c = v[i];
        if (c < '0' || c > '9')
            return false;
        n = n * 10 + (c - '0');
    }
    *out = negative ? -n : n;
    return true;
}

} // namespace

bool ruvCount(const KeywordLine& line, int n, QString* error)
{
    if (line.count() == n)
        return true;
    *error = QStringLiteral("\"%1\" takes %2 value(s), found %3").arg(line.keywordText()).arg(n).arg(line.count());
    return false;
}

bool ruvInt(const KeywordLine& line, int index, int* out, QString* error)
{
    if (index < line.count() && plainInt(line.raw(index), out))
        return true;
    bool ok = false;
    const int n = line.value(index).toInt(&ok);
    if (!ok) {
        *error = wrongType(line, index, "a whole number");
        return false;
    }
    *out = n;
    return true;
}

bool ruvDouble(const KeywordLine& line, int index, double* out, QString* error)
{
    bool ok = false;
    const double d = line.value(index).toDouble(&ok);
    if (!ok || !std::isfinite(d)) {
        *error = wrongType(line, index, "a number");
        return false;
    }
    *out = d;
    return true;
}

bool ruvBool(const KeywordLine& line, int index, bool* out, QString* error)
{
    // What writers write, without the general rule's lower-casing.
    const QByteArrayView raw = line.raw(index);
    if (raw == QByteArrayView("True") || raw == QByteArrayView("False")) {
        *out = raw.size() == 4;
        return true;
    }
    const QString v = line.value(index);
    if (!kalvexRUV_isBoolText(v)) {
        *error = wrongType(line, index, "True or False");
        return false;
    }
    *out = kalvexRUV_textToBool(v);
    return true;
}

bool ruvDate(const KeywordLine& line, int index, QString* out, QString* error)
{
    if (index >= line.count()) {
        *error = QStringLiteral("\"%1\" lacks value %2").arg(line.keywordText()).arg(index + 1);
        return false;
    }
    if (line.quoted(index)) {
        *out = line.value(index);
        return true;
    }
    const QString d = vbl_date_fromNeutralNumber(line.value(index));
    if (d.isNull()) {
        *error = wrongType(line, index, "a date number");
        return false;
    }
    *out = d;
    return true;
}

bool ruvFail(KalvexRUVConnection& conn, const KeywordLine& line, const QString& what)
{
    conn.setError(what, line.lineNumber);
    return false;
}

QString ruvUnknownKeyword(const KeywordLine& line, const QString& what)
{
    return QStringLiteral("unknown keyword \"%1\" in %2").arg(line.keywordText(), what);
}

QString ruvLevelFault(const KeywordLine& line, int expected)
{
    return QStringLiteral("\"%1\" stands at level %2 where level %3 was expected")
        .arg(line.keywordText())
        .arg(line.level)
        .arg(expected);
}

QString ruvEntryLevelFault(const KeywordLine& line, const QString& title, int entryLevel)
{
    return QStringLiteral("\"%1\" stands at level %2; entries of \"%3\" start at level %4")
        .arg(line.keywordText())
        .arg(line.level)
        .arg(title)
        .arg(entryLevel);
}

QString ruvEntryKeywordFault(const KeywordLine& line, const QString& title)
{
    return QStringLiteral("unknown keyword \"%1\" in section \"%2\"").arg(line.keywordText(), title);
}

QString ruvEntryIdFault(const KeywordLine& line)
{
    QString err;
    if (!ruvCount(line, 1, &err))
        return err;
    // Most ids are plain tokens: only a value with blanks (or none) needs
    // the trimmed text.
    const QByteArrayView raw = line.raw(0);
    const bool plain = !raw.isEmpty() && static_cast<unsigned char>(raw.front()) > ' ' &&
                       static_cast<unsigned char>(raw.back()) > ' ' && line.ascii && !line.values[0].caret;
    if (!plain && line.value(0).trimmed().isEmpty())
        return QStringLiteral("\"%1\" has an empty id").arg(line.keywordText());
    return {};
}

// ---- keyword index -----------------------------------------------------------

void RUVKeywordIndex::grow()
{
    std::vector<Slot> old = std::move(m_slots);
    m_slots.assign(old.empty() ? 16 : old.size() * 2, Slot{});
    m_used = 0;
    for (auto& s : old)
        if (s.id >= 0)
            add(QString::fromUtf8(s.key), s.id);
}

void RUVKeywordIndex::add(const QString& keyword, int id)
{
    // Kept at most a quarter full: a look-up seldom probes twice.
    if ((m_used + 1) * 4 > static_cast<int>(m_slots.size()))
        grow();
    const QByteArray key = keyword.toUtf8();
    const size_t mask = m_slots.size() - 1;
    for (size_t i = hashOf(key) & mask;; i = (i + 1) & mask) {
        Slot& s = m_slots[i];
        if (s.id < 0) {
            s.key = key;
            s.id = id;
            ++m_used;
            return;
        }
        if (s.key == key)
            return; // the first entry of a keyword wins
    }
}


} // namespace kalvex

#include <QDateTime>

namespace kalvex {

bool ruvReadSections(KalvexRUVConnection& conn, const QStringList& headKeywords,
                     const std::function<bool(const QString& title, const KeywordLine& line)>& section)
{
    const int level = conn.readSectionLevel();
    KeywordLine line;
    auto st = conn.readLine(line);
    if (st == KalvexKeywordReader::Error)
        return false;
    if (st == KalvexKeywordReader::End) {
        conn.setError(QStringLiteral("the file is empty; a head line \"%1 %2\" was expected")
                          .arg(headKeywords.value(0))
                          .arg(RUV_FORMAT_VERSION));
        return false;
    }
    if (line.level != level || !headKeywords.contains(line.keywordText()))
        return ruvFail(conn, line,
                       QStringLiteral("the file does not begin with the head line \"%1 %2\" at level %3")
                           .arg(headKeywords.value(0))
                           .arg(RUV_FORMAT_VERSION)
                           .arg(level));
    int version = 0;
    QString err;
    if (!ruvCount(line, 1, &err) || !ruvInt(line, 0, &version, &err))
        return ruvFail(conn, line, err);
    if (version < 1 || version > RUV_FORMAT_VERSION)
        return ruvFail(conn, line, QStringLiteral("format version %1 is not known").arg(version));
    while ((st = conn.readLine(line)) == KalvexKeywordReader::Ok) {
        if (line.level == level && line.keywordIs("End")) {
            if (!ruvCount(line, 0, &err))
                return ruvFail(conn, line, err);
            const int endLine = line.lineNumber;
            st = conn.readLine(line);
            if (st == KalvexKeywordReader::Ok)
                return ruvFail(conn, line,
                               QStringLiteral("\"%1\" follows the end line of line %2").arg(line.keywordText()).arg(endLine));
            return st == KalvexKeywordReader::End;
        }
        if (line.level != level || !line.keywordIs("Section"))
            return ruvFail(conn, line,
                           QStringLiteral("a section title (\"%1\" at level %2) was expected, found \"%3\" at level %4")
                               .arg(RUV_SECTION)
                               .arg(level)
                               .arg(line.keywordText())
                               .arg(line.level));
        if (!ruvCount(line, 1, &err))
            return ruvFail(conn, line, err);
        if (!section(line.value(0), line))
            return false;
    }
    if (st == KalvexKeywordReader::End && version >= RUV_FIRST_VERSION_WITH_END) {
        conn.setError(QStringLiteral("the file ends without its end line \"%1\": it was cut short").arg(RUV_END),
                      conn.reader().lineNumber());
        return false;
    }
    return st == KalvexKeywordReader::End;
}

void ruvWriteEnd(KalvexRUVConnection& conn)
{
    conn.writer().writeLine(conn.writeSectionLevel(), RUV_END, {});
}

bool ruvSkipSection(KalvexRUVConnection& conn)
{
    const int level = conn.readSectionLevel();
    KeywordLine line;
    KalvexKeywordReader::Status st;
    while ((st = conn.readLine(line)) == KalvexKeywordReader::Ok) {
        if (line.level <= level) {
            conn.unreadLine();
            return true;
        }
    }
    return st == KalvexKeywordReader::End;
}

void ruvWriteHead(KalvexRUVConnection& conn, const QString& headKeyword, const QString& what, bool withComments)
{
    auto& w = conn.writer();
    if (withComments) {
        w.writeComment(QStringLiteral("Kalvex %1, keyword file format %2").arg(what).arg(RUV_FORMAT_VERSION));
        w.writeComment(QStringLiteral("Layout described in docs/keyword-files.md; lines beginning with # are comments."));
    }
    w.writeLine(conn.writeSectionLevel(), headKeyword, {kwInt(RUV_FORMAT_VERSION)});
}

void ruvWriteSectionTitle(KalvexRUVConnection& conn, const QString& title)
{
    conn.writer().writeLine(conn.writeSectionLevel(), RUV_SECTION, {kwText(title)});
}

} // namespace kalvex
