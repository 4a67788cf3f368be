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
    KeywordLine line;
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
