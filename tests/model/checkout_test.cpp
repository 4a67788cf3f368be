#include <gtest/gtest.h>

#include "admin/KalvexProdSite.h"
#include "generators/KalvexProcess.h"
#include "tasks/KVOCheckout.h"
#include "support/qt_printers.h"

using namespace kalvex;

namespace {

struct Named {
    IKalvexProdSitePtr site = classCreate_KalvexProdSite();
    IKalvexProcessPtr process = classCreate_KalvexProcess();
    Named()
    {
        site->setId("site_0002");
        site->setName("S2");
        process->setId("proc_0007");
        process->setName("Gerber top");
    }
};

} // namespace

TEST(Checkout, EncodesTheFieldsEachKeywordTakes)
{
    Named n;
    const KVOCheckoutField none;
    auto enc = [&](const QString& kw, bool byName) {
        return morvObjs_KVOCheckout_Encode(kw, "C:\\out.dat", "<current>", n.process, n.site, n.process, byName);
    };
    EXPECT_EQ(enc("M_DATA_CHECKOUT", false), "M_DATA_CHECKOUT><current>#proc_0007 =to= C:\\out.dat");
    EXPECT_EQ(enc("M_LOG_CHECKOUT", true), "M_LOG_CHECKOUT_NM><current>#Gerber top =to= C:\\out.dat");
    EXPECT_EQ(enc("V_DATA_CHECKOUT", false), "V_DATA_CHECKOUT>site_0002#proc_0007 =to= C:\\out.dat");
    EXPECT_EQ(enc("V_LOG_CHECKOUT", true), "V_LOG_CHECKOUT_NM>S2#Gerber top =to= C:\\out.dat");
    EXPECT_EQ(enc("VM_DATA_CHECKOUT", true),
              "VM_DATA_CHECKOUT_NM><current>#Gerber top#S2#Gerber top =to= C:\\out.dat");
    EXPECT_EQ(enc("VM_LOG_CHECKOUT", false),
              "VM_LOG_CHECKOUT><current>#proc_0007#site_0002#proc_0007 =to= C:\\out.dat");
    EXPECT_EQ(enc("", true), "_NM> =to= C:\\out.dat");
    EXPECT_EQ(enc("X_CHECKOUT", false), "X_CHECKOUT> =to= C:\\out.dat");
    EXPECT_EQ(morvObjs_KVOCheckout_Encode("M_DATA_CHECKOUT", "d", none, IKalvexProcessPtr(), none, none, false),
              "M_DATA_CHECKOUT># =to= d");
}

TEST(Checkout, DecodesAllSixKeywordsWithAndWithoutNames)
{
    Named n;
    for (const char* kw : {"M_DATA_CHECKOUT", "M_LOG_CHECKOUT", "V_DATA_CHECKOUT", "V_LOG_CHECKOUT",
                           "VM_DATA_CHECKOUT", "VM_LOG_CHECKOUT"}) {
        for (bool byName : {false, true}) {
            const QString expr = morvObjs_KVOCheckout_Encode(kw, "  ${KVX_TASK_WORKDIR}\\x.dat ", "<current>",
                                                             n.process, n.site, n.process, byName);
            KVOCheckoutRec rec;
            ASSERT_EQ(morvObjs_KVOCheckout_decode(expr, rec), 1) << expr.toStdString();
            EXPECT_TRUE(rec.valid);
            EXPECT_EQ(rec.keyword, kw);
            EXPECT_EQ(rec.byName, byName);
            EXPECT_EQ(rec.destination, "${KVX_TASK_WORKDIR}\\x.dat"); // trimmed
            const QString proc = byName ? "Gerber top" : "proc_0007";
            const QString site = byName ? "S2" : "site_0002";
            const bool master = QString(kw).startsWith("M_") || QString(kw).startsWith("VM_");
            const bool variant = QString(kw).startsWith("V");
            EXPECT_EQ(rec.masterSite, master ? "<current>" : "");
            EXPECT_EQ(rec.masterProcess, master ? proc : "");
            EXPECT_EQ(rec.variantSite, variant ? site : "");
            EXPECT_EQ(rec.variantProcess, variant ? proc : "");
        }
    }
}

TEST(Checkout, FailuresKeepTheRecordAndClearValid)
{
    KVOCheckoutRec rec;
    ASSERT_EQ(morvObjs_KVOCheckout_decode("M_DATA_CHECKOUT>A#P =to= out", rec), 1);
    const KVOCheckoutRec before = rec;
    for (const char* bad : {"M_DATA_CHECKOUT>A =to= x", "VM_LOG_CHECKOUT>a#b#c =to= x", "X_DATA_CHECKOUT>a#b =to= x",
                            "no marker at all", "", ">", "_NM>a#b", "M_DATA_CHECKOUT_NM_NM>a#b"}) {
        rec.valid = true;
        EXPECT_EQ(morvObjs_KVOCheckout_decode(bad, rec), -1) << bad;
        EXPECT_FALSE(rec.valid);
        EXPECT_EQ(rec.masterSite, before.masterSite);
        EXPECT_EQ(rec.destination, before.destination);
    }
}

TEST(Checkout, DestinationIsOptionalAndTrimmed)
{
    KVOCheckoutRec rec;
    ASSERT_EQ(morvObjs_KVOCheckout_decode("  V_LOG_CHECKOUT>s#p", rec), 1);
    EXPECT_EQ(rec.destination, "");
    EXPECT_EQ(rec.variantProcess, "p");
    ASSERT_EQ(morvObjs_KVOCheckout_decode("V_LOG_CHECKOUT>s#p =to=   ", rec), 1);
    EXPECT_EQ(rec.destination, "");
    EXPECT_EQ(rec.variantProcess, "p");
    ASSERT_EQ(morvObjs_KVOCheckout_decode("M_DATA_CHECKOUT>s#p#extra =to= a > b", rec), 1);
    EXPECT_EQ(rec.masterProcess, "p");
    EXPECT_EQ(rec.destination, "a > b");
}

TEST(Checkout, AnyTextDecodesToOneOrMinusOne)
{
    const QStringList parts{"M_DATA_CHECKOUT", "VM_LOG_CHECKOUT", "V_", "_NM", ">", "#", " =to= ", " =to=", "=to=",
                            " ", "x", "\t", QString(QChar(0)), QString::fromUtf8("\xc3\xa9"), "##", ">>"};
    quint32 seed = 12345;
    auto next = [&seed] { return seed = seed * 1103515245u + 12345u; };
    for (int round = 0; round < 5000; ++round) {
        QString text;
        const int n = static_cast<int>(next() % 9);
        for (int i = 0; i < n; ++i)
            text += parts[static_cast<int>(next() % parts.size())];
        KVOCheckoutRec rec;
        const int r = morvObjs_KVOCheckout_decode(text, rec);
        ASSERT_TRUE(r == 1 || r == -1) << text.toStdString();
        EXPECT_EQ(rec.valid, r == 1);
        if (r == 1) { // what decodes encodes back to the same fields
            EXPECT_EQ(morvObjs_KVOCheckout_decode(
                          morvObjs_KVOCheckout_Encode(rec.keyword, rec.destination, rec.masterSite, rec.masterProcess,
                                                      rec.variantSite, rec.variantProcess, rec.byName),
                          rec),
                      1);
        }
    }
}
