#include "generators/KalvexGenerator.h"

#include "foundation/makeOrNone.h"
#include "foundation/modelGeneration.h"
#include "generators/KalvexGenParms.h"
#include "generators/current_generator.h"
#include "interfaces/IKalvexGenParmsEditor.h"
#include "interfaces/IKalvexParmForm.h"

namespace kalvex {

KalvexGenerator::KalvexGenerator() = default;

IKalvexGenParmsPtr KalvexGenerator::parameters() const
{
    if (!m_parms && partOnUse(m_parms, &classCreate_KalvexGenParms))
        m_parms->setEnvirVars(m_vars);
    return m_parms;
}

KalvexGenerator::~KalvexGenerator()
{
    // The library's current generator is given up whenever a generator ends.
    morvObjs_clearCurrentGenerator();
}

// Id and name are the generator's keys in its collection.
void KalvexGenerator::setId(const QString& id)
{
    if (propUpdString(m_id, id, QStringLiteral("id")) && hasParent())
        bumpKeyGeneration();
}
void KalvexGenerator::setName(const QString& name)
{
    if (propUpdString(m_name, name, QStringLiteral("name")) && hasParent())
        bumpKeyGeneration();
}
void KalvexGenerator::setDescription(const QString& d) { propUpdString(m_description, d, QStringLiteral("description")); }
void KalvexGenerator::setCmdView(const QString& c) { propUpdString(m_cmdView, c, QStringLiteral("cmdView")); }
void KalvexGenerator::setCmdPlot(const QString& c) { propUpdString(m_cmdPlot, c, QStringLiteral("cmdPlot")); }
void KalvexGenerator::setFileExt(const QString& e) { propUpdString(m_fileExt, e, QStringLiteral("fileExt")); }
void KalvexGenerator::setActiveXModule(const QString& m) { propUpdString(m_activeXModule, m, QStringLiteral("activeXModule")); }
void KalvexGenerator::setGroupId(const QString& g) { propUpdString(m_groupId, g, QStringLiteral("groupId")); }
void KalvexGenerator::setReservedItem(int code) { propUpdInt(m_reservedItem, code, QStringLiteral("reservedItem")); }
void KalvexGenerator::setIntCounter(int counter) { propUpdInt(m_intCounter, counter, QStringLiteral("intCounter")); }

QString KalvexGenerator::cmdGen(bool expanded) const
{
    if (expanded && m_vars)
        return m_vars->expand(m_cmdGen, true, true);
    return m_cmdGen;
}

void KalvexGenerator::setCmdGen(const QString& cmd)
{
    if (propUpdString(m_cmdGen, cmd, QStringLiteral("cmdGen")))
        chooseEditForm();
}

void KalvexGenerator::chooseEditForm()
{
    auto* chooser = editFormChooser();
    if (!chooser)
        return;
    auto parms = parameters();
    if (!parms)
        return;
    if (auto editor = parms->editor())
        editor->setFormObj(chooser->editFormSelect(m_cmdGen));
}

void KalvexGenerator::setEnvirVars(const std::shared_ptr<IBrenloEnvirVars>& vars)
{
    m_vars = vars;
    if (m_parms)
        m_parms->setEnvirVars(vars);
}

void KalvexGenerator::clone(const std::shared_ptr<IKalvexGenerator>& other)
{
    if (!other || other.get() == this)
        return;
    setId(other->id());
    setName(other->name());
    setDescription(other->description());
    setCmdView(other->cmdView());
    setCmdPlot(other->cmdPlot());
    setFileExt(other->fileExt());
    setActiveXModule(other->activeXModule());
    setGroupId(other->groupId());
    setReservedItem(other->reservedItem());
    setIntCounter(other->intCounter());
    setCmdGen(other->cmdGen(false));
    // The parameters are copied, never shared: each generator edits its own.
    auto src = other->parameters();
    if (!m_parms && (!src || src->count() == 0))
        return;
    if (auto mine = parameters())
        copyParameters(*mine, src);
}

void KalvexGenerator::initialize()
{
    setModified(MODIFIED_SUSPEND);
    m_id.clear();
    m_name.clear();
    m_description.clear();
    m_cmdGen.clear();
    m_cmdView.clear();
    m_cmdPlot.clear();
    m_fileExt.clear();
    m_activeXModule.clear();
    m_groupId.clear();
    m_reservedItem = NOT_RESERVED;
    m_intCounter = 0;
    if (m_parms) {
        m_parms->initialize();
        m_parms->setParent(weak_from_this().lock());
        m_parms->setEnvirVars(m_vars);
    }
    setModified(MODIFIED_RESUME);
    setModified(0);
    morvObjs_setCurrentGenerator(std::dynamic_pointer_cast<IKalvexGenerator>(weak_from_this().lock()));
}

int KalvexGenerator::setInternalValue(const QString& key, const QVariant& value)
{
    if (key == SET_ENVIR_VARS) {
        setEnvirVars(value.value<std::shared_ptr<IBrenloEnvirVars>>());
        return 1;
    }
    return KalvexObjectBase::setInternalValue(key, value);
}

void KalvexGenerator::setMessagesObj(QObject* sink)
{
    KalvexObjectBase::setMessagesObj(sink);
    if (m_parms)
        m_parms->setMessagesObj(sink);
}

std::shared_ptr<IKalvexGenerator> classCreate_KalvexGenerator()
{
    return makeOrNone([] {
        auto gen = std::make_shared<KalvexGenerator>();
        gen->initialize();
        return gen;
    });
}

} // namespace kalvex
