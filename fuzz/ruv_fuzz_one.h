// One fuzz input: the bytes are loaded as each kind of keyword file. Whatever
// loads must save, and that file must load again and save to the same bytes;
// anything else aborts, so the fuzzer reports it. The corpus replay test runs
// the same function over the seeds.
#pragma once
#include <QBuffer>
#include <cstdlib>
#include <functional>

#include "admin/KalvexAdministrator.h"
#include "generators/KalvexGenerators.h"
#include "jobprefs/KalvexJobPreferences.h"
#include "store/KalvexRUVConnection.h"
#include "store/KalvexStorageCtrl.h"

namespace kalvex::fuzz {

struct Kind {
    int sourceId;
    std::function<IKalvexObjectPtr()> make;
};

inline const std::vector<Kind>& kinds()
{
    static const std::vector<Kind> all = {
        {SOURCE_ID_ADMIN_DB, [] { return classCreate_KalvexAdministrator(); }},
        {SOURCE_ID_GENERATORS, [] { return classCreate_KalvexGenerators(); }},
        {SOURCE_ID_JOB_PREFERENCES, [] { return classCreate_KalvexJobPreferences(); }},
    };
    return all;
}

inline int loadBytes(const IKalvexObjectPtr& obj, const QByteArray& bytes, int sourceId)
{
    QByteArray copy = bytes;
    QBuffer buf(&copy);
    auto conn = classCreate_KalvexRUVConnection();
    conn->setFileIO(QVariant::fromValue<QIODevice*>(&buf));
    conn->setKwLevel(1);
    conn->setSourceId(sourceId);
    auto ctrl = classCreate_KalvexStorageCtrl();
    ctrl->setStorageObject(conn);
    return ctrl->loadFromStorage(obj, true);
}

inline QByteArray saveBytes(const IKalvexObjectPtr& obj)
{
    QByteArray out;
    QBuffer buf(&out);
    auto conn = classCreate_KalvexRUVConnection();
    conn->setFileIO(QVariant::fromValue<QIODevice*>(&buf));
    conn->setFileOpenMode(RUV_OPEN_WRITE);
    conn->setKwLevel(0);
    auto ctrl = classCreate_KalvexStorageCtrl();
    ctrl->setStorageObject(conn);
    if (ctrl->saveToStorage(obj, false, true) != STORAGE_OK)
        std::abort();
    return out;
}

// Answers how many kinds loaded the input without a fault.
inline int oneInput(const char* data, size_t size)
{
    const QByteArray bytes(data, static_cast<qsizetype>(size));
    int loaded = 0;
    for (const auto& kind : kinds()) {
        auto obj = kind.make();
        if (loadBytes(obj, bytes, kind.sourceId) != STORAGE_OK)
            continue;
        ++loaded;
        const QByteArray first = saveBytes(obj);
        auto again = kind.make();
        if (loadBytes(again, first, kind.sourceId) != STORAGE_OK)
            std::abort();
        if (saveBytes(again) != first)
            std::abort();
    }
    return loaded;
}

} // namespace kalvex::fuzz
