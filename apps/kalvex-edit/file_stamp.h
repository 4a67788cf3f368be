// What a file held at one moment, to tell later whether anything changed it.
#pragma once
#include <QByteArray>
#include <QString>

namespace kalvex::edit {

// The bytes' hash decides, not the file's times: a rewrite of the same size
// within one tick of the file system's clock keeps size and time. A file
// missing or unreadable is a state of its own, equal to the same state met
// again.
struct FileStamp {
    enum class State { Missing, Unreadable, Read };
    State state = State::Missing;
    qint64 size = 0;
    QByteArray hash;
    QString error; // why it is missing or unreadable; not compared

    // What the system says of the file: its identity and times, to full
    // precision. Not compared either: it only spares reading the bytes again.
    struct Metadata {
        quint64 device = 0, inode = 0;
        qint64 size = 0, modifiedNs = 0, changedNs = 0;
        bool operator==(const Metadata&) const = default;
    };
    Metadata metadata;
    // The file's times were a few seconds old when the bytes were read, so
    // any later write gives it other times, however coarse its clock.
    bool settled = false;

    // The stamp of path now. With `known`, a stamp taken before: when the
    // file's metadata are still those of a settled `known`, the bytes are not
    // read again and `known` is the answer.
    static FileStamp of(const QString& path, const FileStamp* known = nullptr);
    bool operator==(const FileStamp& other) const
    {
        return state == other.state && size == other.size && hash == other.hash;
    }
};

} // namespace kalvex::edit
