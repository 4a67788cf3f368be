// Databases made up from a seed, with texts that exercise the line syntax:
// quotes, carets, line breaks, tabs, non-ASCII and empty values.
#pragma once
#include <QRandomGenerator>

#include "admin/KalvexAdministrator.h"
#include "admin/KalvexDistributor.h"
#include "admin/KalvexErrorFilter.h"
#include "admin/KalvexFileType.h"
#include "admin/KalvexProdClass.h"
#include "admin/KalvexProdSite.h"
#include "admin/KalvexPsiteAssignment.h"
#include "generators/KalvexGenAssignment.h"
#include "generators/KalvexProcess.h"
#include "interfaces/IKalvexGenerators.h"

namespace kalvex::test {

class RandomDatabase {
public:
    explicit RandomDatabase(quint32 seed) : m_rng(seed) {}

    QString text(int maxLen = 12)
    {
        static const QString pieces[] = {"a", "Z", " ", "\"", "^", "Q", "A", "N", "^Q^", "\n", "\r\n", "\t", "#",
                                         "NQ>", "\\", "${KVX_JOB_PCB_PATH}", QString::fromUtf8("\xC3\xA9"),
                                         QString::fromUtf8("\xF0\x9F\x98\x80"), "..", "Section"};
        QString s;
        const int n = static_cast<int>(m_rng.bounded(maxLen + 1));
        for (int i = 0; i < n; ++i)
            s += pieces[m_rng.bounded(static_cast<quint32>(std::size(pieces)))];
        return s;
    }
    int number(int lo, int hi) { return lo + static_cast<int>(m_rng.bounded(static_cast<quint32>(hi - lo + 1))); }
    bool flag() { return m_rng.bounded(2) == 1; }
    QString date()
    {
        if (m_rng.bounded(5) == 0)
            return text(3); // not a date: kept as text
        return QStringLiteral("%1 %2 %3 %4:%5:%6")
            .arg(number(1, 28))
            .arg(QStringLiteral("Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec").split(' ')[number(0, 11)])
            .arg(number(1900, 2100))
            .arg(number(0, 23))
            .arg(number(0, 59), 2, 10, QLatin1Char('0'))
            .arg(number(0, 59), 2, 10, QLatin1Char('0'));
    }

    template <class T>
    void fillEntry(T& e, bool counter = true)
    {
        e.setName(text());
        e.setDescription(text(20));
        e.setReservedItem(number(0, 4));
        if (counter)
            e.setIntCounter(number(-5, 100000));
    }

