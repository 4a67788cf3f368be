#include "store/kalvexRUV_common.h"

#include <cmath>

#include "foundation/neutral_values.h"

namespace kalvex {

namespace {

QString wrongType(const KeywordLine& line, int index, const char* type)
{
    return QStringLiteral("value %1 of \"%2\" is not %3: \"%4\"")
        .arg(index + 1)
        .arg(line.keyword, QLatin1String(type), line.value(index).left(80));
}

} // namespace

bool ruvCount(const KeywordLine& line, int n, QString* error)
{
    if (line.count() == n)
        return true;
    *error = QStringLiteral("\"%1\" takes %2 value(s), found %3").arg(line.keyword).arg(n).arg(line.count());
    return false;
}

bool ruvInt(const KeywordLine& line, int index, int* out, QString* error)
{
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
    const QString v = line.value(index);
    // What writers write, without the general rule's lower-casing.
    if (v == QLatin1String("True") || v == QLatin1String("False")) {
        *out = v.size() == 4;
        return true;
    }
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
        *error = QStringLiteral("\"%1\" lacks value %2").arg(line.keyword).arg(index + 1);
        return false;
    }
    const KeywordValue& v = line.values[static_cast<size_t>(index)];
    if (v.quoted) {
        *out = v.text;
        return true;
    }
    const QString d = vbl_date_fromNeutralNumber(v.text);
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

bool ruvReadMembers(KalvexRUVConnection& conn, int memberLevel,
                    const std::function<QString(const KeywordLine&)>& apply)
{
    // Reused from entry to entry: its value list keeps its capacity.
    static thread_local KeywordLine line;
    for (;;) {
        const auto st = conn.readLine(line);
        if (st == KalvexKeywordReader::End)
            return true;
        if (st == KalvexKeywordReader::Error)
            return false;
        if (line.level < memberLevel) {
            conn.unreadLine();
            return true;
        }
        if (line.level > memberLevel)
            return ruvFail(conn, line,
                           QStringLiteral("\"%1\" stands at level %2 where level %3 was expected")
                               .arg(line.keyword)
                               .arg(line.level)
                               .arg(memberLevel));
        const QString err = apply(line);
        if (!err.isEmpty())
            return ruvFail(conn, line, err);
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
    if (line.level != level || !headKeywords.contains(line.keyword))
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
        if (line.level == level && line.keyword == RUV_END) {
            if (!ruvCount(line, 0, &err))
                return ruvFail(conn, line, err);
            const int endLine = line.lineNumber;
            st = conn.readLine(line);
            if (st == KalvexKeywordReader::Ok)
                return ruvFail(conn, line,
                               QStringLiteral("\"%1\" follows the end line of line %2").arg(line.keyword).arg(endLine));
            return st == KalvexKeywordReader::End;
        }
        if (line.level != level || line.keyword != RUV_SECTION)
            return ruvFail(conn, line,
                           QStringLiteral("a section title (\"%1\" at level %2) was expected, found \"%3\" at level %4")
                               .arg(RUV_SECTION)
                               .arg(level)
                               .arg(line.keyword)
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

bool ruvReadEntries(KalvexRUVConnection& conn, int entryLevel, const QString& entryKeyword, const QString& title,
                    const std::function<QString(const KeywordLine&)>& begin,
                    const std::function<QString(const KeywordLine&)>& member, const std::function<QString()>& end)
{
    static thread_local KeywordLine line;
    KalvexKeywordReader::Status st;
    while ((st = conn.readLine(line)) == KalvexKeywordReader::Ok) {
        if (line.level < entryLevel) {
            conn.unreadLine();
            return true;
        }
        if (line.level > entryLevel)
            return ruvFail(conn, line,
                           QStringLiteral("\"%1\" stands at level %2; entries of \"%3\" start at level %4")
                               .arg(line.keyword)
                               .arg(line.level)
                               .arg(title)
                               .arg(entryLevel));
        if (line.keyword != entryKeyword)
            return ruvFail(conn, line,
                           QStringLiteral("unknown keyword \"%1\" in section \"%2\"").arg(line.keyword, title));
        QString err;
        if (!ruvCount(line, 1, &err))
            return ruvFail(conn, line, err);
        if (line.value(0).trimmed().isEmpty())
            return ruvFail(conn, line, QStringLiteral("\"%1\" has an empty id").arg(line.keyword));
        const int entryLine = line.lineNumber;
        err = begin(line);
        if (!err.isEmpty())
            return ruvFail(conn, line, err);
        if (!ruvReadMembers(conn, entryLevel + 1, member))
            return false;
        err = end();
        if (!err.isEmpty()) {
            conn.setError(err, entryLine);
            return false;
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
