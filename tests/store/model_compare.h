// Member-by-member comparison of administration databases and job
// preferences, for the round-trip tests.
#pragma once
#include "interfaces/IKalvexAdministrator.h"
#include "interfaces/IKalvexJobPreferences.h"
#include "interfaces/IKalvexProcess.h"
#include "store_test_support.h"

namespace kalvex::test {

#define KVX_EQ(a, b) EXPECT_EQ(a, b) << where.toStdString() << " " #a

template <class T>
QString idOrEmpty(const std::shared_ptr<T>& o)
{
    return o ? o->id() : QString();
}

template <class T>
void expectSameEntry(const std::shared_ptr<T>& a, const std::shared_ptr<T>& b, const QString& where, bool counter = true)
{
    KVX_EQ(a->id(), b->id());
    KVX_EQ(a->name(), b->name());
    KVX_EQ(a->description(), b->description());
    KVX_EQ(a->reservedItem(), b->reservedItem());
    if (counter) {
        KVX_EQ(a->intCounter(), b->intCounter());
    }
    KVX_EQ(a->modified(), b->modified());
}

inline void expectSameAdmin(const IKalvexAdministratorPtr& a, const IKalvexAdministratorPtr& b)
{
    QString where = "database";
    KVX_EQ(a->resetTriggerFile(), b->resetTriggerFile());
    KVX_EQ(a->objInitDate(), b->objInitDate());
    KVX_EQ(a->modified(), b->modified());

    const auto sa = a->statusInfo(), sb = b->statusInfo();
    where = "status";
    KVX_EQ(sa->dbVersion(), sb->dbVersion());
    KVX_EQ(sa->dbRevision(), sb->dbRevision());
    KVX_EQ(sa->dbSubRevision(), sb->dbSubRevision());
    KVX_EQ(sa->dbType(), sb->dbType());
    KVX_EQ(sa->maxLayers(), sb->maxLayers());
    KVX_EQ(sa->modificationDateTypes(), sb->modificationDateTypes());
    for (int code = 0; code <= 11; ++code)
        KVX_EQ(sa->modificationDate(code), sb->modificationDate(code));
    KVX_EQ(sa->modified(), sb->modified());

    const auto fa = a->errorFilters(), fb = b->errorFilters();
    ASSERT_EQ(fa->count(), fb->count());
    for (int i = 1; i <= fa->count(); ++i) {
        const auto x = fa->item(i, SORT_COLLECTION), y = fb->item(i, SORT_COLLECTION);
        where = "error filter " + x->id();
        KVX_EQ(x->id(), y->id());
        KVX_EQ(x->order(), y->order());
        KVX_EQ(x->actionString(), y->actionString());
        KVX_EQ(x->expression(), y->expression());
        KVX_EQ(x->description(), y->description());
        KVX_EQ(x->applList(), y->applList());
        KVX_EQ(x->modified(), y->modified());
    }
    where = "error filters";
    KVX_EQ(fa->modified(), fb->modified());

    ASSERT_EQ(a->fileTypes()->count(), b->fileTypes()->count());
    for (int i = 1; i <= a->fileTypes()->count(); ++i)
        expectSameEntry(a->fileTypes()->item(i, SORT_COLLECTION), b->fileTypes()->item(i, SORT_COLLECTION), "file type");
    ASSERT_EQ(a->productClasses()->count(), b->productClasses()->count());
    for (int i = 1; i <= a->productClasses()->count(); ++i)
        expectSameEntry(a->productClasses()->item(i, SORT_COLLECTION), b->productClasses()->item(i, SORT_COLLECTION),
                        "product class");

    ASSERT_EQ(a->productionSites()->count(), b->productionSites()->count());
    for (int i = 1; i <= a->productionSites()->count(); ++i) {
        const auto x = a->productionSites()->item(i, SORT_COLLECTION), y = b->productionSites()->item(i, SORT_COLLECTION);
        where = "site " + x->id();
        expectSameEntry(x, y, where);
        for (int line = 1; line <= 4; ++line)
            KVX_EQ(x->address(line), y->address(line));
        KVX_EQ(x->emailData(), y->emailData());
        KVX_EQ(x->emailNotify(), y->emailNotify());
        KVX_EQ(x->displayOrder(), y->displayOrder());
    }

    expectSameGenerators(a->generators(), b->generators());

    ASSERT_EQ(a->distributors()->count(), b->distributors()->count());
    for (int i = 1; i <= a->distributors()->count(); ++i) {
        const auto x = a->distributors()->item(i, SORT_COLLECTION), y = b->distributors()->item(i, SORT_COLLECTION);
        where = "distributor " + x->id();
        expectSameEntry(x, y, where, false);
        KVX_EQ(x->translateFileNames(), y->translateFileNames());
        KVX_EQ(x->completeSet(), y->completeSet());
        KVX_EQ(x->groupId(), y->groupId());
        KVX_EQ(x->distribExe(false), y->distribExe(false));
        expectSameParms(x->parameters(), y->parameters(), where);
        const auto pa = x->psiteAssignments(), pb = y->psiteAssignments();
        ASSERT_EQ(pa->count(), pb->count()) << where.toStdString();
        for (int k = 1; k <= pa->count(); ++k) {
            const auto u = pa->item(k, SORT_COLLECTION), v = pb->item(k, SORT_COLLECTION);
            KVX_EQ(idOrEmpty(u->productionSite()), idOrEmpty(v->productionSite()));
            KVX_EQ(u->inUse(), v->inUse());
            KVX_EQ(u->additionalParms(), v->additionalParms());
            KVX_EQ(u->modified(), v->modified());
        }
        KVX_EQ(pa->modified(), pb->modified());
    }

    const auto pa = a->processes(), pb = b->processes();
    ASSERT_EQ(pa->count(), pb->count());
    for (int i = 1; i <= pa->count(); ++i) {
        const auto x = pa->item(i, SORT_COLLECTION), y = pb->item(i, SORT_COLLECTION);
        where = "process " + x->id();
        expectSameEntry(x, y, where);
        KVX_EQ(x->distribName(), y->distribName());
        KVX_EQ(x->processType(), y->processType());
        KVX_EQ(x->orderKey()->encoded(), y->orderKey()->encoded());
        KVX_EQ(x->orderKey()->modified(), y->orderKey()->modified());
        KVX_EQ(x->layerType(), y->layerType());
        KVX_EQ(x->layerFrom(), y->layerFrom());
        KVX_EQ(x->layerTo(), y->layerTo());
        KVX_EQ(x->shareData(), y->shareData());
        KVX_EQ(x->regenForVariant(), y->regenForVariant());
        KVX_EQ(x->processUse(), y->processUse());
        KVX_EQ(idOrEmpty(x->processParent()), idOrEmpty(y->processParent()));
        KVX_EQ(idOrEmpty(x->processPrereq()), idOrEmpty(y->processPrereq()));
        KVX_EQ(idOrEmpty(x->fileType()), idOrEmpty(y->fileType()));
        KVX_EQ(idOrEmpty(x->productClass()), idOrEmpty(y->productClass()));
        // References point into their own database, not the other one.
        if (y->fileType()) {
            EXPECT_EQ(y->fileType(), b->fileTypes()->item(y->fileType()->id())) << where.toStdString();
        }
        const auto ga = x->generatorAssignments(), gb = y->generatorAssignments();
        ASSERT_EQ(ga->count(), gb->count()) << where.toStdString();
        for (int k = 1; k <= ga->count(); ++k) {
            const auto u = ga->item(k, SORT_COLLECTION), v = gb->item(k, SORT_COLLECTION);
            KVX_EQ(idOrEmpty(u->productionSite()), idOrEmpty(v->productionSite()));
            KVX_EQ(idOrEmpty(u->generator()), idOrEmpty(v->generator()));
            KVX_EQ(u->inUse(), v->inUse());
            KVX_EQ(u->additionalGenParms(), v->additionalGenParms());
            KVX_EQ(u->modified(), v->modified());
        }
        KVX_EQ(ga->modified(), gb->modified());
    }
    where = "collections";
    KVX_EQ(pa->modified(), pb->modified());
    KVX_EQ(a->productionSites()->modified(), b->productionSites()->modified());
    KVX_EQ(a->distributors()->modified(), b->distributors()->modified());
    KVX_EQ(a->fileTypes()->modified(), b->fileTypes()->modified());
    KVX_EQ(a->productClasses()->modified(), b->productClasses()->modified());
}

inline void expectSameJobPrefs(const IKalvexJobPreferencesPtr& a, const IKalvexJobPreferencesPtr& b)
{
    QString where = "job preferences";
    KVX_EQ(a->numPhysicalLayers(), b->numPhysicalLayers());
    KVX_EQ(a->padstackTechnology(), b->padstackTechnology());
    KVX_EQ(a->substrateTop(), b->substrateTop());
    KVX_EQ(a->substrateBottom(), b->substrateBottom());
    KVX_EQ(a->units(), b->units());
    KVX_EQ(a->modified(), b->modified());
    const auto la = a->layers(), lb = b->layers();
    ASSERT_EQ(la->count(), lb->count());
    for (int i = 1; i <= la->count(); ++i) {
        const auto x = la->item(i), y = lb->item(i);
        where = "layer " + x->id();
        KVX_EQ(x->id(), y->id());
        KVX_EQ(x->description(), y->description());
        KVX_EQ(x->technology(), y->technology());
        KVX_EQ(x->biasDirectional(), y->biasDirectional());
        KVX_EQ(x->planeNets(), y->planeNets());
        KVX_EQ(x->condLayerNumber(), y->condLayerNumber());
        KVX_EQ(x->layerType(), y->layerType());
        KVX_EQ(x->resistivity(), y->resistivity());
        KVX_EQ(x->thickNess(), y->thickNess());
        KVX_EQ(x->dielConstant(), y->dielConstant());
        KVX_EQ(x->enabled(), y->enabled());
        KVX_EQ(x->modified(), y->modified());
    }
    const auto va = a->viaSpans(), vb = b->viaSpans();
    ASSERT_EQ(va->count(), vb->count());
    for (int i = 1; i <= va->count(); ++i) {
        const auto x = va->item(i), y = vb->item(i);
        where = QStringLiteral("via span %1").arg(i);
        KVX_EQ(x->layerFrom(), y->layerFrom());
        KVX_EQ(x->layerTo(), y->layerTo());
        KVX_EQ(x->padstackName(), y->padstackName());
        KVX_EQ(x->delay(), y->delay());
        KVX_EQ(x->grid(), y->grid());
        KVX_EQ(x->capacitance(), y->capacitance());
        KVX_EQ(x->modified(), y->modified());
    }
    where = "lists";
    KVX_EQ(la->modified(), lb->modified());
    KVX_EQ(va->modified(), vb->modified());
}

#undef KVX_EQ

} // namespace kalvex::test
