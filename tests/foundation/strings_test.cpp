#include <gtest/gtest.h>

#include "foundation/vbl_str.h"
#include "support/qt_printers.h"

using namespace kalvex;

namespace {
QStringList split(const QString& text, const QString& d, int trim = 0, bool collapse = false)
{
    QStringList pieces{"stale"};
    const int n = vbl_str_split(pieces, text, d, trim, collapse);
    EXPECT_EQ(n, pieces.size());
    return pieces;
}
} // namespace

TEST(StrSplit, DelimitersAtTheEndsAndConsecutiveOnesGiveEmptyPieces)
{
    EXPECT_EQ(split("a#b", "#"), (QStringList{"a", "b"}));
    EXPECT_EQ(split("#x#", "#"), (QStringList{"", "x", ""}));
    EXPECT_EQ(split("title#", "#"), (QStringList{"title", ""}));
    EXPECT_EQ(split("#a#b#", "#"), (QStringList{"", "a", "b", ""}));
    EXPECT_EQ(split("a##b", "#"), (QStringList{"a", "", "b"}));
    EXPECT_EQ(split("##a", "#"), (QStringList{"", "", "a"}));
    EXPECT_EQ(split("##", "#"), (QStringList{"", "", ""}));
    EXPECT_EQ(split("#", "#"), (QStringList{"", ""}));
    EXPECT_EQ(split("", "#"), QStringList{});
    EXPECT_EQ(split("abc", "#"), QStringList{"abc"});
    EXPECT_EQ(split("a::b::", "::"), (QStringList{"a", "b", ""}));
    EXPECT_EQ(split("a b", ""), QStringList{"a b"});
}

TEST(StrSplit, TrimAndCollapse)
{
    EXPECT_EQ(split(" a , b ,", ",", 1), (QStringList{"a", "b", ""}));
    EXPECT_EQ(split(" a , b ", ",", 0), (QStringList{" a ", " b "}));
    EXPECT_EQ(split("a,,,b,,", ",", 0, true), (QStringList{"a", "b", ""}));
    EXPECT_EQ(split(",,,,", ",", 0, true), (QStringList{"", ""}));
}

TEST(StrToBool, TestsInTheirOrder)
{
    EXPECT_EQ(vbl_str_toBool("True"), 1);
    EXPECT_EQ(vbl_str_toBool("not FALSE"), 0);
    EXPECT_EQ(vbl_str_toBool("false but true"), 0); // "false" wins over everything
    EXPECT_EQ(vbl_str_toBool("yes, no"), 1);          // "yes" before "no"
    EXPECT_EQ(vbl_str_toBool("not true"), 1);         // "true" before "no"
    EXPECT_EQ(vbl_str_toBool("None"), 0);
    EXPECT_EQ(vbl_str_toBool(" 2 apples"), 1); // then the leading number
    EXPECT_EQ(vbl_str_toBool("-1"), 1);
    EXPECT_EQ(vbl_str_toBool("0.0"), 0);
    EXPECT_EQ(vbl_str_toBool("abc"), 0);
    EXPECT_EQ(vbl_str_toBool(""), 0);
    EXPECT_TRUE(vbl_str_toBoolEx("YES"));
    EXPECT_FALSE(vbl_str_toBoolEx("no"));
    EXPECT_DOUBLE_EQ(vbl_str_val("  -1.5e2x"), -150.0);
    EXPECT_DOUBLE_EQ(vbl_str_val("."), 0.0);
}

TEST(BoolTexts, ConvertBothWays)
{
    EXPECT_TRUE(vbl_bool_fromInt(-1));
    EXPECT_FALSE(vbl_bool_fromInt(0));
    EXPECT_EQ(vbl_bool_to01(true), "1");
    EXPECT_EQ(vbl_bool_to01(false), "0");
    EXPECT_EQ(vbl_bool_toYesNo(true), "Yes");
    EXPECT_EQ(vbl_bool_toYesNo(false), "No");
}

TEST(GsubString, ContinuesAfterTheInsertedTextInBothCompareModes)
{
    EXPECT_EQ(vbl_gsubString("aXa", "a", "aa", false, VBL_COMPARE_EXACT), "aaXaa");
    EXPECT_EQ(vbl_gsubString("aaa", "aa", "a", false, VBL_COMPARE_EXACT), "aa");
    EXPECT_EQ(vbl_gsubString("Ab ab AB", "ab", "<ab>", false, VBL_COMPARE_TEXT), "<ab> <ab> <ab>");
    EXPECT_EQ(vbl_gsubString("Ab ab AB", "ab", "-", false, VBL_COMPARE_EXACT), "Ab - AB");
    EXPECT_EQ(vbl_gsubString("Ab ab AB", "ab", "-", true, VBL_COMPARE_TEXT), "- ab AB");
    EXPECT_EQ(vbl_gsubString("abc", "", "x", false, VBL_COMPARE_TEXT), "abc");
    EXPECT_EQ(vbl_gsubString("", "a", "x", false, VBL_COMPARE_TEXT), "");
}

TEST(FormatWidth, PadsBothWaysAndCutsOnlyWhenAsked)
{
    EXPECT_EQ(vbl_str_formatWidth("ab", "-5s"), "ab   ");
    EXPECT_EQ(vbl_str_formatWidth("ab", "5s"), "   ab");
    EXPECT_EQ(vbl_str_formatWidth("abcdefg", "-5s"), "abcdefg");
    EXPECT_EQ(vbl_str_formatWidth("abcdefg", "-5s", 1), "abcde");
    EXPECT_EQ(vbl_str_formatWidth("abcdefg", "5s", 1), "abcde");
    EXPECT_EQ(vbl_str_formatWidth("ab", "xs"), "ab");
    EXPECT_EQ(vbl_str_formatWidth("ab", ""), "ab");
}

TEST(SmallTexts, UnderlineQuoteAndNameLists)
{
    EXPECT_EQ(vbl_str_underline("Title", "="), "=====");
    EXPECT_EQ(vbl_str_underline("Title", "-+"), "-----");
    EXPECT_EQ(vbl_str_underline("", "="), "");
    EXPECT_EQ(vbl_str_underline("x", ""), "");
    EXPECT_EQ(vbl_str_quoteSingle(" a b "), "' a b '");

    QString list = "junk";
    vbl_RUV_akwInit(list);
    EXPECT_EQ(list, "#");
    vbl_RUV_akwAdd(list, "cmdOK");
    vbl_RUV_akwAdd(list, "TextDir");
    EXPECT_EQ(list, "#cmdok#textdir#");
    EXPECT_TRUE(list.contains("#textdir#"));
    QString unset;
    vbl_RUV_akwAdd(unset, "A");
    EXPECT_EQ(unset, "#a#");
}
