#include "foundation/vbl_file.h"

#include <QDir>
#include <QFileInfo>

namespace kalvex {

namespace {
bool isSep(QChar c)
{
    return c == QLatin1Char('\\') || c == QLatin1Char('/');
}
} // namespace

QString vbl_file_toNative(const QString& path)
{
    QString p = path;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return p;
}

int vbl_file_exists(const QString& path, bool fileOnly)
{
    QString p = vbl_file_toNative(path.trimmed());
    while (p.size() > 1 && p.endsWith(QLatin1Char('/')))
        p.chop(1);
    if (p.isEmpty())
        return 0;
    const QFileInfo info(p);
    if (!info.exists())
        return 0;
    if (fileOnly && info.isDir())
        return 0;
    return 1;
}

void vbl_file_splitSpec(const QString& path, QString& drive, QString& directory, QString& baseName,
                        QString& extension)
{
    drive.clear();
    directory.clear();
    baseName.clear();
    extension.clear();
    QString rest = path.trimmed();
    if (rest.size() >= 2 && rest.at(1) == QLatin1Char(':')) {
        drive = rest.left(1);
        rest = rest.mid(2);
    }
    qsizetype lastSep = -1;
    for (qsizetype i = rest.size() - 1; i >= 0; --i)
        if (isSep(rest.at(i))) {
            lastSep = i;
            break;
        }
    QString file = rest;
    if (lastSep >= 0) {
        directory = lastSep == 0 ? rest.left(1) : rest.left(lastSep);
        file = rest.mid(lastSep + 1);
    }
    const qsizetype dot = file.lastIndexOf(QLatin1Char('.'));
    if (dot >= 0) {
        baseName = file.left(dot);
        extension = file.mid(dot + 1);
    } else {
        baseName = file;
    }
}

QString vbl_file_makeSpec(const QString& drive, const QString& directory, const QString& baseName,
                          const QString& extension)
{
    QString out = drive;
    if (drive.size() == 1)
        out += QLatin1Char(':');
    out += directory;
    if (baseName.isEmpty() || baseName == QLatin1String("NONE"))
        return out;
    if (!directory.isEmpty() && !isSep(directory.back())) {
        const bool slashOnly = directory.contains(QLatin1Char('/')) && !directory.contains(QLatin1Char('\\'));
        out += slashOnly ? QLatin1Char('/') : QLatin1Char('\\');
    }
    out += baseName;
    QString ext = extension;
    if (ext.startsWith(QLatin1Char('.')))
        ext.remove(0, 1); // ".txt" and "txt" mean the same extension
    if (!ext.isEmpty())
        out += QLatin1Char('.') + ext;
    return out;
}

QString vbl_file_getLongFilename(const QString& path)
{
    const QString p = path.trimmed();
    if (p.isEmpty())
        return p;
    QString out;
    QString onDisk; // the part resolved so far, as the file system takes it
    qsizetype i = 0;
    if (p.size() >= 2 && p.at(1) == QLatin1Char(':')) {
        out = p.left(2);
        i = 2;
    }
    if (i < p.size() && isSep(p.at(i))) {
        out += p.at(i);
        onDisk = QStringLiteral("/");
        ++i;
    } else {
        onDisk = QStringLiteral(".");
    }
    bool resolving = out.size() <= 1; // a drive letter has no meaning here: keep as given
    while (i < p.size()) {
        qsizetype j = i;
        while (j < p.size() && !isSep(p.at(j)))
            ++j;
        QString part = p.mid(i, j - i);
        if (resolving && !part.isEmpty() && part != QLatin1String(".") && part != QLatin1String("..")) {
            const QDir dir(onDisk);
            QString found;
            if (QFileInfo::exists(dir.filePath(part))) {
                found = part;
            } else {
                const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
                for (const auto& e : entries)
                    if (e.compare(part, Qt::CaseInsensitive) == 0) {
                        found = e;
                        break;
                    }
            }
            if (found.isEmpty())
                resolving = false;
            else
                part = found;
        }
        if (resolving)
            onDisk = QDir(onDisk).filePath(part);
        out += part;
        if (j < p.size())
            out += p.at(j);
        i = j + 1;
    }
    return out;
}

} // namespace kalvex
