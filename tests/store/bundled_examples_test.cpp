// The bundled examples are stored as the program writes them: a host that
// opens one and saves it unchanged rewrites no byte of it.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <tuple>

#include "jobprefs/KalvexJobPreferences.h"
#include "store_test_support.h"

namespace kalvex::test {

TEST(BundledExamples, LoadingAndSavingEachUnchangedGivesItsOwnBytes)
{
    const std::tuple<QString, IKalvexObjectPtr, int> examples[] = {
        {demoDatabasePath(), classCreate_KalvexAdministrator(), SOURCE_ID_ADMIN_DB},
        {demoJobPrefsPath(), classCreate_KalvexJobPreferences(), SOURCE_ID_JOB_PREFERENCES}};
    QTemporaryDir dir;
    for (const auto& [path, target, sourceId] : examples) {
        const auto run = loadFrom(target, path, sourceId);
        ASSERT_EQ(run.status, STORAGE_OK) << run.conn->lastError().toStdString() << " line "
                                          << run.conn->lastErrorLine();
        ASSERT_EQ(saveTo(target, dir.filePath("saved")).status, STORAGE_OK);
        // As text, so that a failure shows the lines that differ.
        EXPECT_EQ(readAllOf(dir.filePath("saved")).toStdString(), readAllOf(path).toStdString());
    }
}

} // namespace kalvex::test
