#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "foundation/vbl_file.h"
#include "support/qt_printers.h"

using namespace kalvex;

namespace {
QStringList splitSpec(const QString& path)
{
    QString d, dir, base, ext;
    vbl_file_splitSpec(path, d, dir, base, ext);
    return {d, dir, base, ext};
}
} // namespace

TEST(FileSpec, SplitWithDriveDirectoryAndExtension)
{
    EXPECT_EQ(splitSpec(" C:\\jobs\\b1\\out.tar.gz "), (QStringList{"C", "\\jobs\\b1", "out.tar", "gz"}));
    EXPECT_EQ(splitSpec("C:\\a.txt"), (QStringList{"C", "\\", "a", "txt"}));
    EXPECT_EQ(splitSpec("C:a.txt"), (QStringList{"C", "", "a", "txt"}));
    EXPECT_EQ(splitSpec("a.txt"), (QStringList{"", "", "a", "txt"}));
    EXPECT_EQ(splitSpec("/home/u/my.dir/file"), (QStringList{"", "/home/u/my.dir", "file", ""}));
    EXPECT_EQ(splitSpec("\\\\server\\share\\f.dat"), (QStringList{"", "\\\\server\\share", "f", "dat"}));
    EXPECT_EQ(splitSpec("C:\\dir\\"), (QStringList{"C", "\\dir", "", ""}));
    EXPECT_EQ(splitSpec("\\\\\\"), (QStringList{"", "\\\\", "", ""})); // only separators
    EXPECT_EQ(splitSpec(""), (QStringList{"", "", "", ""}));
}

TEST(FileSpec, MakeIsTheInverseOfSplit)
{
    EXPECT_EQ(vbl_file_makeSpec("C", "\\jobs", "a", "txt"), "C:\\jobs\\a.txt");
    EXPECT_EQ(vbl_file_makeSpec("C:", "\\jobs", "a", ""), "C:\\jobs\\a");
    EXPECT_EQ(vbl_file_makeSpec("", "", "a", "txt"), "a.txt");
    EXPECT_EQ(vbl_file_makeSpec("C", "\\jobs", "NONE", "txt"), "C:\\jobs");
    EXPECT_EQ(vbl_file_makeSpec("", "\\jobs", "", "txt"), "\\jobs");
    EXPECT_EQ(vbl_file_makeSpec("C", "\\", "a", "txt"), "C:\\a.txt");
    EXPECT_EQ(vbl_file_makeSpec("", "/tmp/x", "a", ".txt"), "/tmp/x/a.txt");
    for (const QString p : {"C:\\jobs\\b1\\out.dat", "C:\\a.txt", "rel\\x", "/tmp/y/z.q"}) {
        const auto s = splitSpec(p);
        EXPECT_EQ(vbl_file_makeSpec(s[0], s[1], s[2], s[3]), p);
    }
}

TEST(FileExists, FilesDirectoriesAndBothSeparators)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    QDir(tmp.path()).mkdir("sub");
    QFile f(tmp.filePath("sub/a.txt"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    const QString winStyle = QString(tmp.path()).replace('/', '\\');
    EXPECT_EQ(vbl_file_exists(tmp.filePath("sub/a.txt"), true), 1);
    EXPECT_EQ(vbl_file_exists(winStyle + "\\sub\\a.txt", true), 1);
    EXPECT_EQ(vbl_file_exists(winStyle + "\\sub\\", false), 1);
    EXPECT_EQ(vbl_file_exists(winStyle + "\\sub\\", true), 0);
    EXPECT_EQ(vbl_file_exists(tmp.filePath("missing"), false), 0);
    EXPECT_EQ(vbl_file_exists("", false), 0);
    EXPECT_EQ(vbl_file_exists("\\\\", true), 0);
}

TEST(FileLongName, TakesTheCaseOnDiskAndKeepsTheRest)
{
    QTemporaryDir tmp;
    QDir(tmp.path()).mkpath("Layout/DB");
    const QString base = tmp.path();
    EXPECT_EQ(vbl_file_getLongFilename(base + "/layout/db/new.txt"), base + "/Layout/DB/new.txt");
    EXPECT_EQ(vbl_file_getLongFilename(base + "\\LAYOUT\\missing\\db"), base + "\\Layout\\missing\\db");
    EXPECT_EQ(vbl_file_getLongFilename(""), "");
    EXPECT_EQ(vbl_file_getLongFilename("\\\\"), "\\\\");
}
