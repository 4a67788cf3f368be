#include <gtest/gtest.h>

#include "jobprefs/KalvexJobLayer.h"
#include "jobprefs/KalvexJobPreferences.h"
#include "jobprefs/KalvexJobViaSpan.h"
#include "jobprefs/layerTypeText.h"
#include "support/qt_printers.h"

using namespace kalvex;

namespace {

IKalvexJobLayerPtr layer(int type, int cond, const QString& id)
{
    auto l = classCreate_KalvexJobLayer();
    l->setLayerType(type);
    l->setCondLayerNumber(cond);
    l->setId(id);
    return l;
}

// top signal, dielectric, plane+, dielectric, plane-, dielectric, signal, other
std::shared_ptr<IKalvexJobPreferences> stack()
{
    auto prefs = classCreate_KalvexJobPreferences();
    auto layers = prefs->layers();
    layers->add(layer(LAYER_SIGNAL, 1, "TOP"));
    layers->add(layer(LAYER_DIELECTRIC, 0, "D1"));
    layers->add(layer(LAYER_PLANE_POSITIVE, 2, "GND"));
    layers->add(layer(LAYER_DIELECTRIC, 0, "D2"));
    layers->add(layer(LAYER_PLANE_NEGATIVE, 3, "VCC"));
    layers->add(layer(LAYER_DIELECTRIC, 0, "D3"));
    layers->add(layer(LAYER_SIGNAL, 4, "BOTTOM"));
    layers->add(layer(LAYER_OTHER, 0, "SILK"));
    return prefs;
}

} // namespace

TEST(JobPreferences, CountsPerTypeAndTheConductiveRange)
{
    auto layers = stack()->layers();
    EXPECT_EQ(layers->count(), 8);
    EXPECT_EQ(layers->countSignal(), 2);
    EXPECT_EQ(layers->countDielectric(), 3);
    EXPECT_EQ(layers->countPlanePositive(), 1);
    EXPECT_EQ(layers->countPlaneNegative(), 1);
    EXPECT_EQ(layers->countOther(), 1);
    EXPECT_EQ(layers->topLayer(), 1);
    EXPECT_EQ(layers->bottomLayer(), 4);
    EXPECT_EQ(layers->countInner(), 2);

    auto empty = classCreate_KalvexJobLayers();
    EXPECT_EQ(empty->topLayer(), 0);
    EXPECT_EQ(empty->bottomLayer(), 0);
    EXPECT_EQ(empty->countInner(), 0);
}

TEST(JobPreferences, ItemByPositionWithinALayerType)
{
    auto layers = stack()->layers();
    EXPECT_EQ(layers->item(3, LAYER_ANY)->id(), "GND");
    EXPECT_EQ(layers->item(3)->id(), "GND");
    EXPECT_EQ(layers->item(2, LAYER_SIGNAL)->id(), "BOTTOM");
    EXPECT_EQ(layers->item(3, LAYER_DIELECTRIC)->id(), "D3");
    EXPECT_EQ(layers->item(1, LAYER_OTHER)->id(), "SILK"); // 100 is a layer type here
    EXPECT_FALSE(layers->item(2, LAYER_OTHER));
    EXPECT_FALSE(layers->item(0, LAYER_SIGNAL));
    EXPECT_FALSE(layers->item(9, LAYER_ANY));
    EXPECT_FALSE(layers->item(1, 3));
}

TEST(JobPreferences, LayerCaptions)
{
    EXPECT_EQ(morvObjs_layerTypeText(layer(LAYER_SIGNAL, 4, "x")), "Signal layer 4");
    EXPECT_EQ(morvObjs_layerTypeText(layer(LAYER_PLANE_POSITIVE, 2, "x")), "Positive plane layer");
    EXPECT_EQ(morvObjs_layerTypeText(layer(LAYER_PLANE_NEGATIVE, 2, "x")), "Negative plane layer");
    EXPECT_EQ(morvObjs_layerTypeText(layer(LAYER_DIELECTRIC, 0, "x")), "Dielectric layer");
    EXPECT_EQ(morvObjs_layerTypeText(layer(LAYER_OTHER, 0, "x")), "Other layer");
    EXPECT_EQ(morvObjs_layerTypeText(layer(3, 0, "x")), "");
    EXPECT_EQ(morvObjs_layerTypeText(nullptr), "");
}

TEST(JobPreferences, ChangesReachThePreferencesAndInitializeEmpties)
{
    auto prefs = stack();
    prefs->setModified(0);
    EXPECT_EQ(prefs->layers(), prefs->layers());
    auto spans = prefs->viaSpans();
    auto span = classCreate_KalvexJobViaSpan();
    span->setLayerFrom(1);
    span->setLayerTo(12);
    span->setPadstackName("VIA20");
    span->setModified(0);
    EXPECT_TRUE(spans->add(span));
    EXPECT_FALSE(spans->add(span));
    EXPECT_TRUE(spans->exists(1, 12));
    EXPECT_FALSE(spans->exists(12, 1));
    span->setCapacitance(0.25);
    prefs->layers()->item(1)->setThickNess(1.4);
    EXPECT_EQ(prefs->modified(), 3);

    prefs->initialize();
    EXPECT_EQ(prefs->layers()->count(), 0);
    EXPECT_EQ(prefs->viaSpans()->count(), 0);
    EXPECT_EQ(prefs->modified(), 0);
    EXPECT_FALSE(span->parent());
}
