#include "store/kalvexRUV_admin.h"

#include <QSet>

#include "admin/KalvexADMDbStatus.h"
#include "admin/KalvexAdministrator.h"
#include "admin/KalvexDistributor.h"
#include "admin/KalvexErrorFilter.h"
#include "admin/KalvexFileType.h"
#include "admin/KalvexProdClass.h"
#include "admin/KalvexProdSite.h"
#include "admin/KalvexPsiteAssignment.h"
#include "generators/KalvexGenAssignment.h"
#include "generators/KalvexProcess.h"
#include "interfaces/IKalvexAdministrator.h"
#include "interfaces/IKalvexGenerators.h"
#include "interfaces/IKalvexProcess.h"
#include "store/kalvexRUV_common.h"
#include "store/kalvexRUV_generators.h"
#include "store/kalvexRUV_scratch.h"

namespace kalvex {

namespace {

const QString kTitleGeneral = QStringLiteral("General parameters");
const QString kTitleStatus = QStringLiteral("Status info");
const QString kTitleErrorFilters = QStringLiteral("Error filters");
const QString kTitleFileTypes = QStringLiteral("File Types");
const QString kTitleProdClasses = QStringLiteral("Product classes");
const QString kTitleProdSites = QStringLiteral("Production sites");
const QString kTitleDistributors = QStringLiteral("Distributors");
const QString kTitleProcesses = QStringLiteral("Processes");

const QString kModDate = QStringLiteral("modificationDate");
const QString kAddress = QStringLiteral("address");
const QString kSiteAssignment = QStringLiteral("siteAssignment");
const QString kGenAssignment = QStringLiteral("genAssignment");
const QString kParm = QStringLiteral("parm");

// ---- member tables ---------------------------------------------------------

const RUVMembers<IKalvexAdministrator>& generalMembers()
{
    using A = IKalvexAdministrator;
    static const RUVMembers<A> m = {
        ruvText<A>("resetTriggerFile", &A::resetTriggerFile, &A::setResetTriggerFile),
        ruvDateMember<A>("objInitDate", &A::objInitDate, &A::setObjInitDate),
    };
    return m;
}

const RUVMembers<IKalvexADMDbStatus>& statusMembers()
{
    using S = IKalvexADMDbStatus;
    static const RUVMembers<S> m = {
        ruvIntMember<S>("dbVersion", &S::dbVersion, &S::setDbVersion),
        ruvIntMember<S>("dbRevision", &S::dbRevision, &S::setDbRevision),
        ruvIntMember<S>("dbSubRevision", &S::dbSubRevision, &S::setDbSubRevision),
        ruvIntMember<S>("dbType", &S::dbType, &S::setDbType),
        ruvIntMember<S>("maxLayers", &S::maxLayers, &S::setMaxLayers),
    };
    return m;
}

const RUVMembers<IKalvexErrorFilter>& errorFilterMembers()
{
    using E = IKalvexErrorFilter;
    static const RUVMembers<E> m = {
        ruvIntMember<E>("order", &E::order, &E::setOrder),
        ruvText<E>("actionString", &E::actionString, &E::setActionString),
        ruvText<E>("expression", &E::expression, &E::setExpression),
        ruvText<E>("description", &E::description, &E::setDescription),
        ruvText<E>("applList", &E::applList, &E::setApplList),
    };
    return m;
}

// name, description, reservedItem and, where the kind has one, intCounter.
template <class T>
RUVMembers<T> entryMembers(bool withCounter)
{
    RUVMembers<T> m = {
        ruvText<T>("name", &T::name, &T::setName),
        ruvText<T>("description", &T::description, &T::setDescription),
        ruvIntMember<T>("reservedItem", &T::reservedItem, &T::setReservedItem),
    };
    if (withCounter)
        m.push_back(ruvIntMember<T>("intCounter", &T::intCounter, &T::setIntCounter));
    return m;
}

const RUVMembers<IKalvexFileType>& fileTypeMembers()
{
    static const auto m = entryMembers<IKalvexFileType>(true);
    return m;
}

const RUVMembers<IKalvexProdClass>& prodClassMembers()
{
    static const auto m = entryMembers<IKalvexProdClass>(true);
    return m;
}

const RUVMembers<IKalvexProdSite>& prodSiteMembers()
{
    using P = IKalvexProdSite;
    static const auto m = [] {
        auto m = entryMembers<P>(true);
        m.push_back(ruvText<P>("emailData", &P::emailData, &P::setEmailData));
        m.push_back(ruvBoolMember<P>("emailNotify", &P::emailNotify, &P::setEmailNotify));
        m.push_back(ruvIntMember<P>("displayOrder", &P::displayOrder, &P::setDisplayOrder));
        return m;
    }();
    return m;
}

const RUVMembers<IKalvexDistributor>& distributorMembers()
{
    using D = IKalvexDistributor;
    static const auto m = [] {
        auto m = entryMembers<D>(false);
        m.push_back(ruvBoolMember<D>("translateFileNames", &D::translateFileNames, &D::setTranslateFileNames));
        m.push_back(ruvBoolMember<D>("completeSet", &D::completeSet, &D::setCompleteSet));
        m.push_back(ruvText<D>("groupId", &D::groupId, &D::setGroupId));
        m.push_back({QStringLiteral("distribExe"),
                     [](const D& d, std::vector<KeywordValue>& v) { v.push_back(kwText(d.distribExe(false))); },
                     [](D& d, const KeywordLine& l) -> QString {
                         QString err;
                         if (!ruvCount(l, 1, &err))
                             return err;
                         d.setDistribExe(l.value(0));
                         return {};
                     }});
        return m;
    }();
    return m;
}

const RUVMembers<IKalvexProcess>& processMembers()
{
    using P = IKalvexProcess;
    static const auto m = [] {
        auto m = entryMembers<P>(true);
        m.push_back(ruvText<P>("distribName", &P::distribName, &P::setDistribName));
        m.push_back(ruvIntMember<P>("processType", &P::processType, &P::setProcessType));
        m.push_back({QStringLiteral("orderKey"),
                     [](const P& p, std::vector<KeywordValue>& v) { v.push_back(kwText(p.orderKey()->encoded())); },
                     [](P& p, const KeywordLine& l) -> QString {
                         QString err;
                         if (!ruvCount(l, 1, &err))
                             return err;
                         if (!p.orderKey()->setEncoded(l.value(0)))
                             return QStringLiteral("\"%1\" is not an order key (numbers joined by \".\")")
                                 .arg(l.value(0).left(80));
                         return {};
                     }});
        m.push_back(ruvIntMember<P>("layerType", &P::layerType, &P::setLayerType));
        m.push_back(ruvIntMember<P>("layerFrom", &P::layerFrom, &P::setLayerFrom));
        m.push_back(ruvIntMember<P>("layerTo", &P::layerTo, &P::setLayerTo));
        m.push_back(ruvBoolMember<P>("shareData", &P::shareData, &P::setShareData));
        m.push_back(ruvBoolMember<P>("regenForVariant", &P::regenForVariant, &P::setRegenForVariant));
        m.push_back(ruvIntMember<P>("processUse", &P::processUse, &P::setProcessUse));
        return m;
    }();
    return m;
}

QString idOf(const std::shared_ptr<IKalvexNamedItem>& item) { return item ? item->id() : QString(); }

// ---- references resolved once the whole file was read ----------------------

struct PendingRef {
    enum Kind { Parent, Prereq, FileType, ProdClass, GenAssignment, SiteAssignment } kind;
    // The owner: a process, or a distributor for site assignments.
    std::weak_ptr<IKalvexProcess> process;
    std::weak_ptr<IKalvexDistributor> distributor;
    QString ownerId;
    QString id;       // the referenced entry (the site for assignments)
    QString generatorId;
    bool inUse = false;
    QString text;
    int line = 0;
};

class AdminReader {
public:
    AdminReader(KalvexRUVConnection& conn, const IKalvexAdministratorPtr& adm, const RUVLoadOptions& opt, bool defaults)
        : m_conn(conn), m_adm(adm), m_opt(opt), m_merge(defaults ? RUVMerge::Keep : RUVMerge::Replace)
    {
    }

