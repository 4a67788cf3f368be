// A production site.
#pragma once
#include "foundation/KalvexAdmEntryImpl.h"
#include "interfaces/IKalvexProdSite.h"

namespace kalvex {

class KalvexProdSite : public KalvexAdmEntryImpl<IKalvexProdSite> {
public:
    QString className() const override { return QStringLiteral("KalvexProdSite"); }
    QString objectKind() const override { return QStringLiteral("PRODUCTION_SITE"); }

    QString address(int line) const override;
    bool setAddress(int line, const QString& text) override;
    QString emailData() const override { return m_emailData; }
    void setEmailData(const QString& text) override { upd(m_emailData, text, QStringLiteral("emailData")); }
    bool emailNotify() const override { return m_emailNotify; }
    void setEmailNotify(bool on) override { upd(m_emailNotify, on, QStringLiteral("emailNotify")); }
    int displayOrder() const override { return m_displayOrder; }
    void setDisplayOrder(int order) override { upd(m_displayOrder, order, QStringLiteral("displayOrder")); }
    void clone(const std::shared_ptr<IKalvexProdSite>& other) override;
    void initialize() override;

private:
    QString m_address[4];
    QString m_emailData;
    bool m_emailNotify = false;
    int m_displayOrder = 0;
};

std::shared_ptr<IKalvexProdSite> classCreate_KalvexProdSite();

} // namespace kalvex
