// Saving a named file so that a failed save leaves the old file whole and a
// done one keeps what the file was besides its bytes: owner, group, mode,
// extended attributes (its access list among them) and its other names.
#pragma once
#include <QFile>
#include <QString>
#include <memory>

class QSaveFile;

namespace kalvex {

class KalvexSafeSave {
public:
    // `description` names the file in messages (as the user gave it).
    KalvexSafeSave(const QString& target, const QString& description);
    ~KalvexSafeSave();

    // Makes the new file that takes the content beside the target, starting
    // with the target's bytes when `keepContent`; false (with errorText) when
    // the target may not be written or its folder takes no new file.
    bool open(bool keepContent);
    QIODevice* device();
    // Puts the new content in place: by a rename when the new file can carry
    // all the old one had, otherwise over the old bytes, which are copied
    // aside first and put back on failure. False (old file whole) on failure.
    bool commit();
    // Drops the new content; the target stays as it was.
    void cancel();
    QString errorText() const { return m_error; }

private:
    bool fail(const QString& what);
#ifdef Q_OS_UNIX
    bool replaceByRename(int targetFd);
    bool writeInPlace(int targetFd);

    QString m_tempPath;
    QFile m_temp;
    bool m_existed = false;
#else
    std::unique_ptr<QSaveFile> m_saveFile;
#endif
    QString m_target; // symbolic links followed
    QString m_description;
    QString m_error;
};

} // namespace kalvex
