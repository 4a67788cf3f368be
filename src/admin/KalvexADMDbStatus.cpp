#include "admin/KalvexADMDbStatus.h"

#include "foundation/neutral_values.h"

namespace kalvex {

void KalvexADMDbStatus::setModificationDate(int objType, const QString& date)
{
    QString current = m_dates.value(objType);
    const QString text = date.trimmed();
    if (!upd(current, text, QStringLiteral("modificationDate")))
        return;
    if (text.isEmpty())
        m_dates.remove(objType);
    else
        m_dates.insert(objType, text);
}

void KalvexADMDbStatus::stamp(int objType, const QDateTime& when)
{
    m_dates.insert(objType, vbl_date_toText(when));
}

void KalvexADMDbStatus::clone(const std::shared_ptr<IKalvexADMDbStatus>& other)
{
    if (!other || other.get() == this)
        return;
    setDbVersion(other->dbVersion());
    setDbRevision(other->dbRevision());
    setDbSubRevision(other->dbSubRevision());
    setDbType(other->dbType());
    setMaxLayers(other->maxLayers());
    for (int code : modificationDateTypes())
        if (!other->modificationDateTypes().contains(code))
            setModificationDate(code, QString());
    for (int code : other->modificationDateTypes())
        setModificationDate(code, other->modificationDate(code));
}

void KalvexADMDbStatus::initialize()
{
    m_version = 1;
    m_revision = 0;
    m_subRevision = 0;
    m_type = 0;
    m_maxLayers = 64;
    m_dates.clear();
    setModified(0);
}

std::shared_ptr<IKalvexADMDbStatus> classCreate_KalvexADMDbStatus() { return std::make_shared<KalvexADMDbStatus>(); }

} // namespace kalvex
