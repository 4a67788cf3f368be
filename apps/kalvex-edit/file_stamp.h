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

    static FileStamp of(const QString& path);
    bool operator==(const FileStamp& other) const
    {
        return state == other.state && size == other.size && hash == other.hash;
    }
};

} // namespace kalvex::edit
