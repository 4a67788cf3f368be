// A distributor's setting for one production site, and their collection.
#pragma once
#include "foundation/KalvexSiteAssignmentImpl.h"
#include "interfaces/IKalvexPsiteAssignment.h"

namespace kalvex {

class KalvexPsiteAssignment : public KalvexSiteAssignmentImpl<IKalvexPsiteAssignment> {
public:
    QString className() const override { return QStringLiteral("KalvexPsiteAssignment"); }
    QString objectKind() const override { return QStringLiteral("PSITE_ASSIGNMENT"); }

    QString additionalParms() const override { return parms(); }
    void setAdditionalParms(const QString& text) override { setParms(text, QStringLiteral("additionalParms")); }
    void clone(const std::shared_ptr<IKalvexPsiteAssignment>& other) override;
    void initialize() override;
};

class KalvexPsiteAssignments
    : public KalvexSiteAssignmentsImpl<IKalvexPsiteAssignment, IKalvexPsiteAssignments, KalvexPsiteAssignment> {
public:
    QString className() const override { return QStringLiteral("KalvexPsiteAssignments"); }
    QString objectKind() const override { return QStringLiteral("PSITE_ASSIGNMENTS"); }
};

std::shared_ptr<IKalvexPsiteAssignment> classCreate_KalvexPsiteAssignment();
std::shared_ptr<IKalvexPsiteAssignments> classCreate_KalvexPsiteAssignments();

} // namespace kalvex
