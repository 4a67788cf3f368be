// Saves over files that are more than their bytes: all they are is kept.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include "store_test_support.h"
#include "support/qt_printers.h"

using namespace kalvex;
using namespace kalvex::test;

namespace {

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
    struct Case { const char* what; bool needsRoot, asGroupMember; const char *prepare, *kept; };
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
        if ((c.needsRoot && ::geteuid() != 0) || !shellOn(path, QStringLiteral("chmod 640 \"$1\" && ") + c.prepare)) {
            skipped << QStringLiteral("%1 (%2)").arg(c.what, c.needsRoot ? "needs root" : c.prepare);
            continue;
        }
        const auto before = shellOn(path, kept);
        ASSERT_TRUE(before);
        const int status = c.asGroupMember ? saveAsGroupMember(gens, path, 100) : saveTo(gens, path).status;
        EXPECT_EQ(status, STORAGE_OK);
        EXPECT_EQ(readAllOf(path), readAllOf(refDir.filePath("ref.mra")));
        EXPECT_EQ(shellOn(path, kept), before);
        EXPECT_EQ(QDir(dir.path()).entryList({"*.new-*", "*.old-*"}, QDir::Files), QStringList());
    }
    if (!skipped.isEmpty())
        GTEST_SKIP() << "not checked: " << skipped.join(", ").toStdString();
}