    bool read()
    {
        const bool ok = ruvReadSections(
            m_conn,
            {KalvexRUVConnection::sectionKeywordOf(SOURCE_ID_ADMIN_DB),
             KalvexRUVConnection::sectionKeywordOf(SOURCE_ID_GENERATORS)},
            [this](const QString& title, const KeywordLine& line) { return section(title, line); });
        // References are resolved after a fault too, leniently, so that the
        // entries read before it keep theirs.
        const bool refsOk = resolve(ok);
        if (ok && m_status && m_merge == RUVMerge::Replace)
            m_adm->statusInfo()->clone(m_status);
        return ok && refsOk;
    }

private:
    bool section(const QString& title, const KeywordLine& line)
    {
        if (!m_opt.onlySection.isEmpty() && m_opt.onlySection != title)
            return ruvSkipSection(m_conn);
        if (m_titlesSeen.contains(title))
            return ruvFail(m_conn, line, QStringLiteral("section \"%1\" appears twice").arg(title));
        m_titlesSeen.insert(title);
        const int memberLevel = m_conn.readSectionLevel() + 1;
        if (title == kTitleGeneral)
            return readGeneral(memberLevel);
        if (title == kTitleStatus)
            return readStatus(memberLevel);
        if (title == kTitleErrorFilters)
            return readErrorFilters();
        if (title == kTitleFileTypes)
            return readEntries<IKalvexFileType>(m_adm->fileTypes(), QStringLiteral("FileType"), title,
                                                &classCreate_KalvexFileType, fileTypeMembers(), "file type");
        if (title == kTitleProdClasses)
            return readEntries<IKalvexProdClass>(m_adm->productClasses(), QStringLiteral("ProductClass"), title,
                                                 &classCreate_KalvexProdClass, prodClassMembers(), "product class");
        if (title == kTitleProdSites)
            return readEntries<IKalvexProdSite>(m_adm->productionSites(), QStringLiteral("ProductionSite"), title,
                                                &classCreate_KalvexProdSite, prodSiteMembers(), "production site");
        if (title == RUV_TITLE_GENERATORS)
            return kalvexRUV_readGenerators(m_conn, m_adm->generators(), m_merge);
        if (title == kTitleDistributors)
            return readEntries<IKalvexDistributor>(m_adm->distributors(), QStringLiteral("Distributor"), title,
                                                   &classCreate_KalvexDistributor, distributorMembers(),
                                                   "distributor");
        if (title == kTitleProcesses)
            return readEntries<IKalvexProcess>(m_adm->processes(), QStringLiteral("Process"), title,
                                               &classCreate_KalvexProcess, processMembers(), "process");
        return ruvFail(m_conn, line, QStringLiteral("unknown section \"%1\" in an administration database").arg(title));
    }

