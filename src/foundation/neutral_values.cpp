#include "foundation/neutral_values.h"

#include "foundation/vbl_str.h"

#include <cmath>

namespace kalvex {

namespace {

const char* const kMonths[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
// Julian day of 30 Dec 1899, day 0 of the neutral numbers.
const qint64 kEpochJulian = QDate(1899, 12, 30).toJulianDay();
constexpr double kMaxSerial = 2958466.0; // 1 Jan 10000

// Parses an unsigned decimal of at most maxDigits digits at pos; -1 when none.
int takeNumber(QStringView s, qsizetype& pos, int minDigits, int maxDigits)
{
    int value = 0;
    int digits = 0;
    while (pos < s.size() && s[pos].isDigit() && s[pos].unicode() < 128 && digits < maxDigits) {
        value = value * 10 + (s[pos].unicode() - '0');
        ++pos;
        ++digits;
    }
    return digits >= minDigits ? value : -1;
}

bool takeChar(QStringView s, qsizetype& pos, QChar c)
{
    if (pos < s.size() && s[pos] == c) {
        ++pos;
        return true;
    }
    return false;
}

} // namespace

QString vbl_date_toText(const QDateTime& when)
{
    if (!when.isValid())
        return QString();
    const QDate d = when.date();
    const QTime t = when.time();
    return QStringLiteral("%1 %2 %3 %4:%5:%6")
        .arg(d.day())
        .arg(QLatin1String(kMonths[d.month() - 1]))
        .arg(d.year(), 4, 10, QLatin1Char('0'))
        .arg(t.hour())
        .arg(t.minute(), 2, 10, QLatin1Char('0'))
        .arg(t.second(), 2, 10, QLatin1Char('0'));
}

QDateTime vbl_date_fromText(const QString& text)
{
    QStringView s(text);
    qsizetype pos = 0;
    const int day = takeNumber(s, pos, 1, 2);
    if (day < 0 || !takeChar(s, pos, u' ') || pos + 3 > s.size())
        return {};
    int month = 0;
    for (int m = 0; m < 12; ++m)
        if (s.mid(pos, 3) == QLatin1String(kMonths[m]))
            month = m + 1;
    if (month == 0)
        return {};
    pos += 3;
    if (!takeChar(s, pos, u' '))
        return {};
    const int year = takeNumber(s, pos, 4, 4);
    if (year < 0 || !takeChar(s, pos, u' '))
        return {};
    const int hour = takeNumber(s, pos, 1, 2);
    if (hour < 0 || !takeChar(s, pos, u':'))
        return {};
    const int minute = takeNumber(s, pos, 2, 2);
    if (minute < 0 || !takeChar(s, pos, u':'))
        return {};
    const int second = takeNumber(s, pos, 2, 2);
    if (second < 0 || pos != s.size())
        return {};
    const QDate date(year, month, day);
    const QTime time(hour, minute, second);
    if (!date.isValid() || !time.isValid())
        return {};
    return QDateTime(date, time, Qt::UTC);
}

QString vbl_date_toNeutralNumber(const QString& dateText)
{
    const QDateTime when = vbl_date_fromText(dateText);
    // Only a text in its canonical form is stored as a number; "07 Dec ..."
    // would come back as "7 Dec ..." and so is kept as text by the callers.
    if (!when.isValid() || vbl_date_toText(when) != dateText)
        return QString();
    const qint64 days = when.date().toJulianDay() - kEpochJulian;
    if (days < 0)
        return QString();
    const int seconds = when.time().msecsSinceStartOfDay() / 1000;
    // Fraction of the day rounded to five decimals, as an integer.
    const qint64 frac = static_cast<qint64>(std::llround(seconds * 100000.0 / 86400.0));
    QString out = QString::number(days);
    if (frac > 0) {
        QString f = QString::number(frac).rightJustified(5, QLatin1Char('0'));
        while (f.endsWith(QLatin1Char('0')))
            f.chop(1);
        out += QLatin1Char('.') + f;
    }
    return out;
}

QString vbl_date_fromNeutralNumber(QStringView number)
{
    if (number.isEmpty() || number.size() > 40)
        return QString();
    // Plain decimal only: digits, at most one ".", digits.
    qsizetype dots = 0;
    for (QChar c : number) {
        if (c == u'.')
            ++dots;
        else if (!(c.unicode() >= '0' && c.unicode() <= '9'))
            return QString();
    }
    if (dots > 1 || number == u".")
        return QString();
    bool ok = false;
    const double serial = number.toDouble(&ok);
    if (!ok || !(serial >= 0.0) || serial >= kMaxSerial)
        return QString();
    qint64 days = static_cast<qint64>(std::floor(serial));
    qint64 seconds = std::llround((serial - static_cast<double>(days)) * 86400.0);
    if (seconds >= 86400) {
        ++days;
        seconds -= 86400;
    }
    const QDate date = QDate::fromJulianDay(kEpochJulian + days);
    if (!date.isValid() || date.year() > 9999)
        return QString();
    return vbl_date_toText(
        QDateTime(date, QTime::fromMSecsSinceStartOfDay(static_cast<int>(seconds * 1000)), Qt::UTC));
}

bool kalvexRUV_textToBool(QStringView text)
{
    return vbl_str_toBoolEx(text.toString());
}

bool kalvexRUV_isBoolText(QStringView text)
{
    const QString t = text.toString().toLower();
    if (t.contains(QLatin1String("false")) || t.contains(QLatin1String("true")) ||
        t.contains(QLatin1String("yes")) || t.contains(QLatin1String("no")))
        return true;
    bool ok = false;
    t.trimmed().toDouble(&ok);
    return ok;
}

} // namespace kalvex
