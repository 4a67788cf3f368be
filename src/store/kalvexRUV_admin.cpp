#include "store/kalvexRUV_admin.h"

#include <QHash>
#include <QSet>
#include <string>

#include "admin/KalvexADMDbStatus.h"
#include "admin/KalvexAdministrator.h"
#include "admin/KalvexDistributor.h"
#include "admin/KalvexErrorFilter.h"
#include "admin/KalvexFileType.h"
#include "admin/KalvexProdClass.h"
#include "admin/KalvexProdSite.h"
#include "admin/KalvexPsiteAssignment.h"
#include "foundation/objectCast.h"
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

// Keywords of the lines the readers take themselves, written and read by
// the same names.
constexpr char kModDate[] = "modificationDate";
constexpr char kAddress[] = "address";
constexpr char kSiteAssignment[] = "siteAssignment";
constexpr char kProcessParent[] = "processParent";
constexpr char kProcessPrereq[] = "processPrereq";
constexpr char kFileType[] = "fileType";
constexpr char kProductClass[] = "productClass";
constexpr char kGenAssignment[] = "genAssignment";

// The same as texts, for the writer.
const QString kModDateText = QLatin1String(kModDate);
const QString kAddressText = QLatin1String(kAddress);
const QString kSiteAssignmentText = QLatin1String(kSiteAssignment);
const QString kProcessParentText = QLatin1String(kProcessParent);
const QString kProcessPrereqText = QLatin1String(kProcessPrereq);
const QString kFileTypeText = QLatin1String(kFileType);
const QString kProductClassText = QLatin1String(kProductClass);
const QString kGenAssignmentText = QLatin1String(kGenAssignment);

// ---- member tables ---------------------------------------------------------

const RUVTable<IKalvexAdministrator>& generalMembers()
{
    using A = IKalvexAdministrator;
    static const RUVTable<A> m({
        ruvText<A, &A::resetTriggerFile, &A::setResetTriggerFile>("resetTriggerFile"),
        ruvDateMember<A, &A::objInitDate, &A::setObjInitDate>("objInitDate"),
    });
    return m;
}

enum StatusExtra { ModDate = RUVTable<IKalvexADMDbStatus>::kExtra };

const RUVTable<IKalvexADMDbStatus>& statusMembers()
{
    using S = IKalvexADMDbStatus;
    static const RUVTable<S> m(
        {
            ruvIntMember<S, &S::dbVersion, &S::setDbVersion>("dbVersion"),
            ruvIntMember<S, &S::dbRevision, &S::setDbRevision>("dbRevision"),
            ruvIntMember<S, &S::dbSubRevision, &S::setDbSubRevision>("dbSubRevision"),
            ruvIntMember<S, &S::dbType, &S::setDbType>("dbType"),
            ruvIntMember<S, &S::maxLayers, &S::setMaxLayers>("maxLayers"),
        },
        {kModDate});
    return m;
}

const RUVTable<IKalvexErrorFilter>& errorFilterMembers()
{
    using E = IKalvexErrorFilter;
    static const RUVTable<E> m({
        ruvIntMember<E, &E::order, &E::setOrder>("order"),
        ruvText<E, &E::actionString, &E::setActionString>("actionString"),
        ruvText<E, &E::expression, &E::setExpression>("expression"),
        ruvText<E, &E::description, &E::setDescription>("description"),
        ruvText<E, &E::applList, &E::setApplList>("applList"),
    });
    return m;
}

// name, description, reservedItem and, where the kind has one, intCounter.
template <class T>
RUVMembers<T> entryMembers(bool withCounter)
{
    RUVMembers<T> m = {
        ruvText<T, &T::name, &T::setName>("name"),
        ruvText<T, &T::description, &T::setDescription>("description"),
        ruvIntMember<T, &T::reservedItem, &T::setReservedItem>("reservedItem"),
    };
    if (withCounter)
        m.push_back(ruvIntMember<T, &T::intCounter, &T::setIntCounter>("intCounter"));
    return m;
}

const RUVTable<IKalvexFileType>& fileTypeMembers()
{
    static const RUVTable<IKalvexFileType> m(entryMembers<IKalvexFileType>(true));
    return m;
}

const RUVTable<IKalvexProdClass>& prodClassMembers()
{
    static const RUVTable<IKalvexProdClass> m(entryMembers<IKalvexProdClass>(true));
    return m;
}