    bool readGeneral(int memberLevel)
    {
        // A defaults file's general parameters describe it, not the database.
        auto scratch = m_adm;
        return ruvReadMembers(m_conn, memberLevel, [&](const KeywordLine& l) -> QString {
            if (m_merge == RUVMerge::Keep) {
                for (const auto& m : generalMembers())
                    if (m.keyword == l.keyword)
                        return {};
            }
            return ruvApplyMember<IKalvexAdministrator>(*scratch, l, generalMembers(),
                                                        QStringLiteral("the general parameters"));
        });
    }

    bool readStatus(int memberLevel)
    {
        m_status = classCreate_KalvexADMDbStatus();
        m_status->setModified(MODIFIED_SUSPEND);
        return ruvReadMembers(m_conn, memberLevel, [&](const KeywordLine& l) -> QString {
            if (l.keyword == kModDate) {
                QString err, date;
                int code = 0;
                if (!ruvCount(l, 2, &err) || !ruvInt(l, 0, &code, &err) || !ruvDate(l, 1, &date, &err))
                    return err;
                if (code < OBJ_ADMIN_DB || code > OBJ_LOCAL_ADMIN_DB_STATUS)
                    return QStringLiteral("%1 is not an object-type code (1 to 10)").arg(code);
                m_status->setModificationDate(code, date);
                return {};
            }
            return ruvApplyMember<IKalvexADMDbStatus>(*m_status, l, statusMembers(), QStringLiteral("the status info"));
        });
    }

    bool readErrorFilters()
    {
        auto filters = m_adm->errorFilters();
        std::shared_ptr<IKalvexErrorFilter> current;
        QSet<QString> seen;
        return ruvReadEntries(
            m_conn, m_conn.readSectionLevel() + 1, QStringLiteral("ErrorFilter"), kTitleErrorFilters,
            [&](const KeywordLine& e) -> QString {
                const QString id = e.value(0).trimmed();
                if (!markSeen(seen, id))
                    return QStringLiteral("error filter \"%1\" appears twice").arg(id);
                current = classCreate_KalvexErrorFilter();
                current->setModified(MODIFIED_SUSPEND);
                current->setId(id);
                return {};
            },
            [&](const KeywordLine& l) {
                return ruvApplyMember<IKalvexErrorFilter>(*current, l, errorFilterMembers(),
                                                          QStringLiteral("an error filter"));
            },
            [&]() -> QString {
                auto f = std::move(current);
                settle(f);
                if (auto existing = filters->item(f->id())) {
                    if (m_merge == RUVMerge::Replace)
                        existing->clone(f);
                    return {};
                }
                if (!filters->addQuietly(f))
                    return QStringLiteral("error filter \"%1\" could not be added").arg(f->id());
                return {};
            });
    }

