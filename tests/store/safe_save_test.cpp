// Saves over files that are more than their bytes, and saves that must leave the old file as it was.
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <grp.h>
#include <optional>
#include <sys/wait.h>
#include <unistd.h>

#include "foundation/KalvexKeywordReader.h"
#include "generators/KalvexGenerators.h"
#include "store_test_support.h"
#include "support/qt_printers.h"

using namespace kalvex;
using namespace kalvex::test;

namespace {

IKalvexGeneratorsPtr generatorsOf(int count, qsizetype valueChars)
{
    auto gens = classCreate_KalvexGenerators();
    for (int i = 0; i < count; ++i)
        gens->add(QStringLiteral("G%1").arg(i))->parameters()->add("p", QString(valueChars, 'v'), PARM_TYPE_USER);
    return gens;
}

// Runs a shell command on the file ("$1"); false when it fails or a tool is missing.
bool shellOn(const QString& path, const QString& command, QString* output = nullptr)
{
    QProcess p;
    p.start("sh", {"-c", command, "sh", path});
    const bool ok = p.waitForFinished() && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    if (output)
        *output = QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
    return ok;
}

QString shellOutput(const QString& path, const QString& command)
{
    QString out;
    shellOn(path, command, &out);
    return out;
}

// Saves as a user who is not root, a member of `group` beside a primary group of its own.
int saveAsGroupMember(const IKalvexObjectPtr& obj, const QString& path, gid_t group)
{
    const pid_t child = ::fork();
    if (child == 0) {
        const bool dropped = ::setgroups(1, &group) == 0 && ::setgid(2000) == 0 && ::setuid(1001) == 0;
        ::_exit(dropped && saveTo(obj, path).status == STORAGE_OK ? 0 : 1);
    }
    int status = -1;
    ::waitpid(child, &status, 0);
    return status == 0 ? STORAGE_OK : STORAGE_FILE_ERROR;
}

} // namespace

TEST(SafeSave, ASaveKeepsWhatTheFileIsBesidesItsBytes)
{
    QTemporaryDir refDir;
    const auto gens = generatorsOf(3, 10);
    ASSERT_EQ(saveTo(gens, refDir.filePath("ref.mra")).status, STORAGE_OK);
    // How each case makes the file more than its bytes and what shows it still is, besides owner, group,
    // mode and links.
    struct Case {
        const char* what;
        bool needsRoot, asGroupMember;
        const char* prepare;
        const char* kept;
    };
    const Case cases[] = {
        {"another owner and group", true, false, R"(chown 1000:1000 "$1")", ""},
        {"a group member's save of a file it may not give away", true, true,
         R"sh(chown 1000:100 "$1" && chmod 660 "$1" && chmod 777 "${1%/*}")sh", ""},
        {"a hard link", false, false, R"(ln "$1" "$1.other")", R"(stat -c %i "$1"; cmp "$1" "$1.other")"},
        {"an extended attribute", false, false, R"(setfattr -n user.kalvex -v kept "$1")", R"(getfattr -d "$1")"},
        {"an access list", false, false, R"(setfacl -m u:1000:rw "$1")", R"(getfacl "$1")"},
        {"a symbolic link", false, false, R"(mv "$1" "$1.real" && ln -s db.mra.real "$1")", R"(readlink "$1")"},
    };
    QStringList skipped;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        const QString path = dir.filePath("db.mra");
        const QString kept = QStringLiteral(R"(stat -L -c "%u:%g %a %h" "$1"; )") + c.kept;
        ASSERT_EQ(saveTo(generatorsOf(1, 1), path).status, STORAGE_OK);
        QString why = c.needsRoot && ::geteuid() != 0 ? "needs root" : "";
        if (why.isEmpty() && !shellOn(path, QStringLiteral("chmod 640 \"$1\" && ") + c.prepare, &why))
            why = why.trimmed();
        if (!why.isEmpty()) {
            skipped << QStringLiteral("%1 (%2)").arg(c.what, why);
            continue;
        }
        const QString before = shellOutput(path, kept);
        const int status = c.asGroupMember ? saveAsGroupMember(gens, path, 100) : saveTo(gens, path).status;
        EXPECT_EQ(status, STORAGE_OK);
        EXPECT_EQ(readAllOf(path), readAllOf(refDir.filePath("ref.mra")));
        EXPECT_EQ(shellOutput(path, kept), before);
        EXPECT_EQ(QDir(dir.path()).entryList({"*.new-*", "*.old-*"}, QDir::Files), QStringList());
    }
    if (!skipped.isEmpty())
        GTEST_SKIP() << "not checked: " << skipped.join(", ").toStdString();
}

TEST(SafeSave, ASaveThatMayNotOrCannotBeDoneLeavesTheFileAsItWas)
{
    struct Case {
        const char* what;
        const char* prepare;
        IKalvexGeneratorsPtr gens;
        QString error;
        bool smallDisk = false;
    };
    auto longLineLast = generatorsOf(40, 10);
    longLineLast->item(40)->parameters()->item(1)->setValue(false,
                                                            QString(KalvexKeywordReader::kMaxLineBytes, 'v'));
    const char* link = R"(ln "$1" "$1.other")";
    const QString readOnly = "db.mra\" for writing: the file is read-only", longLine = "(..parm) is 8388";
    const Case cases[] = {
        {"no write bit", R"(chmod 444 "$1")", generatorsOf(1, 10), readOnly},
        {"no write bit, linked", R"(ln "$1" "$1.other" && chmod 400 "$1")", generatorsOf(1, 10), readOnly},
        {"a line too long to load, at the end", "true", longLineLast, longLine},
        {"a line too long to load, in place", link, longLineLast, longLine},
        // The new file fits, the new bytes over the old ones do not.
        {"a full disk in place", link, generatorsOf(160, 50), "No space left on device; its old content was put back",
         true},
    };
    QStringList skipped;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        std::optional<SmallFileSystem> disk;
        if (c.smallDisk && !disk.emplace(dir.path()).mounted()) {
            skipped << QStringLiteral("%1 (needs root to mount a small file system)").arg(c.what);
            continue;
        }
        const QString path = dir.filePath("db.mra"), facts = R"(stat -c "%u:%g %a %h %i" "$1")";
        ASSERT_EQ(saveTo(generatorsOf(2, 1000), path).status, STORAGE_OK);
        ASSERT_TRUE(shellOn(path, c.prepare));
        const QByteArray old = readAllOf(path);
        const QString before = shellOutput(path, facts);
        const QStringList entries = QDir(dir.path()).entryList(QDir::Files);

        const auto run = saveTo(c.gens, path);
        EXPECT_EQ(run.status, STORAGE_FILE_ERROR);
        EXPECT_TRUE(run.conn->lastError().contains(c.error)) << run.conn->lastError().toStdString();
        EXPECT_EQ(readAllOf(path), old);
        EXPECT_EQ(shellOutput(path, facts), before);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), entries); // nothing left beside it
    }
    if (!skipped.isEmpty())
        GTEST_SKIP() << "not checked: " << skipped.join(", ").toStdString();
}
