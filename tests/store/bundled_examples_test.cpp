// The bundled examples are stored exactly as the program writes them: a host
// that opens one and saves it unchanged rewrites no byte of it.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "jobprefs/KalvexJobPreferences.h"
#include "store_test_support.h"

using namespace kalvex;
using namespace kalvex::test;

TEST(BundledExamples, LoadingAndSavingEachUnchangedGivesItsOwnBytes)
{
    struct Example {
        QString path;
        IKalvexObjectPtr target;
        int sourceId;
    } examples[] = {
        {demoDatabasePath(), classCreate_KalvexAdministrator(), SOURCE_ID_ADMIN_DB},
        {demoJobPrefsPath(), classCreate_KalvexJobPreferences(), SOURCE_ID_JOB_PREFERENCES},
    };
    QTemporaryDir dir;
    for (const Example& e : examples) {
        SCOPED_TRACE(e.path.toStdString());
        const auto run = loadFrom(e.target, e.path, e.sourceId);
        ASSERT_EQ(run.status, STORAGE_OK) << run.conn->lastError().toStdString() << " line "
                                          << run.conn->lastErrorLine();
        const QString saved = dir.filePath(QStringLiteral("saved"));
        ASSERT_EQ(saveTo(e.target, saved).status, STORAGE_OK);
        const QList<QByteArray> want = readAllOf(e.path).split('\n');
        const QList<QByteArray> got = readAllOf(saved).split('\n');
        // The first differing line says more than two unequal blobs.
        for (qsizetype i = 0; i < std::min(want.size(), got.size()); ++i)
            ASSERT_EQ(got[i].toStdString(), want[i].toStdString()) << "line " << i + 1;
        EXPECT_EQ(got.size(), want.size());
    }
}