    template <class T>
    bool readEntries(const std::shared_ptr<IKalvexNamedItemsOf<T>>& coll, const QString& keyword,
                     const QString& title, std::shared_ptr<T> (*make)(), const RUVMembers<T>& members,
                     const char* what)
    {
        std::shared_ptr<T> current;
        std::vector<PendingRef> refs;
        QSet<QString> seen;
        const QString kind = QLatin1String(what);
        const QString aKind = QStringLiteral("a ") + kind;
        const bool startedEmpty = coll->count() == 0;
        return ruvReadEntries(
            m_conn, m_conn.readSectionLevel() + 1, keyword, title,
            [&](const KeywordLine& e) -> QString {
                const QString id = e.value(0).trimmed();
                // Into an empty collection the collection itself refuses a
                // second entry of an id; otherwise the file's ids are tracked.
                if (!startedEmpty && !markSeen(seen, id))
                    return QStringLiteral("%1 \"%2\" appears twice").arg(kind, id);
                current = make();
                if (!current)
                    return QStringLiteral("no %1 could be made").arg(kind);
                current->setModified(MODIFIED_SUSPEND);
                current->setId(id);
                refs.clear();
                return {};
            },
            [&](const KeywordLine& l) -> QString {
                QString err;
                if (extraMember(*current, l, refs, &err))
                    return err;
                return ruvApplyMember<T>(*current, l, members, aKind);
            },
            [&]() -> QString {
                auto obj = std::move(current);
                settleEntry(obj);
                std::shared_ptr<T> target = obj;
                if (auto existing = startedEmpty ? nullptr : coll->item(obj->id())) {
                    if (m_merge == RUVMerge::Keep)
                        return {};
                    existing->setModified(MODIFIED_SUSPEND);
                    existing->clone(obj);
                    existing->setModified(MODIFIED_RESUME);
                    target = existing;
                } else if (!coll->addQuietly(obj)) {
                    if (coll->exists(obj->id()))
                        return QStringLiteral("%1 \"%2\" appears twice").arg(kind, obj->id());
                    return QStringLiteral("%1 \"%2\" could not be added").arg(kind, obj->id());
                }
                for (auto& r : refs) {
                    if constexpr (std::is_same_v<T, IKalvexProcess>)
                        r.process = target;
                    if constexpr (std::is_same_v<T, IKalvexDistributor>)
                        r.distributor = target;
                    r.ownerId = target->id();
                    m_refs.push_back(std::move(r));
                }
                return {};
            });
    }

    // Members that are lists or references; true when the line was one of them.
    bool extraMember(IKalvexProdSite& site, const KeywordLine& l, std::vector<PendingRef>&, QString* err)
    {
        if (l.keyword != kAddress)
            return false;
        int line = 0;
        if (!ruvCount(l, 2, err) || !ruvInt(l, 0, &line, err))
            return true;
        if (line < 1 || line > 4)
            *err = QStringLiteral("address line %1 is not between 1 and 4").arg(line);
        else
            site.setAddress(line, l.value(1));
        return true;
    }
    bool extraMember(IKalvexDistributor& d, const KeywordLine& l, std::vector<PendingRef>& refs, QString* err)
    {
        if (l.keyword == kParm) {
            *err = kalvexRUV_readParm(d.parameters(), l);
            return true;
        }
        if (l.keyword != kSiteAssignment)
            return false;
        PendingRef r{PendingRef::SiteAssignment, {}, {}, {}, l.value(0), {}, false, l.value(2), l.lineNumber};
        if (ruvCount(l, 3, err) && ruvBool(l, 1, &r.inUse, err))
            refs.push_back(std::move(r));
        return true;
    }
    bool extraMember(IKalvexProcess&, const KeywordLine& l, std::vector<PendingRef>& refs, QString* err)
    {
        static const QHash<QString, PendingRef::Kind> single = {
            {QStringLiteral("processParent"), PendingRef::Parent},
            {QStringLiteral("processPrereq"), PendingRef::Prereq},
            {QStringLiteral("fileType"), PendingRef::FileType},
            {QStringLiteral("productClass"), PendingRef::ProdClass},
        };
        const auto kind = single.constFind(l.keyword);
        if (kind != single.constEnd()) {
            if (ruvCount(l, 1, err) && !l.value(0).trimmed().isEmpty())
                refs.push_back({*kind, {}, {}, {}, l.value(0).trimmed(), {}, false, {}, l.lineNumber});
            return true;
        }
        if (l.keyword != kGenAssignment)
            return false;
        PendingRef r{PendingRef::GenAssignment, {}, {}, {}, l.value(0), l.value(1).trimmed(), false, l.value(3),
                     l.lineNumber};
        if (ruvCount(l, 4, err) && ruvBool(l, 2, &r.inUse, err))
            refs.push_back(std::move(r));
        return true;
    }
    template <class T>
    bool extraMember(T&, const KeywordLine&, std::vector<PendingRef>&, QString*)
    {
        return false;
    }

