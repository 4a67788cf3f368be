#include "admin/KalvexDistributor.h"

#include "admin/KalvexPsiteAssignment.h"
#include "foundation/siteAssignments.h"
#include "generators/KalvexGenParms.h"
#include "interfaces/IKalvexGenParmsEditor.h"
#include "interfaces/IKalvexParmForm.h"

namespace kalvex {

std::shared_ptr<KalvexDistributor> KalvexDistributor::create()
{
    return std::make_shared<KalvexDistributor>();
}

std::shared_ptr<IKalvexPsiteAssignments> KalvexDistributor::psiteAssignments() const
{
    if (!m_sites && partOnUse(m_sites, &classCreate_KalvexPsiteAssignments))
        m_sites->setEnvirVars(m_vars);
    return m_sites;
}

IKalvexGenParmsPtr KalvexDistributor::parameters() const
{
    if (!m_parameters && partOnUse(m_parameters, &classCreate_KalvexGenParms))
        m_parameters->setEnvirVars(m_vars);
    return m_parameters;
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
    auto editor = parameters()->editor();
    if (IKalvexParmForm* form = chooser->editFormSelect(m_exe))
        editor->setFormObj(form);
}

void KalvexDistributor::setEnvirVars(const std::shared_ptr<IBrenloEnvirVars>& vars)
{
    m_vars = vars;
    if (m_parameters)
        m_parameters->setEnvirVars(vars);
    if (m_sites)
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

    auto theirParms = other->parameters();
    if (m_parameters || theirParms->count() > 0)
        copyParameters(*parameters(), theirParms);

    auto theirSites = other->psiteAssignments();
    if (m_sites || theirSites->count() > 0)
        copySiteAssignments(*psiteAssignments(), *theirSites, &classCreate_KalvexPsiteAssignment);
    chooseEditForm();
}

void KalvexDistributor::initialize()
{
    resetEntry();
    m_translate = false;
    m_completeSet = false;
    m_groupId.clear();
    m_exe.clear();
    if (m_sites)
        m_sites->initialize();
    if (m_parameters)
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
