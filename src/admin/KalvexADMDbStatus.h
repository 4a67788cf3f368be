// The status object of the administration database.
#pragma once
#include <QDateTime>
#include <QMap>

#include "foundation/KalvexModelObject.h"
#include "interfaces/IKalvexADMDbStatus.h"

namespace kalvex {

class KalvexADMDbStatus : public KalvexModelObject, public IKalvexADMDbStatus {
public:
    QString className() const override { return QStringLiteral("KalvexADMDbStatus"); }
    QString objectKind() const override { return QStringLiteral("LOCAL_ADMIN_DB_STATUS"); }

    int dbVersion() const override { return m_version; }
    void setDbVersion(int v) override { upd(m_version, v, QStringLiteral("dbVersion")); }
    int dbRevision() const override { return m_revision; }
    void setDbRevision(int v) override { upd(m_revision, v, QStringLiteral("dbRevision")); }
    int dbSubRevision() const override { return m_subRevision; }
    void setDbSubRevision(int v) override { upd(m_subRevision, v, QStringLiteral("dbSubRevision")); }
    int dbType() const override { return m_type; }
    void setDbType(int v) override { upd(m_type, v, QStringLiteral("dbType")); }
    int maxLayers() const override { return m_maxLayers; }
    void setMaxLayers(int v) override { upd(m_maxLayers, v, QStringLiteral("maxLayers")); }

    QString modificationDate(int objType) const override { return m_dates.value(objType); }
    void setModificationDate(int objType, const QString& date) override;
    QList<int> modificationDateTypes() const override { return m_dates.keys(); }
    void clone(const std::shared_ptr<IKalvexADMDbStatus>& other) override;
    void initialize() override;

    // The administrator's stamp: the date only, not counted as a change of
    // its own (the change that caused it is counted where it happened).
    void stamp(int objType, const QDateTime& when);

private:
    int m_version = 1;
    int m_revision = 0;
    int m_subRevision = 0;
    int m_type = 0;
    int m_maxLayers = 64;
    QMap<int, QString> m_dates;
};

std::shared_ptr<IKalvexADMDbStatus> classCreate_KalvexADMDbStatus();

} // namespace kalvex