    // The generator collection looks ids up one by one; thousands of
    // assignments are resolved through one table instead.
    std::shared_ptr<IKalvexGenerator> generatorById(const QString& id)
    {
        if (m_genIndex.isEmpty()) {
            const auto gens = m_adm->generators();
            for (int i = 1; i <= gens->count(); ++i) {
                const auto g = gens->item(i);
                m_genIndex.insert(g->id().toCaseFolded(), g);
            }
        }
        return m_genIndex.value(id.toCaseFolded());
    }

    bool resolve(bool strict)
    {
        const auto procs = m_adm->processes();
        const auto sites = m_adm->productionSites();
        for (const auto& r : m_refs) {
            const auto p = r.process.lock();
            const auto d = r.distributor.lock();
            if (!p && !d)
                continue;
            QString err;
            auto fail = [&](const QString& what) {
                err = what;
            };
            if (r.kind == PendingRef::SiteAssignment || r.kind == PendingRef::GenAssignment) {
                auto site = sites->item(r.id.trimmed());
                std::shared_ptr<IKalvexGenerator> gen;
                if (!site)
                    fail(QStringLiteral("\"%1\": production site \"%2\" does not exist").arg(r.ownerId, r.id));
                else if (r.kind == PendingRef::GenAssignment && !r.generatorId.isEmpty() &&
                         !(gen = generatorById(r.generatorId)))
                    fail(QStringLiteral("\"%1\": generator \"%2\" does not exist").arg(r.ownerId, r.generatorId));
                else if (r.kind == PendingRef::SiteAssignment) {
                    auto a = classCreate_KalvexPsiteAssignment();
                    a->setModified(MODIFIED_SUSPEND);
                    a->setProductionSite(site);
                    a->setInUse(r.inUse);
                    a->setAdditionalParms(r.text);
                    settle(a);
                    if (!d->psiteAssignments()->addQuietly(a))
                        fail(QStringLiteral("\"%1\": production site \"%2\" is assigned twice").arg(r.ownerId, r.id));
                } else {
                    auto a = classCreate_KalvexGenAssignment();
                    a->setModified(MODIFIED_SUSPEND);
                    a->setProductionSite(site);
                    a->setGenerator(gen);
                    a->setInUse(r.inUse);
                    a->setAdditionalGenParms(r.text);
                    settle(a);
                    if (!p->generatorAssignments()->addQuietly(a))
                        fail(QStringLiteral("\"%1\": production site \"%2\" is assigned twice").arg(r.ownerId, r.id));
                }
            } else {
                p->setModified(MODIFIED_SUSPEND);
                switch (r.kind) {
                case PendingRef::Parent:
                case PendingRef::Prereq: {
                    auto target = procs->item(r.id);
                    if (!target)
                        fail(QStringLiteral("\"%1\": process \"%2\" does not exist").arg(r.ownerId, r.id));
                    else if (target == p)
                        fail(QStringLiteral("process \"%1\" refers to itself").arg(r.ownerId));
                    else if (r.kind == PendingRef::Parent)
                        p->setProcessParent(target);
                    else
                        p->setProcessPrereq(target);
                    break;
                }
                case PendingRef::FileType:
                    if (auto t = m_adm->fileTypes()->item(r.id))
                        p->setFileType(t);
                    else
                        fail(QStringLiteral("\"%1\": file type \"%2\" does not exist").arg(r.ownerId, r.id));
                    break;
                case PendingRef::ProdClass:
                    if (auto c = m_adm->productClasses()->item(r.id))
                        p->setProductClass(c);
                    else
                        fail(QStringLiteral("\"%1\": product class \"%2\" does not exist").arg(r.ownerId, r.id));
                    break;
                default: break;
                }
                p->setModified(MODIFIED_RESUME);
            }
            if (!err.isEmpty() && strict) {
                m_conn.setError(err, r.line);
                strict = false; // the first fault is the one reported
                m_refsFailed = true;
            }
        }
        if (!m_refsFailed && strict)
            return checkParentCycles();
        return !m_refsFailed;
    }

