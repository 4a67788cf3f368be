// String and value procedures shared by the dialogs, the browser and the model.
#pragma once
#include <QString>
#include <QStringList>

namespace kalvex {

// Splits text at every delimiter, as if a delimiter stood before its start
// and after its end: a delimiter at either end gives an empty piece there,
// and consecutive delimiters give empty pieces ("#x#" is "", "x", "";
// "title#" is "title", ""). The pieces land in `pieces` in order (piece n of
// the 1-based count is pieces[n-1]); the count is returned. trimMode 1 trims
// each piece; collapse merges doubled delimiters first. An empty text gives
// 0 pieces; an empty delimiter gives the text as its only piece.
int vbl_str_split(QStringList& pieces, const QString& text, const QString& delimiter, int trimMode = 0,
                  bool collapse = false);

// The leading number of a text, as the value reading of the system's values
// does: blanks skipped, an optional sign, digits with an optional decimal
// point and exponent; 0 when the text does not start with a number.
double vbl_str_val(const QString& text);

// 1 or 0 from a text, tried in this order on the lower-cased text: "false"
// anywhere gives 0; "true" or "yes" gives 1; "no" gives 0; otherwise 1 when
// its leading number is not 0.
int vbl_str_toBool(const QString& text);
bool vbl_str_toBoolEx(const QString& text);

bool vbl_bool_fromInt(int value);
QString vbl_bool_to01(bool value);    // "1" / "0"
QString vbl_bool_toYesNo(bool value); // "Yes" / "No"

// Compare modes of vbl_gsubString.
constexpr int VBL_COMPARE_TEXT = 1;     // letter case ignored
constexpr int VBL_COMPARE_EXACT = -100; // exact (any mode but 1 compares exactly)

// Replaces each occurrence of search, continuing after the inserted text (a
// replacement that contains the search is not searched again); firstOnly
// stops after the first replacement. An empty search changes nothing.
QString vbl_gsubString(const QString& text, const QString& search, const QString& replacement, bool firstOnly,
                       int compareMode);

// Pads text with blanks to the width of a format such as "-20s" (negative:
// blanks on the right; positive: on the left). A longer text is cut to the
// width only when truncate is 1. A format without a number changes nothing.
QString vbl_str_formatWidth(const QString& text, const QString& format, int truncate = 0);

// The first character of ch repeated once per character of text.
QString vbl_str_underline(const QString& text, const QString& ch);
// The text in single quotes, not trimmed.
QString vbl_str_quoteSingle(const QString& text);

// Name lists of the form "#name#name#" (names lower-cased), used to exempt
// controls by name.
void vbl_RUV_akwInit(QString& list);
void vbl_RUV_akwAdd(QString& list, const QString& name);

} // namespace kalvex