    IKalvexAdministratorPtr make(int scale)
    {
        auto adm = classCreate_KalvexAdministrator();
        adm->setResetTriggerFile(text(20));
        adm->setObjInitDate(date());
        auto st = adm->statusInfo();
        st->setDbVersion(number(0, 9));
        st->setDbRevision(number(0, 9));
        st->setDbSubRevision(number(0, 9));
        st->setDbType(number(0, 3));
        st->setMaxLayers(number(1, 128));
        for (int code = 1; code <= 10; ++code)
            if (flag())
                st->setModificationDate(code, date());
        for (int i = 0; i < scale; ++i) {
            auto f = classCreate_KalvexErrorFilter();
            f->setId(QStringLiteral("F%1").arg(i));
            f->setOrder(number(0, 1000));
            f->setActionString(text());
            f->setExpression(text(30));
            f->setDescription(text());
            f->setApplList(text());
            adm->errorFilters()->add(f);
            auto t = classCreate_KalvexFileType();
            t->setId(QStringLiteral("T%1").arg(i));
            fillEntry(*t);
            adm->fileTypes()->add(t);
            auto c = classCreate_KalvexProdClass();
            c->setId(QStringLiteral("C%1").arg(i));
            fillEntry(*c);
            adm->productClasses()->add(c);
            auto s = classCreate_KalvexProdSite();
            s->setId(i == 0 ? VARIANT_PSITE_ID : QStringLiteral("S%1 %2").arg(i).arg(text(3)));
            fillEntry(*s);
            for (int line = 1; line <= 4; ++line)
                if (flag())
                    s->setAddress(line, text());
            s->setEmailData(text());
            s->setEmailNotify(flag());
            s->setDisplayOrder(number(-3, 50));
            adm->productionSites()->add(s);
        }
        const auto sites = adm->productionSites();
        auto gens = adm->generators();
        for (int i = 0; i < scale; ++i) {
            auto g = gens->add(QStringLiteral("G%1").arg(i), text());
            g->setDescription(text());
            g->setCmdGen(flag() ? QStringLiteral("(INTERNAL)Kalvex Gerber Generator") : text(20));
            g->setCmdView(text());
            g->setCmdPlot(text());
            g->setFileExt(text(3));
            g->setActiveXModule(text());
            g->setGroupId(text());
            g->setReservedItem(number(0, 4));
            g->setIntCounter(number(0, 9999));
            const int parms = number(0, 6);
            for (int p = 0; p < parms; ++p)
                g->parameters()->add(QStringLiteral("p%1 %2").arg(p).arg(text(4)), text(40), number(0, 1));
        }
        for (int i = 0; i < scale / 2 + 1; ++i) {
            auto d = classCreate_KalvexDistributor();
            d->setId(QStringLiteral("D%1").arg(i));
            fillEntry(*d, false);
            d->setTranslateFileNames(flag());
            d->setCompleteSet(flag());
            d->setGroupId(text());
            d->setDistribExe(flag() ? QStringLiteral("(INTERNAL)Kalvex Distributor") : text(20));
            adm->distributors()->add(d);
            for (int p = 0; p < number(0, 4); ++p)
                d->parameters()->add(QStringLiteral("dp%1").arg(p), text(20), number(0, 1));
            for (int s = 1; s <= sites->count(); ++s)
                if (flag()) {
                    auto a = classCreate_KalvexPsiteAssignment();
                    a->setProductionSite(sites->item(s, SORT_COLLECTION));
                    a->setInUse(flag());
                    a->setAdditionalParms(text());
                    d->psiteAssignments()->add(a);
                }
        }
        auto procs = adm->processes();
        for (int i = 0; i < scale * 3; ++i) {
            auto p = classCreate_KalvexProcess();
            p->setId(QStringLiteral("P%1").arg(i));
            fillEntry(*p);
            p->setDistribName(text());
            p->setProcessType(QList<int>{1, 2, 3, 10, 11, 12, 13, 14, -1}[number(0, 8)]);
            p->orderKey()->setEncoded(QStringLiteral("%1.%2").arg(number(1, 20)).arg(number(0, 30)));
            p->setLayerType(QList<int>{1, 2, 4, 5, 100}[number(0, 4)]);
            p->setLayerFrom(QList<int>{-100, -10, 1, 3, 31999, 32000}[number(0, 5)]);
            p->setLayerTo(QList<int>{-100, -10, 1, 3, 31999, 32000}[number(0, 5)]);
            p->setShareData(flag());
            p->setRegenForVariant(flag());
            p->setProcessUse(number(0, 3));
            if (flag())
                p->setFileType(adm->fileTypes()->item(number(1, scale), SORT_COLLECTION));
            if (flag())
                p->setProductClass(adm->productClasses()->item(number(1, scale), SORT_COLLECTION));
            procs->add(p);
            for (int s = 1; s <= sites->count(); ++s)
                if (flag()) {
                    auto a = classCreate_KalvexGenAssignment();
                    a->setProductionSite(sites->item(s, SORT_COLLECTION));
                    if (flag())
                        a->setGenerator(gens->item(number(1, gens->count())));
                    a->setInUse(flag());
                    a->setAdditionalGenParms(text());
                    p->generatorAssignments()->add(a);
                }
        }
        // Parents and prerequisites point backwards and forwards, never round.
        for (int i = 1; i < procs->count(); ++i) {
            auto p = procs->item(i + 1, SORT_COLLECTION);
            if (flag())
                p->setProcessParent(procs->item(number(1, i), SORT_COLLECTION));
            auto prereq = procs->item(number(1, procs->count()), SORT_COLLECTION);
            if (flag() && prereq != p)
                p->setProcessPrereq(prereq);
        }
        return adm;
    }

private:
    QRandomGenerator m_rng;
};

} // namespace kalvex::test