// The keywords each kind's reader takes itself, in RUVTable extra order.
enum SiteExtra { Address = RUVTable<IKalvexProdSite>::kExtra };
enum DistributorExtra { DistParm = RUVTable<IKalvexDistributor>::kExtra, SiteAssignment };
enum ProcessExtra {
    ProcParent = RUVTable<IKalvexProcess>::kExtra,
    ProcPrereq,
    ProcFileType,
    ProcProductClass,
    ProcGenAssignment
};

const RUVTable<IKalvexProdSite>& prodSiteMembers()
{
    using P = IKalvexProdSite;
    static const RUVTable<P> m(
        [] {
            auto m = entryMembers<P>(true);
            m.push_back(ruvText<P, &P::emailData, &P::setEmailData>("emailData"));
            m.push_back(ruvBoolMember<P, &P::emailNotify, &P::setEmailNotify>("emailNotify"));
            m.push_back(ruvIntMember<P, &P::displayOrder, &P::setDisplayOrder>("displayOrder"));
            return m;
        }(),
        {kAddress});
    return m;
}

const RUVTable<IKalvexDistributor>& distributorMembers()
{
    using D = IKalvexDistributor;
    static const RUVTable<D> m(
        [] {
            auto m = entryMembers<D>(false);
            m.push_back(ruvBoolMember<D, &D::translateFileNames, &D::setTranslateFileNames>("translateFileNames"));
            m.push_back(ruvBoolMember<D, &D::completeSet, &D::setCompleteSet>("completeSet"));
            m.push_back(ruvText<D, &D::groupId, &D::setGroupId>("groupId"));
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
        }(),
        {RUV_PARM, kSiteAssignment});
    return m;
}

const RUVTable<IKalvexProcess>& processMembers()
{
    using P = IKalvexProcess;
    static const RUVTable<P> m(
        [] {
            auto m = entryMembers<P>(true);
            m.push_back(ruvText<P, &P::distribName, &P::setDistribName>("distribName"));
            m.push_back(ruvIntMember<P, &P::processType, &P::setProcessType>("processType"));
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
            m.push_back(ruvIntMember<P, &P::layerType, &P::setLayerType>("layerType"));
            m.push_back(ruvIntMember<P, &P::layerFrom, &P::setLayerFrom>("layerFrom"));
            m.push_back(ruvIntMember<P, &P::layerTo, &P::setLayerTo>("layerTo"));
            m.push_back(ruvBoolMember<P, &P::shareData, &P::setShareData>("shareData"));
            m.push_back(ruvBoolMember<P, &P::regenForVariant, &P::setRegenForVariant>("regenForVariant"));
            m.push_back(ruvIntMember<P, &P::processUse, &P::setProcessUse>("processUse"));
            return m;
        }(),
        {kProcessParent, kProcessPrereq, kFileType, kProductClass, kGenAssignment});
    return m;
}

QString idOf(const std::shared_ptr<IKalvexNamedItem>& item) { return item ? item->id() : QString(); }

// ---- references --------------------------------------------------------------

// A text of a reference: where its bytes lie in the reader's own store.
struct RefText {
    quint32 at = 0;
    quint32 size = 0;
    bool caret = false;
};

// A reference read from a member line, compact: its texts are kept as
// written, in one byte store per entry (and one for those that wait). Most
// are applied when their entry ends (what they name was read before), the
// rest once the file was read.
struct PendingRef {
    enum Kind : quint8 { Parent, Prereq, FileType, ProdClass, GenAssignment, SiteAssignment };
    RefText id; // the referenced entry (the site for assignments)
    RefText generatorId;
    RefText text;
    // The owner: a process, or a distributor for site assignments; kept
    // alive by its collection for the whole load.
    IKalvexProcess* process = nullptr;
    IKalvexDistributor* distributor = nullptr;
    int line = 0;
    Kind kind = Parent;
    bool inUse = false;
    bool ascii = true;
};

RefText keep(std::string& store, const KeywordToken& t)
{
    RefText r{static_cast<quint32>(store.size()), static_cast<quint32>(t.bytes.size()), t.caret};
    store.append(t.bytes.data(), static_cast<size_t>(t.bytes.size()));
    return r;
}

