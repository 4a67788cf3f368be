// Files are read in chunks: lines that straddle a chunk boundary, lines
// longer than a chunk, unread lines and whole databases larger than a chunk
// read the same as from memory.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QTemporaryDir>
#include <random>

#include "admin/KalvexAdministrator.h"
#include "foundation/KalvexKeywordReader.h"
#include "model_compare.h"
#include "random_database.h"
#include "store_test_support.h"
#include "support/qt_printers.h"

using namespace kalvex;
using namespace kalvex::test;

namespace {

struct Seen {
    int lineNumber;
    int level;
    QString keyword;
    QStringList values;
    bool operator==(const Seen&) const = default;
};

Seen seen(const KeywordLine& l)
{
    Seen s{l.lineNumber, l.level, l.keywordText(), {}};
    for (int i = 0; i < l.count(); ++i)
        s.values << (l.quoted(i) ? "q:" : "b:") + l.value(i);
    return s;
}

// Every line, each read twice (read, given back, read again).
std::vector<Seen> readTwice(KalvexKeywordReader& r, KalvexKeywordReader::Status* last)
{
    std::vector<Seen> out;
    KeywordLine l;
    while ((*last = r.next(l)) == KalvexKeywordReader::Ok) {
        const Seen first = seen(l);
        r.unread();
        EXPECT_EQ(r.next(l), KalvexKeywordReader::Ok);
        EXPECT_EQ(seen(l), first);
        out.push_back(first);
    }
    return out;
}

// Lines of every shape, some long enough to cross several chunks.
QByteArray manyLines(int count)
{
    std::mt19937 rng(7);
    QByteArray out = "\xEF\xBB\xBF# head comment\r\n";
    for (int i = 0; i < count; ++i) {
        const int shape = static_cast<int>(rng() % 6);
        out += QByteArray(static_cast<int>(rng() % 3), '.');
        out += "kw" + QByteArray::number(i);
        if (shape == 0)
            out += " \"a ^Q^quoted^Q^ text\" 42 True";
        else if (shape == 1)
            out += " \"\xE2\x82\xAC euro\"";
        else if (shape == 2)
            out += " \"" + QByteArray(static_cast<int>(rng() % 3000), 'x') + "\"";
        else if (shape == 3)
            out += "\n\n   # comment between\n";
        out += (rng() % 2) ? "\r\n" : "\n";
    }
    out += "last \"" + QByteArray(3 * KalvexKeywordReader::kChunkBytes + 17, 'y') + "\"\n";
    out += "after 1";
    return out;
}

} // namespace

TEST(KeywordReaderChunks, ADeviceReadsLineForLineAsMemoryDoesWithUnreadAcrossChunkBoundaries)
{
    QByteArray data = manyLines(6000);
    ASSERT_GT(data.size(), 4 * KalvexKeywordReader::kChunkBytes);
    KalvexKeywordReader fromMemory(data);
    KalvexKeywordReader::Status memoryEnd;
    const auto expected = readTwice(fromMemory, &memoryEnd);
    EXPECT_EQ(memoryEnd, KalvexKeywordReader::End);

    QBuffer buf(&data);
    ASSERT_TRUE(buf.open(QIODevice::ReadOnly));
    KalvexKeywordReader fromDevice;
    ASSERT_TRUE(fromDevice.setDevice(&buf));
    KalvexKeywordReader::Status deviceEnd;
    const auto got = readTwice(fromDevice, &deviceEnd);
    EXPECT_EQ(deviceEnd, KalvexKeywordReader::End);
    EXPECT_TRUE(fromDevice.atEnd());
    ASSERT_EQ(got.size(), expected.size());
    for (size_t i = 0; i < got.size(); ++i)
        ASSERT_EQ(got[i], expected[i]) << "line " << expected[i].lineNumber;
    ASSERT_GE(got.size(), 2u);
    EXPECT_EQ(got.back().keyword, "after");
    EXPECT_EQ(got[got.size() - 2].values.value(0).size(), 3 * KalvexKeywordReader::kChunkBytes + 17 + 2);
}

TEST(KeywordReaderChunks, ATooLongLineOnADeviceIsRefusedWithItsNumberBeforeItIsReadWhole)
{
    QByteArray data = "a 1\nb 2\nc \"" + QByteArray(KalvexKeywordReader::kMaxLineBytes + 10, 'z');
    QBuffer buf(&data);
    ASSERT_TRUE(buf.open(QIODevice::ReadOnly));
    KalvexKeywordReader r;
    ASSERT_TRUE(r.setDevice(&buf));
    KeywordLine l;
    EXPECT_EQ(r.next(l), KalvexKeywordReader::Ok);
    EXPECT_EQ(r.next(l), KalvexKeywordReader::Ok);
    EXPECT_EQ(r.next(l), KalvexKeywordReader::Error);
    EXPECT_EQ(r.lineNumber(), 3);
    EXPECT_TRUE(r.errorText().contains("longer than"));
}

TEST(KeywordReaderChunks, ADatabaseLargerThanSeveralChunksLoadsFromItsFileAsItWasSaved)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("large.mra");
    auto source = RandomDatabase(11).make(60);
    ASSERT_EQ(saveTo(source, path).status, STORAGE_OK);
    const QByteArray first = readAllOf(path);
    ASSERT_GT(first.size(), 2 * KalvexKeywordReader::kChunkBytes);
    auto back = classCreate_KalvexAdministrator();
    const auto run = loadFrom(back, path, SOURCE_ID_ADMIN_DB);
    ASSERT_EQ(run.status, STORAGE_OK) << run.conn->lastError().toStdString() << " line "
                                      << run.conn->lastErrorLine();
    expectSameAdmin(source, back);
    ASSERT_EQ(saveTo(back, path).status, STORAGE_OK);
    EXPECT_EQ(readAllOf(path), first);
}
