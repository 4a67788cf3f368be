#include "foundation/vbl_str.h"

namespace kalvex {

int vbl_str_split(QStringList& pieces, const QString& text, const QString& delimiter, int trimMode, bool collapse)
{
    pieces.clear();
    if (text.isEmpty())
        return 0;
    if (delimiter.isEmpty()) {
        pieces << (trimMode == 1 ? text.trimmed() : text);
        return 1;
    }
    QString t = text;
    if (collapse) {
        const QString twice = delimiter + delimiter;
        while (t.contains(twice))
            t.replace(twice, delimiter);
    }
    pieces = t.split(delimiter, Qt::KeepEmptyParts);
    if (trimMode == 1)
        for (auto& p : pieces)
            p = p.trimmed();
    return static_cast<int>(pieces.size());
}

double vbl_str_val(const QString& text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    const qsizetype start = i;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ++i;
    qsizetype digits = 0;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
        ++i;
        ++digits;
    }
    if (i < n && text[i] == QLatin1Char('.')) {
        ++i;
        while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0.0;
    qsizetype end = i;
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        qsizetype j = i + 1;
        if (j < n && (text[j] == QLatin1Char('+') || text[j] == QLatin1Char('-')))
            ++j;
        if (j < n && text[j].isDigit()) {
            while (j < n && text[j].isDigit())
                ++j;
            end = j;
        }
    }
    bool ok = false;
    const double v = text.mid(start, end - start).toDouble(&ok);
    return ok ? v : 0.0;
}

int vbl_str_toBool(const QString& text)
{
    const QString t = text.toLower();
    if (t.contains(QLatin1String("false")))
        return 0;
    if (t.contains(QLatin1String("true")) || t.contains(QLatin1String("yes")))
        return 1;
    if (t.contains(QLatin1String("no")))
        return 0;
    return vbl_str_val(t) != 0.0 ? 1 : 0;
}

bool vbl_str_toBoolEx(const QString& text)
{
    return vbl_str_toBool(text) != 0;
}

bool vbl_bool_fromInt(int value)
{
    return value != 0;
}

QString vbl_bool_to01(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

QString vbl_bool_toYesNo(bool value)
{
    return value ? QStringLiteral("Yes") : QStringLiteral("No");
}

QString vbl_gsubString(const QString& text, const QString& search, const QString& replacement, bool firstOnly,
                       int compareMode)
{
    if (search.isEmpty())
        return text;
    const Qt::CaseSensitivity cs = compareMode == VBL_COMPARE_TEXT ? Qt::CaseInsensitive : Qt::CaseSensitive;
    QString out;
    qsizetype pos = 0;
    while (true) {
        const qsizetype hit = text.indexOf(search, pos, cs);
        if (hit < 0)
            break;
        out += text.mid(pos, hit - pos);
        out += replacement;
        pos = hit + search.size();
        if (firstOnly)
            break;
    }
    out += text.mid(pos);
    return out;
}

QString vbl_str_formatWidth(const QString& text, const QString& format, int truncate)
{
    QString s = format.trimmed();
    if (s.endsWith(QLatin1Char('s'), Qt::CaseInsensitive))
        s.chop(1);
    bool ok = false;
    const int width = s.toInt(&ok);
    if (!ok || width == 0)
        return text;
    const qsizetype w = width < 0 ? -static_cast<qsizetype>(width) : width;
    if (text.size() >= w)
        return truncate == 1 ? text.left(w) : text;
    return width < 0 ? text.leftJustified(w, QLatin1Char(' ')) : text.rightJustified(w, QLatin1Char(' '));
}

QString vbl_str_underline(const QString& text, const QString& ch)
{
    if (ch.isEmpty())
        return QString();
    return QString(text.size(), ch.at(0));
}

QString vbl_str_quoteSingle(const QString& text)
{
    return QLatin1Char('\'') + text + QLatin1Char('\'');
}

void vbl_RUV_akwInit(QString& list)
{
    list = QStringLiteral("#");
}

void vbl_RUV_akwAdd(QString& list, const QString& name)
{
    if (!list.startsWith(QLatin1Char('#')))
        list.prepend(QLatin1Char('#'));
    list += name.toLower() + QLatin1Char('#');
}

} // namespace kalvex
