#include <gtest/gtest.h>

#include "foundation/KalvexCollection.h"
#include "support/qt_printers.h"

using namespace kalvex;

namespace {

class Thing : public KalvexObjectBase {
public:
    QString className() const override { return "Thing"; }
    QString objectKind() const override { return "THING"; }
    void setLabel(const QString& v) { propUpdString(m_label, v, "label"); }
private:
    QString m_label;
};

class Things : public KalvexCollection<Thing> {
public:
    QString className() const override { return "Things"; }
    QString objectKind() const override { return "THINGS"; }
    void add(const std::shared_ptr<Thing>& t) { insertItem(t); }
    bool removeAt(int pos) { return removeItemAt(pos); }
};

struct Recorder : IBrenloEventRaiser {
    QStringList seen;
    void queueEvent(const QString& type, const QString& sender, const BrenloEventParams& p) override
    {
        seen << type + ":" + sender + ":" + p.objectKind + ":" + p.propertyName;
    }
};

} // namespace

TEST(ChangeTracking, CountsPropagateToParentAndResetPassesMinusOld)
{
    auto coll = std::make_shared<Things>();
    auto a = std::make_shared<Thing>();
    coll->add(a);
    EXPECT_EQ(coll->modified(), 1);
    coll->setModified(0);
    a->setLabel("x");
    a->setLabel("x"); // same value: no change
    EXPECT_EQ(a->modified(), 1);
    EXPECT_EQ(coll->modified(), 1);
    a->setModified(3);
    EXPECT_EQ(a->modified(), 4);
    EXPECT_EQ(coll->modified(), 4);
    a->setModified(0);
    EXPECT_EQ(a->modified(), 0);
    EXPECT_EQ(coll->modified(), 0);
}

TEST(ChangeTracking, SuspendIgnoresChangesAndCountNeverNegative)
{
    auto coll = std::make_shared<Things>();
    auto a = std::make_shared<Thing>();
    coll->add(a);
    coll->setModified(0);
    a->setModified(MODIFIED_SUSPEND);
    a->setLabel("y");
    a->setModified(7);
    EXPECT_EQ(a->modified(), 0);
    EXPECT_EQ(coll->modified(), 0);
    a->setModified(MODIFIED_RESUME);
    a->setModified(-10);
    EXPECT_EQ(a->modified(), 0);
    a->setModified(40000);
    EXPECT_EQ(a->modified(), 32767);
}

TEST(ChangeTracking, EventsReachPublicAndInternalRaisers)
{
    auto pub = std::make_shared<Recorder>();
    auto internal = std::make_shared<Recorder>();
    auto coll = std::make_shared<Things>();
    coll->setEventRaiser(pub);
    coll->setInternalValue(SET_INT_EV_RAISER, QVariant::fromValue(std::shared_ptr<IBrenloEventRaiser>(internal)));
    auto a = std::make_shared<Thing>();
    coll->add(a);
    a->setLabel("z");
    EXPECT_EQ(pub->seen, (QStringList{"EV_ADD:Things:THINGS:", "EV_CHANGE:Thing:THING:label"}));
    EXPECT_EQ(internal->seen, pub->seen);
    EXPECT_EQ(coll->setInternalValue("NO_SUCH_KEY", 1), -1);
}

TEST(ChangeTracking, WeakParentGoneReadsAsNoObject)
{
    auto a = std::make_shared<Thing>();
    {
        auto coll = std::make_shared<Things>();
        coll->add(a);
        EXPECT_TRUE(a->parent());
    }
    EXPECT_FALSE(a->parent());
    a->setModified(2); // no parent to pass on to, no crash
    EXPECT_EQ(a->modified(), 2);
}
