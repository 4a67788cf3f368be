// A distributor of the administration database.
#pragma once
#include "foundation/KalvexAdmEntryImpl.h"
#include "foundation/KalvexOwnerImpl.h"
#include "interfaces/IKalvexDistributor.h"

namespace kalvex {

class KalvexDistributor : public KalvexOwnerImpl<KalvexAdmEntryImpl<IKalvexDistributor>> {
public:
    QString className() const override { return QStringLiteral("KalvexDistributor"); }
    QString objectKind() const override { return QStringLiteral("DISTRIBUTOR"); }

    bool translateFileNames() const override { return m_translate; }
    void setTranslateFileNames(bool on) override { upd(m_translate, on, QStringLiteral("translateFileNames")); }
    bool completeSet() const override { return m_completeSet; }
    void setCompleteSet(bool on) override { upd(m_completeSet, on, QStringLiteral("completeSet")); }
    QString groupId() const override { return m_groupId; }
    void setGroupId(const QString& id) override { upd(m_groupId, id, QStringLiteral("groupId")); }
    QString distribExe(bool expanded) const override;
    void setDistribExe(const QString& program) override;
    // Both made on first use.
    std::shared_ptr<IKalvexPsiteAssignments> psiteAssignments() const override;
    IKalvexGenParmsPtr parameters() const override;
    std::shared_ptr<IBrenloEnvirVars> envirVars() const override
    {
        return m_parameters ? m_parameters->envirVars() : m_vars;
    }
    // Handed to the parameter set and the site settings.
    void setEnvirVars(const std::shared_ptr<IBrenloEnvirVars>& vars);
    void clone(const std::shared_ptr<IKalvexDistributor>& other) override;
    void initialize() override;

    static std::shared_ptr<KalvexDistributor> create();

protected:
    std::vector<std::shared_ptr<IKalvexObject>> ownedParts() const override { return {m_sites, m_parameters}; }

private:
    // Gives the parameter set's editor the dialog that edits this program.
    void chooseEditForm();

    bool m_translate = false;
    bool m_completeSet = false;
    QString m_groupId;
    QString m_exe;
    mutable std::shared_ptr<IKalvexPsiteAssignments> m_sites;
    mutable IKalvexGenParmsPtr m_parameters;
    std::shared_ptr<IBrenloEnvirVars> m_vars;
};

std::shared_ptr<IKalvexDistributor> classCreate_KalvexDistributor();

} // namespace kalvex