    // A chain of parents that comes back to where it started would send any
    // walk up the tree round for ever.
    bool checkParentCycles()
    {
        const auto procs = m_adm->processes();
        const int n = procs->count();
        for (int i = 1; i <= n; ++i) {
            auto start = procs->item(i, SORT_COLLECTION);
            auto p = start->processParent();
            for (int steps = 0; p; ++steps) {
                if (steps > n || p == start) {
                    m_conn.setError(QStringLiteral("the parents of process \"%1\" form a cycle").arg(start->id()));
                    // The cycle is broken where it was found.
                    start->setModified(MODIFIED_SUSPEND);
                    start->setProcessParent(nullptr);
                    start->setModified(MODIFIED_RESUME);
                    return false;
                }
                p = p->processParent();
            }
        }
        return true;
    }

    static bool markSeen(QSet<QString>& seen, const QString& id)
    {
        const QString key = id.toCaseFolded();
        if (seen.contains(key))
            return false;
        seen.insert(key);
        return true;
    }

    static void settle(const IKalvexObjectPtr& o)
    {
        o->setModified(MODIFIED_RESUME);
        o->setModified(0);
    }
    template <class T>
    static void settleEntry(const std::shared_ptr<T>& o)
    {
        settle(o);
        if constexpr (std::is_same_v<T, IKalvexDistributor>)
            ruvMarkParmsSaved(o->parameters());
        if constexpr (std::is_same_v<T, IKalvexProcess>)
            o->orderKey()->setModified(0);
    }

