// kalvex-edit's check of its file: what another program does to it is seen before a save and by the
// watch, once per burst; the host's own save is not.
#include <QSignalSpy>
#include <functional>

#include "host_window_fixture.h"
#include "watched_file.h"

namespace kalvex::edit::test {
namespace {

TEST(WatchedFileTest, SeesEachOutsideChangeOnceAndRefusesToSaveOverIt)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("plant.mra");
    const QByteArray original = readAllOf(demoDatabasePath());
    const QByteArray sameSize = QByteArray(original).replace("\"stop_on_error\" \"Yes\"", "\"stop_on_error\" \"yes\"");
    ASSERT_NE(sameSize, original);
    writeOutside(path, original, false);
    const IKalvexAdministratorPtr adm = loadAdminFile(path).adm;
    ASSERT_TRUE(adm);
    WatchedFile file;
    file.reset(path);
    QSignalSpy changes(&file, &WatchedFile::changed);
    QString why;
    const struct {
        const char* what;
        std::function<void()> change;
        bool changed, refused, readable;
    } cases[] = {
        {"the host's own save", [&] { file.save(adm, &why); }, false, false, true},
        {"the same bytes renamed over it", [&] { writeOutside(path, original, true); }, false, false, true},
        {"an editor's save: renamed over, mode set", [&] {
             writeOutside(path, sameSize, true);
             QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
         }, true, true, true},
        {"same size, other bytes, at once and in place", [&] { writeOutside(path, sameSize, false); }, true, true,
         true},
        {"emptied", [&] { writeOutside(path, {}, false); }, true, true, false},
        // Nothing there to lose: the save puts the file back.
        {"removed", [&] { QFile::remove(path); }, true, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        writeOutside(path, original, false); // in place: the watch on the file itself must see what follows
        ASSERT_EQ(file.read(adm), QString());
        changes.clear();
        c.change();
        EXPECT_EQ(file.changedOutside(), c.changed);
        EXPECT_EQ(QTest::qWaitFor([&] { return changes.count() > 0; }, c.changed ? 2000 : 700), c.changed);
        QTest::qWait(500); // no second signal for the same burst
        EXPECT_EQ(changes.count(), c.changed ? 1 : 0);
        const QByteArray left = readAllOf(path);
        EXPECT_EQ(file.save(adm, &why), c.refused ? WatchedFile::Saved::ChangedOutside : WatchedFile::Saved::Yes);
        if (!c.refused) {
            EXPECT_FALSE(file.changedOutside());
            continue;
        }
        EXPECT_EQ(readAllOf(path), left) << "the refused save wrote";
        // Read in, or found unreadable: either way the host knows it, and a save may write.
        EXPECT_EQ(file.read(adm).isEmpty(), c.readable);
        EXPECT_FALSE(file.changedOutside());
        EXPECT_EQ(file.save(adm, &why), WatchedFile::Saved::Yes) << why.toStdString();
    }
}

} // namespace
} // namespace kalvex::edit::test
