// kalvex-edit's check of its file: another program's change is seen before a save and by the watch, once a burst.
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
    writeOutside(path, original, false);
    const LoadedDatabase db = loadAdminFile(path);
    const IKalvexAdministratorPtr adm = db.adm;
    ASSERT_TRUE(adm && sameSize != original);
    WatchedFile file;
    file.reset(path, db.read);
    QSignalSpy changes(&file, &WatchedFile::changed);
    QString why;
    using enum WatchedFile::Saved;
    const struct { const char* what; std::function<void()> change; bool changed; WatchedFile::Saved saved; } cases[] = {
        {"the host's own save", [&] { file.save(adm, &why); }, false, Yes},
        {"the same bytes renamed over it", [&] { writeOutside(path, original, true); }, false, Yes},
        {"an editor's save: renamed over, mode set", [&] { writeOutside(path, sameSize, true);
             QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner); }, true, ChangedOutside},
        {"same size, other bytes, at once", [&] { writeOutside(path, sameSize, false); }, true, ChangedOutside},
        {"emptied", [&] { writeOutside(path, {}, false); }, true, ChangedOutside},
        {"removed: nothing there to lose", [&] { QFile::remove(path); }, true, Yes},
        {"changed between the read and the watch's start", [&] { const FileStamp read = FileStamp::of(path);
             writeOutside(path, sameSize, false); file.reset(path, read); }, true, ChangedOutside},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        writeOutside(path, original, false); // in place: the watch on the file itself sees what follows
        ASSERT_EQ(file.read(adm), QString());
        changes.clear();
        c.change();
        EXPECT_EQ(file.changedOutside(), c.changed);
        EXPECT_EQ(QTest::qWaitFor([&] { return changes.count() > 0; }, c.changed ? 2000 : 700), c.changed);
        QTest::qWait(500); // no second signal for the same burst
        EXPECT_EQ(changes.count(), c.changed ? 1 : 0);
        const QByteArray left = readAllOf(path);
        EXPECT_EQ(file.save(adm, &why), c.saved);
        if (c.saved == ChangedOutside) { // nothing written; once read in, or found unreadable, a save may write
            EXPECT_EQ(readAllOf(path), left);
            file.read(adm);
            EXPECT_EQ(file.save(adm, &why), Yes) << why.toStdString();
        }
        EXPECT_FALSE(file.changedOutside());
    }
}

TEST(WatchedFileTest, ASettledFileKnownByItsMetadataStillShowsEveryWrite)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("plant.mra");
    writeOutside(path, "first", false);
    QTest::qWait(3200); // older than the coarsest clock a file system keeps times with
    const FileStamp known = FileStamp::of(path);
    ASSERT_TRUE(known.settled);
    EXPECT_EQ(FileStamp::of(path, &known), known);
    for (const bool renamed : {false, true}) {
        writeOutside(path, renamed ? "third" : "other", renamed); // same size, at once
        EXPECT_NE(FileStamp::of(path, &known), known) << renamed;
    }
}

} // namespace
} // namespace kalvex::edit::test
