// Saves over files that are more than their bytes, and saves that must leave the old file as it was.
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <functional>
#include <optional>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
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

// Owner, group, mode and links; the inode too when the file has other names.
QString statOf(const QString& path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return "missing";
    return QString::asprintf("%u:%u %o links %lu inode %lu", st.st_uid, st.st_gid, st.st_mode & 07777,
                             static_cast<unsigned long>(st.st_nlink),
                             st.st_nlink > 1 ? static_cast<unsigned long>(st.st_ino) : 0ul);
}

// False when the tool is missing or fails.
bool runTool(const QString& program, const QStringList& args, QString* output = nullptr)
{
    QProcess p;
    p.start(program, args);
    const bool ok = p.waitForFinished() && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    if (output)
        *output = QString::fromUtf8(p.readAllStandardOutput());
    return ok;
}

// Saves as a user who is not root, in `group` beside a primary group of its own.
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
    auto gens = generatorsOf(3, 10);
    ASSERT_EQ(saveTo(gens, refDir.filePath("ref.mra")).status, STORAGE_OK);
    const QByteArray saved = readAllOf(refDir.filePath("ref.mra"));
    // Each case prepares the file (or says why it cannot) and tells what must
    // be the same after the save, besides owner, group and mode.
    struct Case {
        const char* what;
        bool needsRoot, asGroupMember;
        std::function<QString(const QString&)> prepare;
        std::function<QString(const QString&)> kept;
    };
    const auto other = [](const QString& path) { return path + ".other"; };
    const Case cases[] = {
        {"another owner and group", true, false,
         [](const QString& p) { return ::chown(QFile::encodeName(p), 1000, 1000) == 0 ? "" : "chown failed"; },
         [](const QString&) { return QString(); }},
        {"a group member's save of a file it may not give away", true, true,
         [](const QString& p) {
             const bool ok = ::chown(QFile::encodeName(p), 1000, 100) == 0 && ::chmod(QFile::encodeName(p), 0660) == 0
                             && ::chmod(QFile::encodeName(QFileInfo(p).path()), 0777) == 0;
             return ok ? "" : "chown failed";
         },
         [](const QString&) { return QString(); }},
        {"a hard link", false, false,
         [&](const QString& p) { return ::link(QFile::encodeName(p), QFile::encodeName(other(p))) == 0 ? "" : "no links"; },
         [&](const QString& p) { return QString::number(readAllOf(p) == readAllOf(other(p))); }},
        {"an extended attribute", false, false,
         [](const QString& p) {
             return ::setxattr(QFile::encodeName(p), "user.kalvex", "kept", 4, 0) == 0 ? "" : "no user attributes here";
         },
         [](const QString& p) {
             char value[16] = {};
             return QString::fromLatin1(value, int(::getxattr(QFile::encodeName(p), "user.kalvex", value, 16)));
         }},
        {"an access list", false, false,
         [](const QString& p) {
             return runTool("setfacl", {"-m", "u:1000:rw", p}) ? "" : "setfacl is missing or refused";
         },
         [](const QString& p) {
             QString acl;
             return runTool("getfacl", {"--omit-header", p}, &acl) ? acl : "getfacl failed";
         }},
        {"a symbolic link", false, false,
         [](const QString& p) {
             const bool ok = QFile::rename(p, p + ".real") && QFile::link(QFileInfo(p).fileName() + ".real", p);
             return ok ? "" : "no symbolic link";
         },
         [](const QString& p) { return QFileInfo(p).symLinkTarget() + statOf(p + ".real"); }},
    };
    QStringList skipped;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.needsRoot && ::geteuid() != 0) {
            skipped << QStringLiteral("%1 (needs root)").arg(c.what);
            continue;
        }
        QTemporaryDir dir;
        const QString path = dir.filePath("db.mra");
        ASSERT_EQ(saveTo(generatorsOf(1, 1), path).status, STORAGE_OK);
        ::chmod(QFile::encodeName(path), 0640);
        if (const QString why = c.prepare(path); !why.isEmpty()) {
            skipped << QStringLiteral("%1 (%2)").arg(c.what, why);
            continue;
        }
        const QString before = statOf(path) + " " + c.kept(path);
        const int status = c.asGroupMember ? saveAsGroupMember(gens, path, 100) : saveTo(gens, path).status;
        EXPECT_EQ(status, STORAGE_OK);
        EXPECT_EQ(readAllOf(path), saved);
        EXPECT_EQ(statOf(path) + " " + c.kept(path), before);
        EXPECT_EQ(QDir(dir.path()).entryList({"*.new-*", "*.old-*"}, QDir::Files), QStringList());
    }
    if (!skipped.isEmpty())
        GTEST_SKIP() << "not checked: " << skipped.join(", ").toStdString();
}

TEST(SafeSave, ASaveThatMayNotOrCannotBeDoneLeavesTheFileAsItWas)
{
    struct Case {
        const char* what;
        mode_t mode;
        bool hardLink, smallDisk;
        IKalvexGeneratorsPtr gens;
        QString error;
    };
    auto longLineLast = generatorsOf(40, 10);
    longLineLast->item(40)->parameters()->item(1)->setValue(false, QString(KalvexKeywordReader::kMaxLineBytes, 'v'));
    const QString longLine = "(..parm) would be ";
    const Case cases[] = {
        {"no write bit: 444", 0444, false, false, generatorsOf(1, 10), "db.mra\" for writing: the file is read-only"},
        {"no write bit: 400", 0400, true, false, generatorsOf(1, 10), "db.mra\" for writing: the file is read-only"},
        {"a line too long to load, at the end", 0644, false, false, longLineLast, longLine},
        {"a line too long to load, in place", 0644, true, false, longLineLast, longLine},
        // The new file fits, the new bytes over the old ones do not.
        {"a full disk in place", 0644, true, true, generatorsOf(160, 50),
         "No space left on device; its old content was put back"},
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
        const QString path = dir.filePath("db.mra");
        ASSERT_EQ(saveTo(generatorsOf(2, 1000), path).status, STORAGE_OK);
        ASSERT_TRUE(!c.hardLink || ::link(QFile::encodeName(path), QFile::encodeName(path + ".other")) == 0);
        ::chmod(QFile::encodeName(path), c.mode);
        const QByteArray old = readAllOf(path);
        const QString facts = statOf(path);
        const QStringList entries = QDir(dir.path()).entryList(QDir::Files);

        const auto run = saveTo(c.gens, path);
        EXPECT_EQ(run.status, STORAGE_FILE_ERROR);
        EXPECT_TRUE(run.conn->lastError().contains(c.error)) << run.conn->lastError().toStdString();
        EXPECT_EQ(readAllOf(path), old);
        EXPECT_EQ(statOf(path), facts);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), entries); // nothing left beside it
    }
    if (!skipped.isEmpty())
        GTEST_SKIP() << "not checked: " << skipped.join(", ").toStdString();
}