RefText keep(std::string& to, const std::string& from, const RefText& t)
{
    RefText r{static_cast<quint32>(to.size()), t.size, t.caret};
    to.append(from, t.at, t.size);
    return r;
}

KeywordToken tokenOf(const std::string& store, const RefText& t)
{
    return {QByteArrayView(store.data() + t.at, t.size), true, t.caret};
}

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
                                                &classCreate_KalvexFileType, fileTypeMembers(), "file type",
                                                &m_fileTypeIds);
        if (title == kTitleProdClasses)
            return readEntries<IKalvexProdClass>(m_adm->productClasses(), QStringLiteral("ProductClass"), title,
                                                 &classCreate_KalvexProdClass, prodClassMembers(), "product class",
                                                 &m_classIds);
        if (title == kTitleProdSites)
            return readEntries<IKalvexProdSite>(m_adm->productionSites(), QStringLiteral("ProductionSite"), title,
                                                &classCreate_KalvexProdSite, prodSiteMembers(), "production site",
                                                &m_siteIds);
        if (title == RUV_TITLE_GENERATORS)
            return kalvexRUV_readGenerators(m_conn, m_adm->generators(), m_merge, &m_genIds);
        if (title == kTitleDistributors)
            return readEntries<IKalvexDistributor>(m_adm->distributors(), QStringLiteral("Distributor"), title,
                                                   &classCreate_KalvexDistributor, distributorMembers(),
                                                   "distributor", nullptr);
        if (title == kTitleProcesses)
            return readEntries<IKalvexProcess>(m_adm->processes(), QStringLiteral("Process"), title,
                                               &classCreate_KalvexProcess, processMembers(), "process",
                                               &m_processIds);
        return ruvFail(m_conn, line, QStringLiteral("unknown section \"%1\" in an administration database").arg(title));
    }

    bool readGeneral(int memberLevel)
    {
        // A defaults file's general parameters describe it, not the database.
        auto scratch = m_adm;
        return ruvReadMembers(m_conn, memberLevel, [&](const KeywordLine& l) -> QString {
            if (m_merge == RUVMerge::Keep && generalMembers().find(l.keyword) >= 0)
                return {};
            return ruvApplyMember<IKalvexAdministrator>(*scratch, l, generalMembers(),
                                                        QStringLiteral("the general parameters"));
        });
    }

    bool readStatus(int memberLevel)
    {
        m_status = classCreate_KalvexADMDbStatus();
        m_status->setModified(MODIFIED_SUSPEND);
        return ruvReadMembers(m_conn, memberLevel, [&](const KeywordLine& l) -> QString {
            const int m = statusMembers().find(l.keyword);
            if (m == ModDate) {
                QString err, date;
                int code = 0;
                if (!ruvCount(l, 2, &err) || !ruvInt(l, 0, &code, &err) || !ruvDate(l, 1, &date, &err))
                    return err;
                if (code < OBJ_ADMIN_DB || code > OBJ_LOCAL_ADMIN_DB_STATUS)
                    return QStringLiteral("%1 is not an object-type code (1 to 10)").arg(code);
                m_status->setModificationDate(code, date);
                return {};
            }
            return ruvApplyMemberAt<IKalvexADMDbStatus>(*m_status, l, statusMembers(), m,
                                                        QStringLiteral("the status info"));
        });
    }

    bool readErrorFilters()
    {
        auto filters = m_adm->errorFilters();
        std::shared_ptr<IKalvexErrorFilter> current;
        QSet<QString> seen;
        const QString what = QStringLiteral("an error filter");
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
            [&](const KeywordLine& l) { return ruvApplyMember<IKalvexErrorFilter>(*current, l, errorFilterMembers(), what); },
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
                     const QString& title, std::shared_ptr<T> (*make)(), const RUVTable<T>& members,
                     const char* what, RUVIdMap<T>* ids)
    {
        std::shared_ptr<T> current;
        QByteArray currentKey; // the id as written, when it can be looked up so
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
                currentKey = ids && ruvPlainId(e.values[0], e.ascii) ? e.raw(0).toByteArray() : QByteArray();
                refs.clear();
                m_entryBytes.clear();
                return {};
            },
            [&](const KeywordLine& l) -> QString {
                const int m = members.find(l.keyword);
                if (m >= RUVTable<T>::kExtra) {
                    QString err;
                    extraMember(*current, l, m, refs, &err);
                    return err;
                }
                return ruvApplyMemberAt<T>(*current, l, members, m, aKind);
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
                if (!currentKey.isEmpty())
                    ids->insert(currentKey, target);
                // Once one reference waits, the entry's later ones wait
                // behind it, so they apply in the file's order.
                bool waiting = false;
                for (auto& r : refs) {
                    if constexpr (std::is_same_v<T, IKalvexProcess>)
                        r.process = target.get();
                    if constexpr (std::is_same_v<T, IKalvexDistributor>)
                        r.distributor = target.get();
                    QString err;
                    // A fault waits too: it is reported in the file's order.
                    if (waiting || !apply(r, m_entryBytes, false, &err) || !err.isEmpty()) {
                        waiting = true;
                        PendingRef w = r;
                        w.id = keep(m_refBytes, m_entryBytes, r.id);
                        w.generatorId = keep(m_refBytes, m_entryBytes, r.generatorId);
                        w.text = keep(m_refBytes, m_entryBytes, r.text);
                        m_refs.push_back(w);
                    }
                }
                return {};
            });
    }

    // Members that are lists or references, by their extra number.
    void extraMember(IKalvexProdSite& site, const KeywordLine& l, int, std::vector<PendingRef>&, QString* err)
    {
        int line = 0;
        if (!ruvCount(l, 2, err) || !ruvInt(l, 0, &line, err))
            return;
        if (line < 1 || line > 4)
            *err = QStringLiteral("address line %1 is not between 1 and 4").arg(line);
        else
            site.setAddress(line, l.value(1));
    }
    void extraMember(IKalvexDistributor& d, const KeywordLine& l, int which, std::vector<PendingRef>& refs,
                     QString* err)
    {
        if (which == DistParm) {
            *err = kalvexRUV_readParm(d.parameters(), l);
            return;
        }
        PendingRef r;
        r.kind = PendingRef::SiteAssignment;
        r.line = l.lineNumber;
        r.ascii = l.ascii;
        if (ruvCount(l, 3, err) && ruvBool(l, 1, &r.inUse, err)) {
            r.id = keep(m_entryBytes, l.values[0]);
            r.text = keep(m_entryBytes, l.values[2]);
            refs.push_back(r);
        }
    }
    void extraMember(IKalvexProcess&, const KeywordLine& l, int which, std::vector<PendingRef>& refs, QString* err)
    {
        PendingRef r;
        r.line = l.lineNumber;
        r.ascii = l.ascii;
        if (which != ProcGenAssignment) {
            if (!ruvCount(l, 1, err))
                return;
            r.kind = which == ProcParent     ? PendingRef::Parent
                     : which == ProcPrereq   ? PendingRef::Prereq
                     : which == ProcFileType ? PendingRef::FileType
                                             : PendingRef::ProdClass;
            // An empty reference is no reference.
            if (!ruvPlainId(l.values[0], l.ascii) && l.value(0).trimmed().isEmpty())
                return;
            r.id = keep(m_entryBytes, l.values[0]);
            refs.push_back(r);
            return;
        }
        r.kind = PendingRef::GenAssignment;
        if (ruvCount(l, 4, err) && ruvBool(l, 2, &r.inUse, err)) {
            r.id = keep(m_entryBytes, l.values[0]);
            r.generatorId = keep(m_entryBytes, l.values[1]);
            r.text = keep(m_entryBytes, l.values[3]);
            refs.push_back(r);
        }
    }
    template <class T>
    void extraMember(T&, const KeywordLine&, int, std::vector<PendingRef>&, QString*)
    {
    }

    enum class Found { Yes, Later, No };

    // The entry a reference names: through the file's ids when written as
    // they were, else (or once the whole file was read) the collection's
    // own look-up.
    template <class T, class Lookup>
    Found find(const RUVIdMap<T>& ids, const KeywordToken& t, bool ascii, bool last, Lookup lookup,
               std::shared_ptr<T>* out)
    {
        if (ruvPlainId(t, ascii)) {
            if ((*out = ruvFindId(ids, t.bytes)))
                return Found::Yes;
        }
        if (!last)
            return Found::Later;
        *out = lookup(kalvexRUV_tokenText(t, ascii).trimmed());
        return *out ? Found::Yes : Found::No;
    }

    // Applies one reference; false when what it names may still come (only
    // before the file was read to its end). A fault goes into *err.
    bool apply(const PendingRef& r, const std::string& bytes, bool last, QString* err)
    {
        const KeywordToken id = tokenOf(bytes, r.id);
        const KeywordToken generatorId = tokenOf(bytes, r.generatorId);
        auto ownerId = [&] { return r.process ? r.process->id() : r.distributor->id(); };
        auto idText = [&] { return kalvexRUV_tokenText(id, r.ascii); };
        if (r.kind == PendingRef::SiteAssignment || r.kind == PendingRef::GenAssignment) {
            const auto sites = m_adm->productionSites();
            std::shared_ptr<IKalvexProdSite> site;
            const Found fs = find(m_siteIds, id, r.ascii, last,
                                  [&](const QString& id) { return sites->item(id); }, &site);
            if (fs == Found::Later)
                return false;
            std::shared_ptr<IKalvexGenerator> gen;
            Found fg = Found::Yes;
            if (fs == Found::Yes && r.kind == PendingRef::GenAssignment &&
                !(generatorId.bytes.isEmpty() && !generatorId.caret)) {
                fg = find(m_genIds, generatorId, r.ascii, last,
                          [&](const QString& id) { return id.isEmpty() ? nullptr : generatorById(id); }, &gen);
                if (fg == Found::Later)
                    return false;
                // A generator id of blanks only is none.
                if (fg == Found::No && kalvexRUV_tokenText(generatorId, r.ascii).trimmed().isEmpty())
                    fg = Found::Yes;
            }
            if (fs == Found::No)
                *err = QStringLiteral("\"%1\": production site \"%2\" does not exist").arg(ownerId(), idText());
            else if (fg == Found::No)
                *err = QStringLiteral("\"%1\": generator \"%2\" does not exist")
                           .arg(ownerId(), kalvexRUV_tokenText(generatorId, r.ascii).trimmed());
            else if (r.kind == PendingRef::SiteAssignment) {
                auto a = classCreate_KalvexPsiteAssignment();
                a->setModified(MODIFIED_SUSPEND);
                a->setProductionSite(site);
                a->setInUse(r.inUse);
                a->setAdditionalParms(kalvexRUV_tokenText(tokenOf(bytes, r.text), r.ascii));
                settle(a);
                if (!r.distributor->psiteAssignments()->addQuietly(a))
                    *err = QStringLiteral("\"%1\": production site \"%2\" is assigned twice").arg(ownerId(), idText());
            } else {
                const std::shared_ptr<IKalvexGenAssignment> a = KalvexGenAssignment::create(
                    site, gen, r.inUse, kalvexRUV_tokenText(tokenOf(bytes, r.text), r.ascii));
                if (!r.process->generatorAssignments()->addQuietly(a))
                    *err = QStringLiteral("\"%1\": production site \"%2\" is assigned twice").arg(ownerId(), idText());
            }
            return true;
        }
        IKalvexProcess* p = r.process;
        switch (r.kind) {
        case PendingRef::Parent:
        case PendingRef::Prereq: {
            const auto procs = m_adm->processes();
            std::shared_ptr<IKalvexProcess> target;
            const Found f = find(m_processIds, id, r.ascii, last,
                                 [&](const QString& id) { return procs->item(id); }, &target);
            if (f == Found::Later)
                return false;
            p->setModified(MODIFIED_SUSPEND);
            if (f == Found::No)
                *err = QStringLiteral("\"%1\": process \"%2\" does not exist").arg(ownerId(), idText().trimmed());
            else if (target.get() == p)
                *err = QStringLiteral("process \"%1\" refers to itself").arg(ownerId());
            else if (r.kind == PendingRef::Parent)
                p->setProcessParent(target);
            else
                p->setProcessPrereq(target);
            break;
        }
        case PendingRef::FileType: {
            const auto types = m_adm->fileTypes();
            std::shared_ptr<IKalvexFileType> t;
            const Found f = find(m_fileTypeIds, id, r.ascii, last,
                                 [&](const QString& id) { return types->item(id); }, &t);
            if (f == Found::Later)
                return false;
            p->setModified(MODIFIED_SUSPEND);
            if (f == Found::Yes)
                p->setFileType(t);
            else
                *err = QStringLiteral("\"%1\": file type \"%2\" does not exist").arg(ownerId(), idText().trimmed());
            break;
        }
        case PendingRef::ProdClass: {
            const auto classes = m_adm->productClasses();
            std::shared_ptr<IKalvexProdClass> c;
            const Found f = find(m_classIds, id, r.ascii, last,
                                 [&](const QString& id) { return classes->item(id); }, &c);
            if (f == Found::Later)
                return false;
            p->setModified(MODIFIED_SUSPEND);
            if (f == Found::Yes)
                p->setProductClass(c);
            else
                *err = QStringLiteral("\"%1\": product class \"%2\" does not exist").arg(ownerId(), idText().trimmed());
            break;
        }
        default: return true;
        }
        p->setModified(MODIFIED_RESUME);
        return true;
    }

    // The generator collection looks ids up one by one; names that did not
    // match as written are looked up through one table instead.
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

    // Applies the references that waited for the whole file.
    bool resolve(bool strict)
    {
        for (const auto& r : m_refs) {
            QString err;
            apply(r, m_refBytes, true, &err);
            if (!err.isEmpty() && strict) {
                m_conn.setError(err, r.line);
                strict = false; // the first fault is the one reported
                m_refsFailed = true;
            }
        }
        m_refs.clear();
        m_refs.shrink_to_fit();
        m_refBytes.clear();
        m_refBytes.shrink_to_fit();
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
    std::vector<PendingRef> m_refs; // those that wait for the whole file
    std::string m_refBytes;         // their texts
    std::string m_entryBytes;       // the texts of the current entry's references
    QSet<QString> m_titlesSeen;
    RUVIdMap<IKalvexProdSite> m_siteIds;
    RUVIdMap<IKalvexFileType> m_fileTypeIds;
    RUVIdMap<IKalvexProdClass> m_classIds;
    RUVIdMap<IKalvexGenerator> m_genIds;
    RUVIdMap<IKalvexProcess> m_processIds;
    QHash<QString, std::shared_ptr<IKalvexGenerator>> m_genIndex;
    bool m_refsFailed = false;
};

