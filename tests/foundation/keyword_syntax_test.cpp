#include <gtest/gtest.h>

#include <QBuffer>
#include <QRandomGenerator>

#include "foundation/KalvexKeywordReader.h"
#include "foundation/KalvexKeywordWriter.h"
#include "foundation/neutral_values.h"
#include "support/qt_printers.h"

using namespace kalvex;

namespace {

QByteArray written(const std::function<void(KalvexKeywordWriter&)>& fill)
{
    QByteArray out;
    QBuffer buf(&out);
    buf.open(QIODevice::WriteOnly);
    {
        KalvexKeywordWriter w(&buf);
        fill(w);
        EXPECT_TRUE(w.flush());
    }
    return out;
}

// A line read, as texts: the reader's lines are views into its buffer.
struct ReadLine {
    int lineNumber = 0;
    int level = 0;
    QString keyword;
    std::vector<KeywordValue> values;
    int count() const { return static_cast<int>(values.size()); }
    QString value(int i) const
    {
        return i >= 0 && i < static_cast<int>(values.size()) ? values[static_cast<size_t>(i)].text : QString();
    }
};

std::vector<ReadLine> readLines(const QByteArray& data, KalvexKeywordReader::Status* last = nullptr,
                              QString* error = nullptr, int* errorLine = nullptr)
{
    KalvexKeywordReader r(data);
    std::vector<ReadLine> lines;
    KeywordLine l;
    KalvexKeywordReader::Status st;
    while ((st = r.next(l)) == KalvexKeywordReader::Ok) {
        ReadLine line{l.lineNumber, l.level, l.keywordText(), {}};
        for (int i = 0; i < l.count(); ++i)
            line.values.push_back({l.value(i), l.quoted(i)});
        lines.push_back(std::move(line));
    }
    if (last)
        *last = st;
    if (error)
        *error = r.errorText();
    if (errorLine)
        *errorLine = r.lineNumber();
    return lines;
}

} // namespace

TEST(KeywordSyntax, ReadsLevelKeywordAndValuesSkippingCommentsAndBlankLines)
{
    const auto lines = readLines("# a comment\r\n\r\nSection \"File Types\"\r\n"
                               "  ..name  \"Gerber ^Q^274X^Q^\"\t42 True\n"
                               ". bare\n");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].level, 0);
    EXPECT_EQ(lines[0].keyword, "Section");
    EXPECT_EQ(lines[0].value(0), "File Types");
    EXPECT_EQ(lines[0].lineNumber, 3);
    EXPECT_EQ(lines[1].level, 2);
    EXPECT_EQ(lines[1].keyword, "name");
    ASSERT_EQ(lines[1].count(), 3);
    EXPECT_EQ(lines[1].value(0), "Gerber \"274X\"");
    EXPECT_TRUE(lines[1].values[0].quoted);
    EXPECT_EQ(lines[1].value(1), "42");
    EXPECT_FALSE(lines[1].values[1].quoted);
    EXPECT_EQ(lines[1].value(2), "True");
    EXPECT_EQ(lines[2].level, 1);
    EXPECT_EQ(lines[2].keyword, "bare");
    EXPECT_EQ(lines[2].count(), 0);
}

TEST(KeywordSyntax, WriterQuotesEscapesAndHonoursTheUnquotedMarker)
{
    const QByteArray out = written([](KalvexKeywordWriter& w) {
        w.writeComment("head\nline");
        w.writeLine(2, u"parm", {kwText("a \"b\"\r\nc"), kwInt(-7), kwBool(false), kwText("")});
        w.writeTextLine(1, u"cmd", {"NQ>12", "NQ>has blank", "plain"});
        // A bare value that would not read back as one token is quoted.
        w.writeLine(0, u"x", {KeywordValue{"two words", false}, KeywordValue{"", false}});
    });
    EXPECT_EQ(out, "# head line\r\n"
                   "..parm \"a ^Q^b^Q^^R^^N^c\" -7 False \"\"\r\n"
                   ".cmd 12 \"has blank\" \"plain\"\r\n"
                   "x \"two words\" \"\"\r\n");
    const auto lines = readLines(out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].value(0), "a \"b\"\r\nc");
    EXPECT_EQ(lines[1].value(1), "has blank");
    EXPECT_EQ(lines[2].value(1), "");
}

