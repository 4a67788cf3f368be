// A process's generator for one production site, and their collection.
#pragma once
#include "foundation/KalvexSiteAssignmentImpl.h"
#include "interfaces/IKalvexGenAssignment.h"

namespace kalvex {

class KalvexGenAssignment : public KalvexSiteAssignmentImpl<IKalvexGenAssignment> {
public:
    QString className() const override { return QStringLiteral("KalvexGenAssignment"); }
    QString objectKind() const override { return QStringLiteral("GEN_ASSIGNMENT"); }

    std::shared_ptr<IKalvexGenerator> generator() const override { return m_generator.lock(); }
    void setGenerator(const std::shared_ptr<IKalvexGenerator>& generator) override
    {
        updRef(m_generator, generator, QStringLiteral("generator"));
    }
    QString additionalGenParms() const override { return parms(); }
    void setAdditionalGenParms(const QString& text) override { setParms(text, QStringLiteral("additionalGenParms")); }
    void clone(const std::shared_ptr<IKalvexGenAssignment>& other) override;
    void initialize() override;

    // A new assignment of these values, unchanged: nobody holds it yet, so
    // they are stored as given, without counting or raising (readers).
    static std::shared_ptr<KalvexGenAssignment> create(const IKalvexProdSitePtr& site,
                                                       const std::shared_ptr<IKalvexGenerator>& generator, bool inUse,
                                                       const QString& additionalGenParms);

private:
    std::weak_ptr<IKalvexGenerator> m_generator;
};

class KalvexGenAssignments
    : public KalvexSiteAssignmentsImpl<IKalvexGenAssignment, IKalvexGenAssignments, KalvexGenAssignment> {
public:
    QString className() const override { return QStringLiteral("KalvexGenAssignments"); }
    QString objectKind() const override { return QStringLiteral("GEN_ASSIGNMENTS"); }
};

std::shared_ptr<IKalvexGenAssignment> classCreate_KalvexGenAssignment();
std::shared_ptr<IKalvexGenAssignments> classCreate_KalvexGenAssignments();

} // namespace kalvex
