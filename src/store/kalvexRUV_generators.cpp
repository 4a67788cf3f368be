#include "store/kalvexRUV_generators.h"

#include <QSet>
#include <charconv>

#include "foundation/objectCast.h"
#include "generators/KalvexGenParm.h"
#include "generators/KalvexGenParms.h"
#include "generators/KalvexGenerator.h"
#include "generators/KalvexGenerators.h"
#include "store/kalvexRUV_scratch.h"

namespace kalvex {

namespace {

const QString kParmText = QLatin1String(RUV_PARM);

const QString kGenerator = QStringLiteral("Generator");

enum GeneratorExtra { GenParm = RUVTable<IKalvexGenerator>::kExtra };

const RUVTable<IKalvexGenerator>& generatorMembers()
{
    using G = IKalvexGenerator;
    static const RUVTable<G> members(
        {
            ruvText<G, &G::name, &G::setName>("name"),
            ruvText<G, &G::description, &G::setDescription>("description"),
            {QStringLiteral("cmdGen"),
             [](const G& g, std::vector<KeywordValue>& v) { v.push_back(kwText(g.cmdGen(false))); },
             [](G& g, const KeywordLine& l) -> QString {
                 QString err;
                 if (!ruvCount(l, 1, &err))
                     return err;
                 g.setCmdGen(l.value(0));
                 return {};
             }},
            ruvText<G, &G::cmdView, &G::setCmdView>("cmdView"),
            ruvText<G, &G::cmdPlot, &G::setCmdPlot>("cmdPlot"),
            ruvText<G, &G::fileExt, &G::setFileExt>("fileExt"),
            ruvText<G, &G::activeXModule, &G::setActiveXModule>("activeXModule"),
            ruvText<G, &G::groupId, &G::setGroupId>("groupId"),
            ruvIntMember<G, &G::reservedItem, &G::setReservedItem>("reservedItem"),
            ruvIntMember<G, &G::intCounter, &G::setIntCounter>("intCounter"),
        },
        {RUV_PARM});
    return members;
}

} // namespace

void ruvMarkParmsSaved(const IKalvexGenParmsPtr& parms)
{
    if (!parms)
        return;
    for (int i = 1; i <= parms->count(); ++i)
        parms->item(i)->setModified(0);
    parms->setModified(0);
}

void kalvexRUV_writeParms(KalvexKeywordWriter& w, int level, const IKalvexGenParmsPtr& parms)
{
    if (!parms)
        return;
    for (int i = 1; i <= parms->count(); ++i) {
        const auto p = parms->item(i);
        if (const auto* held = objectCast<KalvexGenParm>(p.get())) {
            // The texts go out as they are held, without a copy each.
            char type[16];
            const auto end = std::to_chars(type, type + sizeof type, held->parmType()).ptr;
            w.writeViewLine(level, kParmText,
                            {{held->storedName()}, {held->storedValue()}, {QLatin1StringView(type, end), false}});
            continue;
        }
        w.writeLine(level, kParmText, {kwText(p->name()), kwText(p->value(false)), kwInt(p->parmType())});
    }
}

QString kalvexRUV_readParm(const IKalvexGenParmsPtr& parms, const KeywordLine& line)
{
    QString err;
    int type = 0;
    if (!ruvCount(line, 3, &err) || !ruvInt(line, 2, &type, &err))
        return err;
    if (!parms)
        return QStringLiteral("no parameter set to read into");
    // A set being read hears of no addition; add answers the parameter
    // already there under that name (the set did not grow).
    auto* set = objectCast<KalvexGenParms>(parms.get());
    if (set) {
        QString nameHeld, valueHeld;
        if (set->addQuietly(line.valueView(0, &nameHeld), line.valueView(1, &valueHeld), type))
            return {};
    }
    const QString name = line.value(0).trimmed();
    if (name.isEmpty())
        return QStringLiteral("a parameter without a name");
    if (!set) {
        const int before = parms->count();
        if (parms->add(name, line.value(1), type) && parms->count() > before)
            return {};
    }
    if (parms->exists(name))
        return QStringLiteral("parameter \"%1\" appears twice").arg(name);
    return QStringLiteral("parameter \"%1\" could not be added").arg(name);
}

void kalvexRUV_writeGenerators(KalvexRUVConnection& conn, const IKalvexGeneratorsPtr& gens)
{
    ruvWriteSectionTitle(conn, RUV_TITLE_GENERATORS);
    auto& w = conn.writer();
    const int level = conn.writeSectionLevel() + 1;
    for (int i = 1; i <= gens->count(); ++i) {
        const auto g = gens->item(i);
        w.writeLine(level, kGenerator, {kwText(g->id())});
        ruvWriteMembers<IKalvexGenerator>(w, level + 1, *g, generatorMembers());
        kalvexRUV_writeParms(w, level + 1, g->parameters());
    }
}

bool kalvexRUV_readGenerators(KalvexRUVConnection& conn, const IKalvexGeneratorsPtr& gens, RUVMerge merge,
                              RUVIdMap<IKalvexGenerator>* ids)
{
    IKalvexGeneratorPtr current;
    QByteArray currentKey; // the id as written, when it can be looked up so
    const QString what = QStringLiteral("a generator");
    QSet<QString> seen;
    // Ids are unique within the file; only a collection that had entries
    // before needs asking (it looks ids up one by one).
    const bool startedEmpty = gens->count() == 0;
    auto begin = [&](const KeywordLine& entry) -> QString {
        const QString id = entry.value(0).trimmed();
        // Into an empty collection the collection itself refuses a second
        // generator of an id; otherwise the file's ids are tracked.
        if (!startedEmpty) {
            const QString key = id.toCaseFolded();
            if (seen.contains(key))
                return QStringLiteral("generator \"%1\" appears twice").arg(id);
            seen.insert(key);
        }
        current = classCreate_KalvexGenerator();
        if (!current)
            return QStringLiteral("no generator could be made");
        current->setModified(MODIFIED_SUSPEND);
        current->setId(id);
        currentKey = ids && ruvPlainId(entry.values[0], entry.ascii) ? entry.raw(0).toByteArray() : QByteArray();
        return {};
    };
    auto member = [&](const KeywordLine& line) -> QString {
        const int m = generatorMembers().find(line.keyword);
        if (m == GenParm)
            return kalvexRUV_readParm(current->parameters(), line);
        return ruvApplyMemberAt<IKalvexGenerator>(*current, line, generatorMembers(), m, what);
    };
    auto end = [&]() -> QString {
        auto g = current;
        current.reset();
        g->setModified(MODIFIED_RESUME);
        g->setModified(0);
        // A generator read without parameters gets no set made for none.
        auto* made = objectCast<KalvexGenerator>(g.get());
        ruvMarkParmsSaved(made ? made->parametersIfMade() : g->parameters());
        const bool byBytes = !currentKey.isEmpty();
        if (auto existing = startedEmpty ? nullptr : gens->item(g->id())) {
            if (byBytes)
                ids->insert(currentKey, existing);
            if (merge == RUVMerge::Keep)
                return {};
            existing->setModified(MODIFIED_SUSPEND);
            existing->clone(g);
            existing->setModified(MODIFIED_RESUME);
            return {};
        }
        if (!gens->add(g)) {
            if (gens->exists(g->id()))
                return QStringLiteral("generator \"%1\" appears twice").arg(g->id());
            return QStringLiteral("generator \"%1\" could not be added").arg(g->id());
        }
        if (byBytes)
            ids->insert(currentKey, g);
        return {};
    };
    return ruvReadEntries(conn, conn.readSectionLevel() + 1, kGenerator, RUV_TITLE_GENERATORS, begin, member, end);
}

KalvexRUVHandler kalvexRUV_generatorsHandler()
{
    KalvexRUVHandler h;
    h.kindName = QStringLiteral("generator collection");
    h.sourceId = SOURCE_ID_GENERATORS;
    h.accepts = [](const IKalvexObjectPtr& o) { return dynamic_cast<IKalvexGenerators*>(o.get()) != nullptr; };
    h.readsSource = [](int s) { return s == SOURCE_ID_GENERATORS || s == SOURCE_ID_ADMIN_DB; };
    h.load = [](KalvexRUVConnection& conn, const IKalvexObjectPtr& o, const RUVLoadOptions& opt) {
        // Read into a collection of its own, taken over only when the whole
        // file was read: a failed load leaves the target as it was.
        auto gens = std::dynamic_pointer_cast<IKalvexGenerators>(o);
        auto loaded = classCreate_KalvexGenerators();
        if (!loaded) {
            conn.setError(QStringLiteral("no generator collection could be made for the load"));
            return false;
        }
        loaded->setEnvirVars(gens->envirVars());
        if (!opt.clearFirst && !ruvCopyThroughMemory(kalvexRUV_generatorsHandler(), gens, loaded)) {
            conn.setError(QStringLiteral("the generators could not be copied for the load"));
            return false;
        }
        loaded->setModified(MODIFIED_SUSPEND);
        const bool ok = ruvReadSections(
            conn, {KalvexRUVConnection::sectionKeywordOf(SOURCE_ID_GENERATORS),
                   KalvexRUVConnection::sectionKeywordOf(SOURCE_ID_ADMIN_DB)},
            [&](const QString& title, const KeywordLine&) {
                if (title == RUV_TITLE_GENERATORS && (opt.onlySection.isEmpty() || opt.onlySection == title))
                    return kalvexRUV_readGenerators(conn, loaded, RUVMerge::Replace);
                // A database file holds other sections too; they are not ours.
                return ruvSkipSection(conn);
            });
        if (!ok)
            return false;
        gens->setModified(MODIFIED_SUSPEND);
        ruvMoveGenerators(gens, loaded);
        // The generators move at once: hosts hear of one reload. Raised while
        // tracking is suspended, so that it stamps no change.
        if (auto* base = objectCast<KalvexObjectBase>(gens.get()))
            base->raiseEvent(EV_RELOAD);
        gens->setModified(MODIFIED_RESUME);
        gens->setModified(0);
        return true;
    };
    h.save = [](KalvexRUVConnection& conn, const IKalvexObjectPtr& o, const RUVSaveOptions& opt) {
        auto gens = std::dynamic_pointer_cast<IKalvexGenerators>(o);
        ruvWriteHead(conn, KalvexRUVConnection::sectionKeywordOf(SOURCE_ID_GENERATORS), QStringLiteral("generators"),
                     opt.withComments);
        kalvexRUV_writeGenerators(conn, gens);
    };
    h.markSaved = [](const IKalvexObjectPtr& o) {
        auto gens = std::dynamic_pointer_cast<IKalvexGenerators>(o);
        for (int i = 1; i <= gens->count(); ++i) {
            ruvMarkParmsSaved(gens->item(i)->parameters());
            gens->item(i)->setModified(0);
        }
        gens->setModified(0);
    };
    return h;
}

} // namespace kalvex
