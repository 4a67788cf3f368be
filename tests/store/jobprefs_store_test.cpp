#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "jobprefs/KalvexJobLayer.h"
#include "jobprefs/KalvexJobPreferences.h"
#include "jobprefs/KalvexJobViaSpan.h"
#include "model_compare.h"
#include "support/qt_printers.h"

using namespace kalvex;
using namespace kalvex::test;

namespace {


} // namespace

TEST(JobPrefsStore, TheExampleStackLoadsWithEveryLayerTypeAndRoundTrips)
{
    auto jp = classCreate_KalvexJobPreferences();
    auto run = loadFrom(jp, demoJobPrefsPath(), SOURCE_ID_JOB_PREFERENCES);
    ASSERT_EQ(run.status, STORAGE_OK) << run.conn->lastError().toStdString();
    EXPECT_EQ(jp->numPhysicalLayers(), 8);
    EXPECT_EQ(jp->units(), "th");
    const auto layers = jp->layers();
    EXPECT_GE(layers->count(), 8);
    EXPECT_EQ(layers->countSignal(), 4);
    EXPECT_EQ(layers->countPlanePositive(), 1);
    EXPECT_EQ(layers->countPlaneNegative(), 1);
    EXPECT_GE(layers->countDielectric(), 5);
    EXPECT_GE(layers->countOther(), 4);
    EXPECT_EQ(layers->item(3)->id(), "TOP");
    EXPECT_DOUBLE_EQ(layers->item(3)->resistivity(), 1.72e-08);
    EXPECT_FALSE(layers->item(layers->count())->enabled());
    EXPECT_GE(jp->viaSpans()->count(), 4);
    EXPECT_TRUE(jp->viaSpans()->exists(2, 5));
    EXPECT_EQ(jp->modified(), 0);

    QTemporaryDir dir;
    const QString path = dir.filePath("jp.ruv");
    ASSERT_EQ(saveTo(jp, path).status, STORAGE_OK);
    auto back = classCreate_KalvexJobPreferences();
    run = loadFrom(back, path, SOURCE_ID_JOB_PREFERENCES);
    ASSERT_EQ(run.status, STORAGE_OK) << run.conn->lastError().toStdString();
    expectSameJobPrefs(jp, back);
}

TEST(JobPrefsStore, NumbersSurviveExactlyAndEmptyTextsStayEmpty)
{
    auto jp = classCreate_KalvexJobPreferences();
    for (double v : {0.1, 1.0 / 3.0, 1e-300, -2.5e17, 0.0}) {
        auto l = classCreate_KalvexJobLayer();
        l->setThickNess(v);
        l->setResistivity(v * 7);
        l->setDescription("");
        jp->layers()->add(l);
        auto s = classCreate_KalvexJobViaSpan();
        s->setCapacitance(v);
        jp->viaSpans()->add(s);
    }
    QTemporaryDir dir;
    const QString path = dir.filePath("jp.ruv");
    ASSERT_EQ(saveTo(jp, path).status, STORAGE_OK);
    auto back = classCreate_KalvexJobPreferences();
    back->setUnits("mm"); // emptied first
    ASSERT_EQ(loadFrom(back, path, SOURCE_ID_JOB_PREFERENCES).status, STORAGE_OK);
    expectSameJobPrefs(jp, back);
}

TEST(JobPrefsStore, WrongValuesAndSectionsAreReportedWithTheirLine)
{
    auto jp = classCreate_KalvexJobPreferences();
    const QByteArray head = "JOB_PREFERENCES 1\r\nSection \"Layers\"\r\n.Layer 1\r\n..id \"TOP\"\r\n";
    auto run = loadBytes(jp, head + ".Layer 2\r\n..thickNess 1,5\r\n", SOURCE_ID_JOB_PREFERENCES);
    EXPECT_EQ(run.status, STORAGE_CONTENT_ERROR);
    EXPECT_EQ(run.conn->lastErrorLine(), 6);
    EXPECT_TRUE(run.conn->lastError().contains("is not a number"));
    // Nothing of a file that failed arrives.
    EXPECT_EQ(jp->layers()->count(), 0);

    run = loadBytes(jp, head + ".Layer 2\r\n..thickNess nan\r\n", SOURCE_ID_JOB_PREFERENCES);
    EXPECT_EQ(run.status, STORAGE_CONTENT_ERROR);
    run = loadBytes(jp, head + "Section \"Drill counts\"\r\n", SOURCE_ID_JOB_PREFERENCES);
    EXPECT_TRUE(run.conn->lastError().contains("unknown section"));
    run = loadBytes(jp, "ADMIN_DB 1\r\n", SOURCE_ID_JOB_PREFERENCES);
    EXPECT_EQ(run.status, STORAGE_CONTENT_ERROR);
    run = loadBytes(jp, head, SOURCE_ID_ADMIN_DB);
    EXPECT_EQ(run.status, STORAGE_FAILED);
}
