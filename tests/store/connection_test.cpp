#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "generators/KalvexGenParms.h"
#include "store/KalvexRUVConnection.h"
#include "store/KalvexStorageCtrl.h"
#include "support/qt_printers.h"

using namespace kalvex;

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& data)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(data);
}

} // namespace

TEST(RUVConnection, FactoriesGiveObjectsWithTheirDefaults)
{
    auto conn = classCreate_KalvexRUVConnection(QVariant("ignored"));
    ASSERT_TRUE(conn);
    EXPECT_EQ(conn->storageType(), STORAGE_TYPE_KEYWORD_FILE);
    EXPECT_EQ(conn->fileOpenMode(), RUV_OPEN_READ);
    conn->setSourceId(200);
    EXPECT_EQ(conn->sectionKeyword(), "ADMIN_DB");
    conn->setSourceId(90);
    EXPECT_EQ(conn->sectionKeyword(), "JOB_PREFERENCES");
    conn->setSourceId(4711);
    EXPECT_EQ(conn->sectionKeyword(), "");
    auto ctrl = classCreate_KalvexStorageCtrl();
    ASSERT_TRUE(ctrl);
    EXPECT_FALSE(ctrl->storageObject());
}

TEST(RUVConnection, StorageTypesAndMissingPiecesAnswerAsAgreed)
{
    QTemporaryDir dir;
    auto ctrl = classCreate_KalvexStorageCtrl();
    auto conn = classCreate_KalvexRUVConnection();
    const QString path = dir.filePath("x.mra");
    conn->setFileIO(path);
    auto obj = classCreate_KalvexGenParms();

    EXPECT_EQ(ctrl->loadFromStorage(obj, true), STORAGE_FAILED); // no connection
    ctrl->setStorageObject(conn);
    EXPECT_EQ(ctrl->loadFromStorage(nullptr, true), STORAGE_FAILED);
    EXPECT_EQ(ctrl->saveToStorage(nullptr, true, true), STORAGE_FAILED);

    conn->setStorageType(STORAGE_TYPE_NONE);
    EXPECT_EQ(ctrl->loadFromStorage(obj, true), STORAGE_OK);
    EXPECT_EQ(ctrl->saveToStorage(obj, true, true), STORAGE_OK);
    EXPECT_FALSE(QFile::exists(path)); // type 3 does nothing

    conn->setStorageType(7);
    EXPECT_EQ(ctrl->loadFromStorage(obj, true), STORAGE_FAILED);
    EXPECT_EQ(ctrl->saveToStorage(obj, true, true), STORAGE_FAILED);

    // A kind that is not kept in keyword files.
    conn->setStorageType(STORAGE_TYPE_KEYWORD_FILE);
    EXPECT_EQ(ctrl->saveToStorage(obj, true, true), STORAGE_FAILED);
    EXPECT_TRUE(conn->lastError().contains("KalvexGenParms"));
}

TEST(RUVConnection, AWriteReplacesTheTargetOnlyWhenCommitted)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("db.mra");
    writeFile(path, "old content\r\n");
    KalvexRUVConnection conn;
    conn.setFileIO(path);
    conn.setFileOpenMode(RUV_OPEN_WRITE);

    ASSERT_TRUE(conn.openForWrite());
    for (int i = 0; i < 100000; ++i) // more than one buffer's worth
        conn.writer().writeLine(1, u"parm", {kwText("value"), kwInt(i)});
    conn.close(); // given up half-way
    EXPECT_EQ(fileBytes(path), "old content\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"db.mra"}); // no temporary left

    ASSERT_TRUE(conn.openForWrite());
    conn.writer().writeLine(0, u"new", {kwText("x")});
    ASSERT_TRUE(conn.commitWrite());
    EXPECT_EQ(fileBytes(path), "new \"x\"\r\n");

    conn.setFileOpenMode(RUV_OPEN_APPEND);
    ASSERT_TRUE(conn.openForWrite());
    conn.writer().writeLine(0, u"more", {});
    ASSERT_TRUE(conn.commitWrite());
    EXPECT_EQ(fileBytes(path), "new \"x\"\r\nmore\r\n");

    // A folder that takes no new file is named, not the file.
    conn.setFileIO(dir.filePath("no/such/dir/db.mra"));
    EXPECT_FALSE(conn.openForWrite());
    EXPECT_TRUE(conn.lastError().startsWith("cannot create a file in " + dir.filePath("no/such/dir") + ": "))
        << conn.lastError().toStdString();
}

TEST(RUVConnection, ReadsFromANamedFileOrADeviceAndLogsOneEntryPerFailure)
{
    QTemporaryDir dir;
    const QString log = dir.filePath("load.log");
    KalvexRUVConnection conn;
    conn.setLogFile(log);

    conn.setFileIO(dir.filePath("missing.mra"));
    EXPECT_FALSE(conn.openForRead());
    conn.logFailure("KalvexStorageCtrl_loadFromStorage", -2);
    const QString entry = QString::fromUtf8(fileBytes(log));
    EXPECT_TRUE(entry.startsWith("*** Error - KalvexStorageCtrl_loadFromStorage ***  Err#-2 Desc. "));
    EXPECT_TRUE(entry.contains(" ===> cannot open \"" + dir.filePath("missing.mra") + "\""));
    EXPECT_EQ(entry.count("*** Error"), 1);

    QByteArray data("a 1\r\nb \"open\r\n");
    QBuffer buf(&data);
    conn.setFileIO(QVariant::fromValue<QIODevice*>(&buf));
    ASSERT_TRUE(conn.openForRead());
    KeywordLine line;
    EXPECT_EQ(conn.readLine(line), KalvexKeywordReader::Ok);
    EXPECT_EQ(conn.readLine(line), KalvexKeywordReader::Error);
    EXPECT_EQ(conn.lastErrorLine(), 2);
    conn.logFailure("KalvexStorageCtrl_loadFromStorage", -3);
    EXPECT_TRUE(QString::fromUtf8(fileBytes(log)).contains("the given device, line 2: unbalanced quote"));

    conn.setFileIO(QVariant(17)); // a file number nobody opened
    EXPECT_FALSE(conn.openForRead());
    EXPECT_TRUE(conn.lastError().contains("file number 17 is not open"));
}
