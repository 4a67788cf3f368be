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
#include <QAnyStringView>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <cstring>
#include <vector>

namespace kalvex {

// One value of a keyword line as written, and whether it is (or was) written
// in quotes. Writers fill these.
struct KeywordValue {
    QString text;
    bool quoted = true;
};

// A value to write, seen where it is held.
struct KeywordValueView {
    QAnyStringView text;
    bool quoted = true;
};

// One value of a line as read: the bytes between the blanks or the quotes,
// still escaped, inside the reader's buffer.
struct KeywordToken {
    QByteArrayView bytes;
    bool quoted = false;
    bool caret = false; // holds a "^", so it may hold escapes
};

// A line as read. Keyword and values are views into the reader's buffer,
// valid until the reader is given other data; a value becomes a QString only
// when asked for.
struct KeywordLine {
    int lineNumber = 0;
    int level = 0;
    bool ascii = true; // no byte above 0x7F on the line
    QByteArrayView keyword;
    std::vector<KeywordToken> values;

    int count() const { return static_cast<int>(values.size()); }
    // The text of value i (0-based), unescaped; a null string past the end.
    QString value(int i) const;
    // Value i without a copy where the bytes are the text (ASCII, no
    // escapes); else decoded into *holder, which the view then shows.
    QAnyStringView valueView(int i, QString* holder) const;
    // The bytes of value i as written (escapes left in); empty past the end.
    QByteArrayView raw(int i) const
    {
        return i >= 0 && i < count() ? values[static_cast<size_t>(i)].bytes : QByteArrayView();
    }
    bool quoted(int i) const { return i >= 0 && i < count() && values[static_cast<size_t>(i)].quoted; }
    // The keyword as text (for messages).
    QString keywordText() const;
    bool keywordIs(const char* kw) const
    {
        const auto n = static_cast<qsizetype>(std::strlen(kw));
        return keyword.size() == n && std::memcmp(keyword.data(), kw, static_cast<size_t>(n)) == 0;
    }
    void clear()
    {
        lineNumber = 0;
        level = 0;
        keyword = {};
        values.clear();
    }
};

// Text of written bytes: Latin-1 widening for ASCII, UTF-8 otherwise.
QString kalvexRUV_decode(QByteArrayView bytes, bool ascii);
// Text of a token read from a line (ascii: the line's flag), unescaped.
QString kalvexRUV_tokenText(const KeywordToken& token, bool ascii);

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