    KalvexRUVConnection& m_conn;
    IKalvexAdministratorPtr m_adm;
    RUVLoadOptions m_opt;
    RUVMerge m_merge;
    std::shared_ptr<IKalvexADMDbStatus> m_status;
    std::vector<PendingRef> m_refs;
    QSet<QString> m_titlesSeen;
    QHash<QString, std::shared_ptr<IKalvexGenerator>> m_genIndex;
    bool m_refsFailed = false;
};

// ---- writing ---------------------------------------------------------------

template <class T>
void writeEntries(KalvexRUVConnection& conn, const QString& title, const QString& keyword,
                  const std::shared_ptr<IKalvexNamedItemsOf<T>>& coll, const RUVMembers<T>& members,
                  const std::function<void(KalvexKeywordWriter&, int, const T&)>& extra = {})
{
    ruvWriteSectionTitle(conn, title);
    auto& w = conn.writer();
    const int level = conn.writeSectionLevel() + 1;
    for (int i = 1; i <= coll->count(); ++i) {
        const auto item = coll->item(i, SORT_COLLECTION);
        w.writeLine(level, keyword, {kwText(item->id())});
        ruvWriteMembers<T>(w, level + 1, *item, members);
        if (extra)
            extra(w, level + 1, *item);
    }
}

void save(KalvexRUVConnection& conn, const IKalvexAdministrator& adm, const RUVSaveOptions& opt)
{
    auto& w = conn.writer();
    const int level = conn.writeSectionLevel() + 1;
    auto wanted = [&](const QString& t) { return opt.onlySection.isEmpty() || opt.onlySection == t; };
    ruvWriteHead(conn, KalvexRUVConnection::sectionKeywordOf(SOURCE_ID_ADMIN_DB),
                 QStringLiteral("administration database"), opt.withComments);
    if (wanted(kTitleGeneral)) {
        ruvWriteSectionTitle(conn, kTitleGeneral);
        ruvWriteMembers<IKalvexAdministrator>(w, level, adm, generalMembers());
    }
    if (wanted(kTitleStatus)) {
        ruvWriteSectionTitle(conn, kTitleStatus);
        const auto st = adm.statusInfo();
        ruvWriteMembers<IKalvexADMDbStatus>(w, level, *st, statusMembers());
        for (int code : st->modificationDateTypes()) {
            const QString d = st->modificationDate(code);
            if (!d.isEmpty())
                w.writeLine(level, kModDate, {kwInt(code), kwDate(d)});
        }
    }
    if (wanted(kTitleErrorFilters)) {
        ruvWriteSectionTitle(conn, kTitleErrorFilters);
        const auto filters = adm.errorFilters();
        for (int i = 1; i <= filters->count(); ++i) {
            const auto f = filters->item(i, SORT_COLLECTION);
            w.writeLine(level, QStringLiteral("ErrorFilter"), {kwText(f->id())});
            ruvWriteMembers<IKalvexErrorFilter>(w, level + 1, *f, errorFilterMembers());
        }
    }
    if (wanted(kTitleFileTypes))
        writeEntries<IKalvexFileType>(conn, kTitleFileTypes, QStringLiteral("FileType"), adm.fileTypes(),
                                      fileTypeMembers());
    if (wanted(kTitleProdClasses))
        writeEntries<IKalvexProdClass>(conn, kTitleProdClasses, QStringLiteral("ProductClass"), adm.productClasses(),
                                       prodClassMembers());
    if (wanted(kTitleProdSites))
        writeEntries<IKalvexProdSite>(conn, kTitleProdSites, QStringLiteral("ProductionSite"), adm.productionSites(),
                                      prodSiteMembers(), [](KalvexKeywordWriter& w, int lv, const IKalvexProdSite& s) {
                                          for (int line = 1; line <= 4; ++line)
                                              if (!s.address(line).isEmpty())
                                                  w.writeLine(lv, kAddress, {kwInt(line), kwText(s.address(line))});
                                      });
    if (wanted(RUV_TITLE_GENERATORS))
        kalvexRUV_writeGenerators(conn, adm.generators());
    if (wanted(kTitleDistributors))
        writeEntries<IKalvexDistributor>(
            conn, kTitleDistributors, QStringLiteral("Distributor"), adm.distributors(), distributorMembers(),
            [](KalvexKeywordWriter& w, int lv, const IKalvexDistributor& d) {
                const auto as = d.psiteAssignments();
                for (int i = 1; i <= as->count(); ++i) {
                    const auto a = as->item(i, SORT_COLLECTION);
                    if (const auto site = a->productionSite())
                        w.writeLine(lv, kSiteAssignment,
                                    {kwText(site->id()), kwBool(a->inUse()), kwText(a->additionalParms())});
                }
                kalvexRUV_writeParms(w, lv, d.parameters());
            });
    if (wanted(kTitleProcesses))
        writeEntries<IKalvexProcess>(
            conn, kTitleProcesses, QStringLiteral("Process"), adm.processes(), processMembers(),
            [](KalvexKeywordWriter& w, int lv, const IKalvexProcess& p) {
                w.writeLine(lv, QStringLiteral("processParent"), {kwText(idOf(p.processParent()))});
                w.writeLine(lv, QStringLiteral("processPrereq"), {kwText(idOf(p.processPrereq()))});
                w.writeLine(lv, QStringLiteral("fileType"), {kwText(idOf(p.fileType()))});
                w.writeLine(lv, QStringLiteral("productClass"), {kwText(idOf(p.productClass()))});
                const auto as = p.generatorAssignments();
                for (int i = 1; i <= as->count(); ++i) {
                    const auto a = as->item(i, SORT_COLLECTION);
                    if (const auto site = a->productionSite())
                        w.writeLine(lv, kGenAssignment,
                                    {kwText(site->id()), kwText(idOf(a->generator())), kwBool(a->inUse()),
                                     kwText(a->additionalGenParms())});
                }
            });
}

// ---- change counts ---------------------------------------------------------

template <class Coll>
void markItemsSaved(const std::shared_ptr<Coll>& coll, const std::function<void(int)>& each = {})
{
    for (int i = 1; i <= coll->count(); ++i) {
        if (each)
            each(i);
        coll->item(i, SORT_COLLECTION)->setModified(0);
    }
    coll->setModified(0);
}

void markSaved(const IKalvexAdministratorPtr& adm)
{
    adm->statusInfo()->setModified(0);
    markItemsSaved(adm->errorFilters());
    markItemsSaved(adm->fileTypes());
    markItemsSaved(adm->productClasses());
    markItemsSaved(adm->productionSites());
    const auto gens = adm->generators();
    for (int i = 1; i <= gens->count(); ++i) {
        ruvMarkParmsSaved(gens->item(i)->parameters());
        gens->item(i)->setModified(0);
    }
    gens->setModified(0);
    const auto dists = adm->distributors();
    markItemsSaved(dists, [&](int i) {
        const auto d = dists->item(i, SORT_COLLECTION);
        ruvMarkParmsSaved(d->parameters());
        markItemsSaved(d->psiteAssignments());
    });
    const auto procs = adm->processes();
    markItemsSaved(procs, [&](int i) {
        const auto p = procs->item(i, SORT_COLLECTION);
        p->orderKey()->setModified(0);
        markItemsSaved(p->generatorAssignments());
    });
    adm->setModified(0);
}

// Fills a database that no host sees yet (empty, or a copy of the target
// when the load keeps what the target holds), with tracking suspended.
bool readInto(KalvexRUVConnection& conn, const IKalvexAdministratorPtr& adm, const RUVLoadOptions& opt,
              bool defaults)
{
    const std::vector<IKalvexObjectPtr> tracked = {adm->statusInfo(),     adm->errorFilters(), adm->fileTypes(),
                                                   adm->productClasses(), adm->productionSites(), adm->generators(),
                                                   adm->distributors(),   adm->processes(),    adm};
    for (const auto& o : tracked)
        o->setModified(MODIFIED_SUSPEND);
    const bool ok = AdminReader(conn, adm, opt, defaults).read();
    for (const auto& o : tracked) {
        o->setModified(MODIFIED_RESUME);
        o->setModified(0);
    }
    return ok;
}

// Puts the loaded database's content into the target. A load is one reload
// for the host, not thousands of adds and changes: the public raiser is held
// back while the entries move (the database itself, as internal raiser,
// ignores what happens while it is suspended) and hears of one EV_RELOAD.
void takeOver(const IKalvexAdministratorPtr& adm, const IKalvexAdministratorPtr& loaded)
{
    auto* admBase = dynamic_cast<KalvexObjectBase*>(adm.get());
    const auto pubRaiser = admBase ? admBase->eventRaiser() : nullptr;
    adm->setEventRaiser(nullptr);
    // Emptying the database clears its defaults flag, which belongs to the load.
    const bool defaults = adm->defaultsObjectFlag();
    const std::vector<IKalvexObjectPtr> tracked = {adm->statusInfo(),     adm->errorFilters(), adm->fileTypes(),
                                                   adm->productClasses(), adm->productionSites(), adm->generators(),
                                                   adm->distributors(),   adm->processes(),    adm};
    for (const auto& o : tracked)
        o->setModified(MODIFIED_SUSPEND);
    adm->initialize();
    adm->setInternalValue(SET_DEFAULTS_OBJECT_FLAG, defaults);
    adm->setResetTriggerFile(loaded->resetTriggerFile());
    adm->setObjInitDate(loaded->objInitDate());
    adm->statusInfo()->clone(loaded->statusInfo());
    ruvMoveItems(adm->errorFilters(), loaded->errorFilters());
    ruvMoveItems(adm->fileTypes(), loaded->fileTypes());
    ruvMoveItems(adm->productClasses(), loaded->productClasses());
    ruvMoveItems(adm->productionSites(), loaded->productionSites());
    ruvMoveGenerators(adm->generators(), loaded->generators());
    ruvMoveItems(adm->distributors(), loaded->distributors());
    ruvMoveItems(adm->processes(), loaded->processes());
    for (const auto& o : tracked) {
        o->setModified(MODIFIED_RESUME);
        o->setModified(0);
    }
    adm->setEventRaiser(pubRaiser);
    if (admBase && pubRaiser)
        admBase->raiseEvent(EV_RELOAD);
}

bool load(KalvexRUVConnection& conn, const IKalvexAdministratorPtr& adm, const RUVLoadOptions& opt)
{
    // The file is read into a database of its own (a copy of the target when
    // the target is not emptied first), taken over only when the whole file
    // was read: a failed load leaves the target as it was.
    const bool defaults = adm->defaultsObjectFlag();
    auto loaded = classCreate_KalvexAdministrator();
    if (!loaded) {
        conn.setError(QStringLiteral("no administration database could be made for the load"));
        return false;
    }
    loaded->setEnvirVars(adm->envirVars());
    loaded->setMessagesObj(adm->messagesObj());
    if (!opt.clearFirst && !ruvCopyThroughMemory(kalvexRUV_adminHandler(), adm, loaded)) {
        conn.setError(QStringLiteral("the administration database could not be copied for the load"));
        return false;
    }
    loaded->setInternalValue(SET_DEFAULTS_OBJECT_FLAG, defaults);
    RUVLoadOptions into = opt;
    into.clearFirst = false;
    if (!readInto(conn, loaded, into, defaults))
        return false;
    takeOver(adm, loaded);
    return true;
}

} // namespace

KalvexRUVHandler kalvexRUV_adminHandler()
{
    KalvexRUVHandler h;
    h.kindName = QStringLiteral("administration database");
    h.sourceId = SOURCE_ID_ADMIN_DB;
    h.accepts = [](const IKalvexObjectPtr& o) { return dynamic_cast<IKalvexAdministrator*>(o.get()) != nullptr; };
    h.readsSource = [](int s) { return s == SOURCE_ID_ADMIN_DB || s == SOURCE_ID_GENERATORS; };
    h.load = [](KalvexRUVConnection& conn, const IKalvexObjectPtr& o, const RUVLoadOptions& opt) {
        return load(conn, std::dynamic_pointer_cast<IKalvexAdministrator>(o), opt);
    };
    h.save = [](KalvexRUVConnection& conn, const IKalvexObjectPtr& o, const RUVSaveOptions& opt) {
        save(conn, *std::dynamic_pointer_cast<IKalvexAdministrator>(o), opt);
    };
    h.markSaved = [](const IKalvexObjectPtr& o) { markSaved(std::dynamic_pointer_cast<IKalvexAdministrator>(o)); };
    return h;
}

} // namespace kalvex