TEST(KeywordSyntax, EveryTextSurvivesQuotingIncludingCaretSequences)
{
    // Texts made of the characters that take part in escapes.
    const QString alphabet = QStringLiteral("^QANRx\"\n\r ");
    auto* rng = QRandomGenerator::global();
    for (const QString& fixed : {QStringLiteral("^Q^"), QStringLiteral("^A^"), QStringLiteral("^A\""),
                                 QStringLiteral("^^Q^"), QStringLiteral("a^b"), QStringLiteral("^Q\n")}) {
        EXPECT_EQ(kalvexRUV_unescape(kalvexRUV_escape(fixed)), fixed);
    }
    for (int round = 0; round < 20000; ++round) {
        QString s;
        const int len = rng->bounded(9);
        for (int i = 0; i < len; ++i)
            s += alphabet[rng->bounded(alphabet.size())];
        const QString esc = kalvexRUV_escape(s);
        ASSERT_FALSE(esc.contains('"') || esc.contains('\n') || esc.contains('\r')) << esc.toStdString();
        ASSERT_EQ(kalvexRUV_unescape(esc), s) << esc.toStdString();
    }
}

TEST(KeywordSyntax, MalformedLinesFailWithLineNumberAndNeverReadPastThem)
{
    struct Case {
        QByteArray data;
        int line;
        const char* what;
    } cases[] = {
        {"ok 1\nbad \"open\n", 2, "unbalanced quote"},
        {"a\nb\nc \"x\"y\n", 3, "follows the closing quote"},
        {"a b\"c\n", 1, "quote inside the unquoted"},
        {"\n...\n", 2, "no keyword"},
        {"\"k\" v\n", 1, "keyword was expected"},
        {"ok \"caf\xC3\xA9\"\nbad \"\xC3\x28\"\n", 2, "UTF-8"},
        {"bad \"\xED\xA0\x80\"\n", 1, "UTF-8"},   // a surrogate
        {"bad \"\xC0\xAF\"\n", 1, "UTF-8"},       // an overlong slash
        {"bad \"\xF0\x9F\x98\"\n", 1, "UTF-8"},   // cut short
    };
    for (const auto& c : cases) {
        KalvexKeywordReader::Status st;
        QString err;
        int line = 0;
        readLines(c.data, &st, &err, &line);
        EXPECT_EQ(st, KalvexKeywordReader::Error) << c.data.toStdString();
        EXPECT_EQ(line, c.line) << c.data.toStdString();
        EXPECT_TRUE(err.contains(c.what)) << err.toStdString();
    }
    // A good multi-byte line, a BOM and a missing final line break are fine.
    const auto lines = readLines("\xEF\xBB\xBFname \"\xE2\x82\xAC \xF0\x9F\x98\x80\"");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].value(0), QString::fromUtf8("\xE2\x82\xAC \xF0\x9F\x98\x80"));
}

TEST(KeywordSyntax, HugeLinesAreReadOrRefusedWithoutTrouble)
{
    QByteArray mega = "parm \"" + QByteArray(1 << 20, 'x') + "\"\n";
    auto lines = readLines(mega);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].value(0).size(), 1 << 20);

    QByteArray quotes(1 << 20, '"'); // a megabyte of quotes: one fault, found fast
    KalvexKeywordReader::Status st;
    readLines("k " + quotes, &st);
    EXPECT_EQ(st, KalvexKeywordReader::Error);

    QByteArray tooLong = "k " + QByteArray(KalvexKeywordReader::kMaxLineBytes + 1, 'y');
    QString err;
    readLines(tooLong, &st, &err);
    EXPECT_EQ(st, KalvexKeywordReader::Error);
    EXPECT_TRUE(err.contains("longer than"));

    // The writer writes the longest line the reader takes and refuses one
    // byte more before any of it reaches the device.
    for (const qsizetype over : {0, 1}) {
        QByteArray written;
        QBuffer out(&written);
        out.open(QIODevice::WriteOnly);
        KalvexKeywordWriter w(&out);
        w.writeLine(0, u"k", {KeywordValue{QString(KalvexKeywordReader::kMaxLineBytes - 2 + over, 'v'), false}});
        EXPECT_EQ(w.flush(), over == 0) << w.errorText().toStdString();
        EXPECT_EQ(readLines(written, &st).size(), over == 0 ? 1u : 0u);
        EXPECT_EQ(w.errorText(), over == 0 ? "" : "line 1 (k) is 8388609 bytes, over the 8388608 a load reads");
    }
}