// ---- writing ---------------------------------------------------------------

template <class T>
void writeEntries(KalvexRUVConnection& conn, const QString& title, const QString& keyword,
                  const std::shared_ptr<IKalvexNamedItemsOf<T>>& coll, const RUVTable<T>& members,
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
                w.writeLine(level, kModDateText, {kwInt(code), kwDate(d)});
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
                                                  w.writeLine(lv, kAddressText, {kwInt(line), kwText(s.address(line))});
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
                        w.writeLine(lv, kSiteAssignmentText,
                                    {kwText(site->id()), kwBool(a->inUse()), kwText(a->additionalParms())});
                }
                kalvexRUV_writeParms(w, lv, d.parameters());
            });
    if (wanted(kTitleProcesses))
        writeEntries<IKalvexProcess>(
            conn, kTitleProcesses, QStringLiteral("Process"), adm.processes(), processMembers(),
            [](KalvexKeywordWriter& w, int lv, const IKalvexProcess& p) {
                w.writeLine(lv, kProcessParentText, {kwText(idOf(p.processParent()))});
                w.writeLine(lv, kProcessPrereqText, {kwText(idOf(p.processPrereq()))});
                w.writeLine(lv, kFileTypeText, {kwText(idOf(p.fileType()))});
                w.writeLine(lv, kProductClassText, {kwText(idOf(p.productClass()))});
                const auto as = p.generatorAssignments();
                for (int i = 1; i <= as->count(); ++i) {
                    const auto a = as->item(i, SORT_COLLECTION);
                    if (const auto site = a->productionSite())
                        w.writeLine(lv, kGenAssignmentText,
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
    // The collections' internal raiser is the database, which ignores what
    // happens while it is suspended: detached for the read, the thousands of
    // adds and changes cost no event.
    std::vector<std::pair<KalvexObjectBase*, std::shared_ptr<IBrenloEventRaiser>>> raisers;
    for (const auto& o : tracked)
        if (auto* base = objectCast<KalvexObjectBase>(o.get()); base && base->ownInternalEventRaiser()) {
            raisers.emplace_back(base, base->ownInternalEventRaiser());
            base->setInternalEventRaiser(nullptr);
        }
    const bool ok = AdminReader(conn, adm, opt, defaults).read();
    for (const auto& [base, raiser] : raisers)
        base->setInternalEventRaiser(raiser);
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
