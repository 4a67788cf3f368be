// The keyword-file line syntax shared by every keyword file:
//
//   [blanks] {"."} keyword {blanks value}
//
// The number of leading dots is the line's level. A value is either a bare
// token (no blanks, no double quote) or a double-quoted text in which "^Q^"
// stands for a double quote, "^N^" and "^R^" for a line feed and a carriage
// return and "^A^" for a caret that would otherwise start one of these
// escapes. Lines whose first non-blank character is "#" are comments; blank
// lines are skipped.
#pragma once
#include <QString>
#include <QStringView>
#include <vector>

namespace kalvex {

// One value of a keyword line and whether it is (or was) written in quotes.
struct KeywordValue {
    QString text;
    bool quoted = true;
};

struct KeywordLine {
    int lineNumber = 0;
    int level = 0;
    QString keyword;
    std::vector<KeywordValue> values;

    int count() const { return static_cast<int>(values.size()); }
    // The text of value i (0-based); a null string past the end.
    QString value(int i) const
    {
        return i >= 0 && i < count() ? values[static_cast<size_t>(i)].text : QString();
    }
    void clear()
    {
        lineNumber = 0;
        level = 0;
        keyword.clear();
        values.clear();
    }
};

// Escapes a text for writing between double quotes, and the reverse.
QString kalvexRUV_escape(QStringView text);
QString kalvexRUV_unescape(QStringView text);

// Value builders for writers.
inline KeywordValue kwText(const QString& text) { return {text, true}; }
KeywordValue kwInt(qint64 n);
KeywordValue kwDouble(double d);
KeywordValue kwBool(bool b);
// A date held as "d mmm yyyy h:mm:ss" goes out as its locale-neutral number;
// any other text (empty, or not in that exact form) goes out quoted so that
// nothing is lost.
KeywordValue kwDate(const QString& dateText);

} // namespace kalvex
