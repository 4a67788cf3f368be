// Helpers of the store tests: saving and loading through the real controller,
// and member-by-member comparison of object trees.
#pragma once
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QProcess>
#include <optional>
#include <sys/mount.h>

#include "admin/KalvexAdministrator.h"
#include "generators/KalvexGenerators.h"
#include "interfaces/IKalvexGenerators.h"
#include "store/KalvexRUVConnection.h"
#include "store/KalvexStorageCtrl.h"

namespace kalvex::test {

inline QString demoDatabasePath() { return QStringLiteral(KALVEX_SOURCE_DIR "/examples/demo.mra"); }
inline QString demoJobPrefsPath() { return QStringLiteral(KALVEX_SOURCE_DIR "/examples/demo.ruv"); }

struct StoreRun {
    int status = 0;
    std::shared_ptr<IKalvexRUVConnection> conn;
};

inline StoreRun saveTo(const IKalvexObjectPtr& obj, const QString& path, int kwLevel = 0, bool markSaved = true)
{
    StoreRun r;
    r.conn = classCreate_KalvexRUVConnection();
    r.conn->setFileIO(path);
    r.conn->setFileOpenMode(RUV_OPEN_WRITE);
    r.conn->setKwLevel(kwLevel);
    auto ctrl = classCreate_KalvexStorageCtrl();
    ctrl->setStorageObject(r.conn);
    r.status = ctrl->saveToStorage(obj, true, markSaved);
    return r;
}

inline StoreRun loadFrom(const IKalvexObjectPtr& obj, const QVariant& file, int sourceId, const QString& log = {},
                         bool clearFirst = true, int kwLevel = 1)
{
    StoreRun r;
    r.conn = classCreate_KalvexRUVConnection();
    r.conn->setFileIO(file);
    r.conn->setFileOpenMode(RUV_OPEN_READ);
    r.conn->setKwLevel(kwLevel);
    r.conn->setSourceId(sourceId);
    r.conn->setApplMode(2);
    if (!log.isEmpty())
        r.conn->setLogFile(log);
    auto ctrl = classCreate_KalvexStorageCtrl();
    ctrl->setStorageObject(r.conn);
    r.status = ctrl->loadFromStorage(obj, clearFirst);
    return r;
}

inline StoreRun loadBytes(const IKalvexObjectPtr& obj, const QByteArray& bytes, int sourceId)
{
    QByteArray copy = bytes;
    QBuffer buf(&copy);
    return loadFrom(obj, QVariant::fromValue<QIODevice*>(&buf), sourceId);
}

inline QByteArray readAllOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void expectSameParms(const IKalvexGenParmsPtr& a, const IKalvexGenParmsPtr& b, const QString& where)
{
    ASSERT_EQ(a->count(), b->count()) << where.toStdString();
    for (int i = 1; i <= a->count(); ++i) {
        const auto pa = a->item(i), pb = b->item(i);
        EXPECT_EQ(pa->name(), pb->name()) << where.toStdString();
        EXPECT_EQ(pa->value(false), pb->value(false)) << where.toStdString() << " " << pa->name().toStdString();
        EXPECT_EQ(pa->parmType(), pb->parmType()) << where.toStdString();
        EXPECT_EQ(pa->modified(), pb->modified()) << where.toStdString();
    }
    EXPECT_EQ(a->modified(), b->modified()) << where.toStdString();
}

inline void expectSameGenerators(const IKalvexGeneratorsPtr& a, const IKalvexGeneratorsPtr& b)
{
    ASSERT_EQ(a->count(), b->count());
    for (int i = 1; i <= a->count(); ++i) {
        const auto ga = a->item(i), gb = b->item(i);
        const QString where = "generator " + ga->id();
        EXPECT_EQ(ga->id(), gb->id());
        EXPECT_EQ(ga->name(), gb->name()) << where.toStdString();
        EXPECT_EQ(ga->description(), gb->description()) << where.toStdString();
        EXPECT_EQ(ga->cmdGen(false), gb->cmdGen(false)) << where.toStdString();
        EXPECT_EQ(ga->cmdView(), gb->cmdView()) << where.toStdString();
        EXPECT_EQ(ga->cmdPlot(), gb->cmdPlot()) << where.toStdString();
        EXPECT_EQ(ga->fileExt(), gb->fileExt()) << where.toStdString();
        EXPECT_EQ(ga->activeXModule(), gb->activeXModule()) << where.toStdString();
        EXPECT_EQ(ga->groupId(), gb->groupId()) << where.toStdString();
        EXPECT_EQ(ga->reservedItem(), gb->reservedItem()) << where.toStdString();
        EXPECT_EQ(ga->intCounter(), gb->intCounter()) << where.toStdString();
        EXPECT_EQ(ga->modified(), gb->modified()) << where.toStdString();
        expectSameParms(ga->parameters(), gb->parameters(), where);
    }
    EXPECT_EQ(a->modified(), b->modified());
}

// `count` generators of one parameter each, its value `valueChars` long.
inline IKalvexGeneratorsPtr generatorsOf(int count, qsizetype valueChars)
{
    auto gens = classCreate_KalvexGenerators();
    for (int i = 0; i < count; ++i)
        gens->add(QStringLiteral("G%1").arg(i))->parameters()->add("p", QString(valueChars, 'v'), PARM_TYPE_USER);
    return gens;
}

// What a shell command run on the file ("$1") prints; none when it fails or a tool is missing.
inline std::optional<QString> shellOn(const QString& path, const QString& command)
{
    QProcess p;
    p.start("sh", {"-c", command, "sh", path});
    const bool ok = p.waitForFinished() && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    return ok ? std::optional(QString::fromUtf8(p.readAllStandardOutput())) : std::nullopt;
}

// A small file system where the machine lets the test mount one (as root),
// so that a save meets a really full disk.
class SmallFileSystem {
public:
    explicit SmallFileSystem(const QString& dir) : m_dir(dir)
    {
        m_mounted = ::mount("tmpfs", QFile::encodeName(dir).constData(), "tmpfs", 0, "size=64k") == 0;
    }
    ~SmallFileSystem()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_dir).constData(), MNT_DETACH);
    }
    bool mounted() const { return m_mounted; }

private:
    QString m_dir;
    bool m_mounted = false;
};

// The bundled example database, loaded; a failed load fails the test.
inline IKalvexAdministratorPtr loadDemoDatabase()
{
    auto adm = classCreate_KalvexAdministrator();
    const auto run = loadFrom(adm, demoDatabasePath(), SOURCE_ID_ADMIN_DB);
    EXPECT_EQ(run.status, STORAGE_OK) << run.conn->lastError().toStdString() << " line "
                                      << run.conn->lastErrorLine();
    return adm;
}

} // namespace kalvex::test
