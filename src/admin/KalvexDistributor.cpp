#include "admin/KalvexDistributor.h"

#include "admin/KalvexPsiteAssignment.h"
#include "generators/KalvexGenParms.h"
#include "interfaces/IKalvexGenParmsEditor.h"
#include "interfaces/IKalvexParmForm.h"

namespace kalvex {

std::shared_ptr<KalvexDistributor> KalvexDistributor::create()
{
    auto d = std::make_shared<KalvexDistributor>();
    d->m_sites = classCreate_KalvexPsiteAssignments();
    d->m_sites->setParent(d);
    d->m_parameters = classCreate_KalvexGenParms();
    d->m_parameters->setParent(d);
    return d;
}

std::shared_ptr<IKalvexDistributor> classCreate_KalvexDistributor() { return KalvexDistributor::create(); }

QString KalvexDistributor::distribExe(bool expanded) const
{
    auto vars = envirVars();
    return expanded && vars ? vars->expand(m_exe) : m_exe;
}

void KalvexDistributor::setDistribExe(const QString& program)
{
    if (upd(m_exe, program, QStringLiteral("distribExe")))
        chooseEditForm();
}

void KalvexDistributor::chooseEditForm()
{
    auto* chooser = editFormChooser();
    if (!chooser)
        return;
    // The editor first: a new editor takes the default form, which must not
    // undo what the selection just prepared (the grid's batch mode).
    auto editor = m_parameters->editor();
    if (IKalvexParmForm* form = chooser->editFormSelect(m_exe))
        editor->setFormObj(form);
}

void KalvexDistributor::setEnvirVars(const std::shared_ptr<IBrenloEnvirVars>& vars)
{
    m_parameters->setEnvirVars(vars);
    m_sites->setEnvirVars(vars);
}

void KalvexDistributor::clone(const std::shared_ptr<IKalvexDistributor>& other)
{
    if (!other || other.get() == this)
        return;
    copyEntryFrom(*other);
    setTranslateFileNames(other->translateFileNames());
    setCompleteSet(other->completeSet());
    setGroupId(other->groupId());
    upd(m_exe, other->distribExe(false), QStringLiteral("distribExe"));

    while (m_parameters->count() > 0)
        m_parameters->remove(m_parameters->count());
    auto theirParms = other->parameters();
    for (int i = 1; i <= theirParms->count(); ++i) {
        auto p = theirParms->item(i);
        m_parameters->add(p->name(), p->value(false), p->parmType());
    }

    while (m_sites->count() > 0)
        m_sites->remove(m_sites->count());
    auto theirSites = other->psiteAssignments();
    for (int i = 1; i <= theirSites->count(); ++i) {
        auto copy = classCreate_KalvexPsiteAssignment();
        copy->clone(theirSites->item(i, SORT_COLLECTION));
        m_sites->add(copy);
    }
    chooseEditForm();
}

void KalvexDistributor::initialize()
{
    resetEntry();
    m_translate = false;
    m_completeSet = false;
    m_groupId.clear();
    m_exe.clear();
    m_sites->initialize();
    m_parameters->initialize();
    bumpModelGeneration();
    setModified(0);
}

} // namespace kalvex

#include "admin/KalvexDistributors.h"

namespace kalvex {

std::shared_ptr<IKalvexDistributors> classCreate_KalvexDistributors()
{
    return std::make_shared<KalvexDistributors>();
}

} // namespace kalvex
