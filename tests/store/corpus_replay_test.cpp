// Replays the fuzzer's seeds (the examples and the seed folder) through the
// same checks the fuzz target makes: no crash, and whatever loads comes back
// byte for byte after a save and a second load.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "../../fuzz/ruv_fuzz_one.h"
#include "support/qt_printers.h"

TEST(FuzzCorpusReplay, EverySeedLoadsOrFailsCleanlyAndRoundTrips)
{
    int files = 0, loaded = 0;
    for (const char* folder : {"/examples", "/fuzz/seeds"}) {
        QDir dir(QStringLiteral(KALVEX_SOURCE_DIR) + QLatin1String(folder));
        for (const QString& name : dir.entryList(QDir::Files)) {
            QFile f(dir.filePath(name));
            ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
            const QByteArray data = f.readAll();
            loaded += kalvex::fuzz::oneInput(data.constData(), static_cast<size_t>(data.size()));
            ++files;
        }
    }
    EXPECT_GE(files, 3);
    EXPECT_GE(loaded, 4); // the examples, as a database, its generators and job preferences
}
