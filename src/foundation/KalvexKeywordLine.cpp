#include "foundation/KalvexKeywordLine.h"

#include <QLocale>

#include "foundation/neutral_values.h"

namespace kalvex {

namespace {

// The character an escape "^X^" stands for, or 0 when X is no escape letter.
QChar escapedChar(QChar letter)
{
    switch (letter.unicode()) {
    case 'Q': return u'"';
    case 'N': return u'\n';
    case 'R': return u'\r';
    case 'A': return u'^';
    default: return QChar(0);
    }
}

bool isEscapeLetter(QChar c) { return escapedChar(c) != QChar(0); }

// Whether the written form of character c begins with a caret.
bool writtenWithCaret(QChar c) { return c == u'^' || c == u'"' || c == u'\n' || c == u'\r'; }

} // namespace

QString kalvexRUV_escape(QStringView text)
{
    QString out;
    out.reserve(text.size() + 8);
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        switch (c.unicode()) {
        case '"': out += QLatin1String("^Q^"); break;
        case '\n': out += QLatin1String("^N^"); break;
        case '\r': out += QLatin1String("^R^"); break;
        case '^':
            // A caret is escaped only where the reader would otherwise see
            // it start an escape: followed by an escape letter and then by
            // something written with a leading caret.
            if (i + 2 < n && isEscapeLetter(text[i + 1]) && writtenWithCaret(text[i + 2]))
                out += QLatin1String("^A^");
            else
                out += c;
            break;
        default: out += c;
        }
    }
    return out;
}

QString kalvexRUV_unescape(QStringView text)
{
    qsizetype at = text.indexOf(u'^');
    if (at < 0)
        return text.toString();
    QString out;
    out.reserve(text.size());
    // Text between escapes is copied in runs, not character by character.
    const qsizetype n = text.size();
    qsizetype from = 0;
    for (; at >= 0; at = text.indexOf(u'^', at)) {
        if (at + 2 < n && text[at + 2] == u'^' && isEscapeLetter(text[at + 1])) {
            out.append(text.sliced(from, at - from));
            out.append(escapedChar(text[at + 1]));
            at += 3;
            from = at;
        } else {
            ++at;
        }
    }
    out.append(text.sliced(from));
    return out;
}

QString kalvexRUV_decode(QByteArrayView bytes, bool ascii)
{
    return ascii ? QString::fromLatin1(bytes.data(), bytes.size()) : QString::fromUtf8(bytes.data(), bytes.size());
}

QString kalvexRUV_tokenText(const KeywordToken& token, bool ascii)
{
    QString text = kalvexRUV_decode(token.bytes, ascii);
    return token.caret ? kalvexRUV_unescape(text) : text;
}

QString KeywordLine::value(int i) const
{
    if (i < 0 || i >= count())
        return QString();
    return kalvexRUV_tokenText(values[static_cast<size_t>(i)], ascii);
}

QAnyStringView KeywordLine::valueView(int i, QString* holder) const
{
    if (i < 0 || i >= count())
        return QLatin1StringView();
    const KeywordToken& t = values[static_cast<size_t>(i)];
    if (ascii && !t.caret)
        return QLatin1StringView(t.bytes.data(), t.bytes.size());
    *holder = kalvexRUV_tokenText(t, ascii);
    return *holder;
}

QString KeywordLine::keywordText() const { return kalvexRUV_decode(keyword, ascii); }

KeywordValue kwInt(qint64 n) { return {QString::number(n), false}; }

KeywordValue kwDouble(double d)
{
    return {QString::number(d, 'g', QLocale::FloatingPointShortest), false};
}

KeywordValue kwBool(bool b) { return {b ? QStringLiteral("True") : QStringLiteral("False"), false}; }

KeywordValue kwDate(const QString& dateText)
{
    const QString number = vbl_date_toNeutralNumber(dateText);
    if (number.isNull())
        return {dateText, true};
    return {number, false};
}

} // namespace kalvex
