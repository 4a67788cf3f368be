// Locale-neutral forms of the values kept in keyword files.
//
// Dates are held as text "d mmm yyyy h:mm:ss" (English month abbreviations,
// no leading zeros for day and hour: "7 Dec 2026 8:05:09") and stored as the
// number of days since 30 Dec 1899 with the time of day as fraction, written
// with "." and at most five decimals ("46363.33691"). Five decimals resolve
// 0.864 s, so every whole second survives the trip.
#pragma once
#include <QDateTime>
#include <QString>

namespace kalvex {

// "d mmm yyyy h:mm:ss" of a date-time; the empty text for an invalid one.
QString vbl_date_toText(const QDateTime& when);
// The date-time of a text in exactly that form; invalid otherwise.
QDateTime vbl_date_fromText(const QString& text);

// The neutral number of a date text; a null string when the text is not a
// date in the held form or lies before 30 Dec 1899.
QString vbl_date_toNeutralNumber(const QString& dateText);
// The date text of a neutral number; a null string when it is not a number
// in the range of dates (0 to the end of year 9999).
QString vbl_date_fromNeutralNumber(QStringView number);

// Boolean text as stored values are read: lower-cased, "false" anywhere gives
// false; then "true" or "yes" gives true; then "no" gives false; otherwise a
// non-zero number is true and anything else false.
bool kalvexRUV_textToBool(QStringView text);
// Whether a text is one that kalvexRUV_textToBool reads without falling back
// to "not a number, so false" (readers use it to reject a value of the wrong
// type).
bool kalvexRUV_isBoolText(QStringView text);

} // namespace kalvex
