#include "store/kalvexRUV_jobprefs.h"

#include "interfaces/IKalvexJobPreferences.h"
#include "jobprefs/KalvexJobLayer.h"
#include "jobprefs/KalvexJobPreferences.h"
#include "jobprefs/KalvexJobViaSpan.h"
#include "store/kalvexRUV_common.h"
#include "store/kalvexRUV_scratch.h"

namespace kalvex {

namespace {

const QString kTitleHeader = QStringLiteral("Job preferences");
const QString kTitleLayers = QStringLiteral("Layers");
const QString kTitleViaSpans = QStringLiteral("Via spans");
const QString kLayer = QStringLiteral("Layer");
const QString kViaSpan = QStringLiteral("ViaSpan");

const RUVTable<IKalvexJobPreferences>& headerMembers()
{
    using J = IKalvexJobPreferences;
    static const RUVTable<J> members({
        ruvIntMember<J, &J::numPhysicalLayers, &J::setNumPhysicalLayers>("numPhysicalLayers"),
        ruvText<J, &J::padstackTechnology, &J::setPadstackTechnology>("padstackTechnology"),
        ruvText<J, &J::substrateTop, &J::setSubstrateTop>("substrateTop"),
        ruvText<J, &J::substrateBottom, &J::setSubstrateBottom>("substrateBottom"),
        ruvText<J, &J::units, &J::setUnits>("units"),
    });
    return members;
}

const RUVTable<IKalvexJobLayer>& layerMembers()
{
    using L = IKalvexJobLayer;
    static const RUVTable<L> members({
        ruvText<L, &L::id, &L::setId>("id"),
        ruvText<L, &L::description, &L::setDescription>("description"),
        ruvText<L, &L::technology, &L::setTechnology>("technology"),
        ruvText<L, &L::biasDirectional, &L::setBiasDirectional>("biasDirectional"),
        ruvText<L, &L::planeNets, &L::setPlaneNets>("planeNets"),
        ruvIntMember<L, &L::condLayerNumber, &L::setCondLayerNumber>("condLayerNumber"),
        ruvIntMember<L, &L::layerType, &L::setLayerType>("layerType"),
        ruvDoubleMember<L, &L::resistivity, &L::setResistivity>("resistivity"),
        ruvDoubleMember<L, &L::thickNess, &L::setThickNess>("thickNess"),
        ruvDoubleMember<L, &L::dielConstant, &L::setDielConstant>("dielConstant"),
        ruvBoolMember<L, &L::enabled, &L::setEnabled>("enabled"),
    });
    return members;
}

const RUVTable<IKalvexJobViaSpan>& viaSpanMembers()
{
    using V = IKalvexJobViaSpan;
    static const RUVTable<V> members({
        ruvIntMember<V, &V::layerFrom, &V::setLayerFrom>("layerFrom"),
        ruvIntMember<V, &V::layerTo, &V::setLayerTo>("layerTo"),
        ruvText<V, &V::padstackName, &V::setPadstackName>("padstackName"),
        ruvDoubleMember<V, &V::delay, &V::setDelay>("delay"),
        ruvDoubleMember<V, &V::grid, &V::setGrid>("grid"),
        ruvDoubleMember<V, &V::capacitance, &V::setCapacitance>("capacitance"),
    });
    return members;
}

void save(KalvexRUVConnection& conn, const IKalvexJobPreferences& jp, const RUVSaveOptions& opt)
{
    auto& w = conn.writer();
    const int level = conn.writeSectionLevel() + 1;
    ruvWriteHead(conn, KalvexRUVConnection::sectionKeywordOf(SOURCE_ID_JOB_PREFERENCES),
                 QStringLiteral("job preferences"), opt.withComments);
    auto wanted = [&](const QString& t) { return opt.onlySection.isEmpty() || opt.onlySection == t; };
    if (wanted(kTitleHeader)) {
        ruvWriteSectionTitle(conn, kTitleHeader);
        ruvWriteMembers<IKalvexJobPreferences>(w, level, jp, headerMembers());
    }
    if (wanted(kTitleLayers)) {
        ruvWriteSectionTitle(conn, kTitleLayers);
        const auto layers = jp.layers();
        for (int i = 1; i <= layers->count(); ++i) {
            w.writeLine(level, kLayer, {kwInt(i)});
            ruvWriteMembers<IKalvexJobLayer>(w, level + 1, *layers->item(i), layerMembers());
        }
    }
    if (wanted(kTitleViaSpans)) {
        ruvWriteSectionTitle(conn, kTitleViaSpans);
        const auto spans = jp.viaSpans();
        for (int i = 1; i <= spans->count(); ++i) {
            w.writeLine(level, kViaSpan, {kwInt(i)});
            ruvWriteMembers<IKalvexJobViaSpan>(w, level + 1, *spans->item(i), viaSpanMembers());
        }
    }
}

// Reads the entries of a list section: each new object filled quietly and
// appended without events.
template <class T>
bool readList(KalvexRUVConnection& conn, const QString& keyword, const QString& title,
              std::shared_ptr<T> (*make)(), const RUVTable<T>& members,
              const std::function<bool(const std::shared_ptr<T>&)>& append, const QString& what)
{
    std::shared_ptr<T> current;
    return ruvReadEntries(
        conn, conn.readSectionLevel() + 1, keyword, title,
        [&](const KeywordLine&) -> QString {
            current = make();
            if (!current)
                return QStringLiteral("no %1 could be made").arg(what);
            current->setModified(MODIFIED_SUSPEND);
            return {};
        },
        [&](const KeywordLine& line) { return ruvApplyMember<T>(*current, line, members, what); },
        [&]() -> QString {
            auto obj = std::move(current);
            obj->setModified(MODIFIED_RESUME);
            obj->setModified(0);
            if (!append(obj))
                return QStringLiteral("the %1 could not be added").arg(what);
            return {};
        });
}

bool readInto(KalvexRUVConnection& conn, const IKalvexJobPreferencesPtr& jp, const RUVLoadOptions& opt)
{
    const auto layers = jp->layers();
    const auto spans = jp->viaSpans();
    jp->setModified(MODIFIED_SUSPEND);
    if (opt.clearFirst)
        jp->initialize();
    jp->setModified(MODIFIED_SUSPEND);
    layers->setModified(MODIFIED_SUSPEND);
    spans->setModified(MODIFIED_SUSPEND);
    const int memberLevel = conn.readSectionLevel() + 1;
    const bool ok = ruvReadSections(
        conn, {KalvexRUVConnection::sectionKeywordOf(SOURCE_ID_JOB_PREFERENCES)},
        [&](const QString& title, const KeywordLine& line) {
            if (!opt.onlySection.isEmpty() && opt.onlySection != title)
                return ruvSkipSection(conn);
            if (title == kTitleHeader)
                return ruvReadMembers(conn, memberLevel, [&](const KeywordLine& l) {
                    return ruvApplyMember<IKalvexJobPreferences>(*jp, l, headerMembers(),
                                                                 QStringLiteral("the job preferences"));
                });
            if (title == kTitleLayers)
                return readList<IKalvexJobLayer>(
                    conn, kLayer, title, &classCreate_KalvexJobLayer, layerMembers(),
                    [&](const IKalvexJobLayerPtr& l) { return layers->addQuietly(l); }, QStringLiteral("layer"));
            if (title == kTitleViaSpans)
                return readList<IKalvexJobViaSpan>(
                    conn, kViaSpan, title, &classCreate_KalvexJobViaSpan, viaSpanMembers(),
                    [&](const IKalvexJobViaSpanPtr& s) { return spans->addQuietly(s); }, QStringLiteral("via span"));
            return ruvFail(conn, line, QStringLiteral("unknown section \"%1\" in job preferences").arg(title));
        });
    for (const IKalvexObjectPtr& o : {IKalvexObjectPtr(layers), IKalvexObjectPtr(spans), IKalvexObjectPtr(jp)}) {
        o->setModified(MODIFIED_RESUME);
        o->setModified(0);
    }
    return ok;
}

// Puts loaded preferences into the target, which keeps its own objects.
void takeOver(const IKalvexJobPreferencesPtr& jp, const IKalvexJobPreferencesPtr& loaded)
{
    const auto layers = jp->layers();
    const auto spans = jp->viaSpans();
    const std::vector<IKalvexObjectPtr> tracked = {layers, spans, jp};
    for (const auto& o : tracked)
        o->setModified(MODIFIED_SUSPEND);
    jp->initialize();
    for (const auto& o : tracked)
        o->setModified(MODIFIED_SUSPEND);
    jp->setNumPhysicalLayers(loaded->numPhysicalLayers());
    jp->setPadstackTechnology(loaded->padstackTechnology());
    jp->setSubstrateTop(loaded->substrateTop());
    jp->setSubstrateBottom(loaded->substrateBottom());
    jp->setUnits(loaded->units());
    std::vector<IKalvexJobLayerPtr> movedLayers;
    for (int i = 1; i <= loaded->layers()->count(); ++i)
        movedLayers.push_back(loaded->layers()->item(i));
    std::vector<IKalvexJobViaSpanPtr> movedSpans;
    for (int i = 1; i <= loaded->viaSpans()->count(); ++i)
        movedSpans.push_back(loaded->viaSpans()->item(i));
    loaded->layers()->clear();
    loaded->viaSpans()->clear();
    for (const auto& l : movedLayers)
        layers->addQuietly(l);
    for (const auto& v : movedSpans)
        spans->addQuietly(v);
    for (const auto& o : tracked) {
        o->setModified(MODIFIED_RESUME);
        o->setModified(0);
    }
}

// Reads into preferences of their own and takes them over only when the
// whole file was read: a failed load leaves the target as it was.
bool load(KalvexRUVConnection& conn, const IKalvexJobPreferencesPtr& jp, const RUVLoadOptions& opt)
{
    auto loaded = classCreate_KalvexJobPreferences();
    if (!loaded) {
        conn.setError(QStringLiteral("no job preferences could be made for the load"));
        return false;
    }
    loaded->setMessagesObj(jp->messagesObj());
    if (!opt.clearFirst && !ruvCopyThroughMemory(kalvexRUV_jobPrefsHandler(), jp, loaded)) {
        conn.setError(QStringLiteral("the job preferences could not be copied for the load"));
        return false;
    }
    RUVLoadOptions into = opt;
    into.clearFirst = false;
    if (!readInto(conn, loaded, into))
        return false;
    takeOver(jp, loaded);
    return true;
}

void markSaved(const IKalvexJobPreferencesPtr& jp)
{
    const auto layers = jp->layers();
    for (int i = 1; i <= layers->count(); ++i)
        layers->item(i)->setModified(0);
    const auto spans = jp->viaSpans();
    for (int i = 1; i <= spans->count(); ++i)
        spans->item(i)->setModified(0);
    layers->setModified(0);
    spans->setModified(0);
    jp->setModified(0);
}

} // namespace

KalvexRUVHandler kalvexRUV_jobPrefsHandler()
{
    KalvexRUVHandler h;
    h.kindName = QStringLiteral("job preferences");
    h.sourceId = SOURCE_ID_JOB_PREFERENCES;
    h.accepts = [](const IKalvexObjectPtr& o) { return dynamic_cast<IKalvexJobPreferences*>(o.get()) != nullptr; };
    h.readsSource = [](int s) { return s == SOURCE_ID_JOB_PREFERENCES; };
    h.load = [](KalvexRUVConnection& conn, const IKalvexObjectPtr& o, const RUVLoadOptions& opt) {
        return load(conn, std::dynamic_pointer_cast<IKalvexJobPreferences>(o), opt);
    };
    h.save = [](KalvexRUVConnection& conn, const IKalvexObjectPtr& o, const RUVSaveOptions& opt) {
        save(conn, *std::dynamic_pointer_cast<IKalvexJobPreferences>(o), opt);
    };
    h.markSaved = [](const IKalvexObjectPtr& o) { markSaved(std::dynamic_pointer_cast<IKalvexJobPreferences>(o)); };
    return h;
}

} // namespace kalvex
