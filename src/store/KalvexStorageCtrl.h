// Loads and saves objects through a keyword-file connection, choosing the
// reader or writer by the object's interface. Storage type 2 does the work,
// type 3 succeeds without effect; anything else, or a missing object or
// connection, fails with -1. A failed load or save writes one entry to the
// connection's log file.
#pragma once
#include "interfaces/IKalvexStorageCtrl.h"

namespace kalvex {

class KalvexStorageCtrl : public IKalvexStorageCtrl {
public:
    IKalvexRUVConnectionPtr storageObject() const override { return m_connection; }
    void setStorageObject(const IKalvexRUVConnectionPtr& connection) override { m_connection = connection; }

    int loadFromStorage(const IKalvexObjectPtr& object, bool clearFirst, const QVariant& qualifier1 = QVariant(),
                        const QVariant& qualifier2 = QVariant()) override;
    int saveToStorage(const IKalvexObjectPtr& object, bool withComments, bool markSaved,
                      const QVariant& qualifier1 = QVariant(), const QVariant& qualifier2 = QVariant()) override;

private:
    IKalvexRUVConnectionPtr m_connection;
};

std::shared_ptr<IKalvexStorageCtrl> classCreate_KalvexStorageCtrl();

} // namespace kalvex
