#include "admin/KalvexProdSite.h"

namespace kalvex {

QString KalvexProdSite::address(int line) const
{
    return line >= 1 && line <= 4 ? m_address[line - 1] : QString();
}

bool KalvexProdSite::setAddress(int line, const QString& text)
{
    if (line < 1 || line > 4)
        return false;
    upd(m_address[line - 1], text, QStringLiteral("address") + QString::number(line));
    return true;
}

void KalvexProdSite::clone(const std::shared_ptr<IKalvexProdSite>& other)
{
    if (!other || other.get() == this)
        return;
    copyEntryFrom(*other);
    for (int line = 1; line <= 4; ++line)
        setAddress(line, other->address(line));
    setEmailData(other->emailData());
    setEmailNotify(other->emailNotify());
    setDisplayOrder(other->displayOrder());
}

void KalvexProdSite::initialize()
{
    resetEntry();
    for (auto& a : m_address)
        a.clear();
    m_emailData.clear();
    m_emailNotify = false;
    m_displayOrder = 0;
    bumpModelGeneration();
    setModified(0);
}

std::shared_ptr<IKalvexProdSite> classCreate_KalvexProdSite() { return std::make_shared<KalvexProdSite>(); }

} // namespace kalvex