TEST(KeywordSyntax, UnreadGivesTheSameLineAgain)
{
    KalvexKeywordReader r("a 1\nb 2\n");
    KeywordLine l;
    ASSERT_EQ(r.next(l), KalvexKeywordReader::Ok);
    ASSERT_EQ(r.next(l), KalvexKeywordReader::Ok);
    EXPECT_EQ(l.keywordText(), "b");
    r.unread();
    EXPECT_FALSE(r.atEnd());
    KeywordLine again;
    ASSERT_EQ(r.next(again), KalvexKeywordReader::Ok);
    EXPECT_EQ(again.keywordText(), "b");
    EXPECT_EQ(again.lineNumber, 2);
    EXPECT_EQ(r.next(again), KalvexKeywordReader::End);
    EXPECT_TRUE(r.atEnd());
}

TEST(NeutralValues, DatesGoToNumbersAndBackToTheSameSecond)
{
    EXPECT_EQ(vbl_date_toNeutralNumber("30 Dec 1899 0:00:00"), "0");
    EXPECT_EQ(vbl_date_toNeutralNumber("31 Dec 1899 12:00:00"), "1.5");
    EXPECT_EQ(vbl_date_toNeutralNumber("7 Dec 2026 8:05:09"), "46363.33691");
    EXPECT_EQ(vbl_date_fromNeutralNumber(u"46363.33691"), "7 Dec 2026 8:05:09");
    EXPECT_EQ(vbl_date_fromNeutralNumber(u"1.5"), "31 Dec 1899 12:00:00");
    // 23:59:59.9 rounds to the next day, not to second 86400.
    EXPECT_EQ(vbl_date_fromNeutralNumber(u"0.999999"), "31 Dec 1899 0:00:00");
    // Every second of a day survives.
    const QDateTime start = vbl_date_fromText("29 Feb 2024 0:00:00");
    for (int s = 0; s < 86400; s += 7) {
        const QString t = vbl_date_toText(start.addSecs(s));
        ASSERT_EQ(vbl_date_fromNeutralNumber(vbl_date_toNeutralNumber(t)), t);
    }
    // Not a canonical date: no number (the writer keeps such texts as text).
    for (const char* bad : {"", "07 Dec 2026 8:05:09", "7 dec 2026 8:05:09", "31 Feb 2026 1:00:00",
                            "7 Dec 2026 8:5:09", "7 Dec 2026 24:00:00", "1 Jan 1800 0:00:00", "yesterday"})
        EXPECT_TRUE(vbl_date_toNeutralNumber(bad).isNull()) << bad;
    for (const char16_t* bad : {u"", u"-1", u"1e5", u"1,5", u"..", u"9999999", u"12a", u" 1"})
        EXPECT_TRUE(vbl_date_fromNeutralNumber(bad).isNull());
    EXPECT_EQ(kwDate("7 Dec 2026 8:05:09").text, "46363.33691");
    EXPECT_FALSE(kwDate("7 Dec 2026 8:05:09").quoted);
    EXPECT_TRUE(kwDate("07 Dec 2026 8:05:09").quoted);
}

TEST(NeutralValues, BooleansAreReadByContainmentInOrder)
{
    EXPECT_FALSE(kalvexRUV_textToBool(u"TrueFalse"));   // "false" wins
    EXPECT_TRUE(kalvexRUV_textToBool(u"True"));
    EXPECT_TRUE(kalvexRUV_textToBool(u"YES"));
    EXPECT_TRUE(kalvexRUV_textToBool(u"notyes"));        // "yes" before "no"
    EXPECT_FALSE(kalvexRUV_textToBool(u"No"));
    EXPECT_TRUE(kalvexRUV_textToBool(u"-1"));
    EXPECT_TRUE(kalvexRUV_textToBool(u"0.5"));
    EXPECT_FALSE(kalvexRUV_textToBool(u"0"));
    EXPECT_FALSE(kalvexRUV_textToBool(u"maybe"));
    EXPECT_TRUE(kalvexRUV_isBoolText(u"2"));
    EXPECT_FALSE(kalvexRUV_isBoolText(u"maybe"));
}
