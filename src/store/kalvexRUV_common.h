// Shared pieces of the keyword-file readers and writers: member tables that
// serve both directions (so that whatever is written is read back), value
// checks, and the loop that reads the member lines of one entry.
#pragma once
#include <QString>
#include <functional>
#include <vector>

#include "foundation/KalvexKeywordLine.h"
#include "store/KalvexRUVConnection.h"

namespace kalvex {

// The section title keyword and the head-line format version. From
// version 2 on a file ends with the end line, so a file cut short at a line
// boundary is seen as such; version 1 files have none and still load.
inline const QString RUV_SECTION = QStringLiteral("Section");
inline const QString RUV_END = QStringLiteral("End");
constexpr int RUV_FORMAT_VERSION = 2;
constexpr int RUV_FIRST_VERSION_WITH_END = 2;

// Value checks: true and the value, or false with *error set.
bool ruvInt(const KeywordLine& line, int index, int* out, QString* error);
bool ruvDouble(const KeywordLine& line, int index, double* out, QString* error);
bool ruvBool(const KeywordLine& line, int index, bool* out, QString* error);
// A date: a neutral number (bare) or any quoted text.
bool ruvDate(const KeywordLine& line, int index, QString* out, QString* error);
// Exactly n values.
bool ruvCount(const KeywordLine& line, int n, QString* error);

// One member of an object kind: how it is written and read back.
template <class T>
struct RUVMember {
    QString keyword;
    std::function<void(const T&, std::vector<KeywordValue>&)> write;
    // Empty text when the line was taken, else what was wrong.
    std::function<QString(T&, const KeywordLine&)> read;
};

template <class T>
using RUVMembers = std::vector<RUVMember<T>>;

template <class T, class G, class S>
RUVMember<T> ruvText(const char* keyword, G get, S set)
{
    return {QLatin1String(keyword), [get](const T& o, std::vector<KeywordValue>& v) { v.push_back(kwText((o.*get)())); },
            [set](T& o, const KeywordLine& l) -> QString {
                QString err;
                if (!ruvCount(l, 1, &err))
                    return err;
                (o.*set)(l.value(0));
                return {};
            }};
}

template <class T, class G, class S>
RUVMember<T> ruvIntMember(const char* keyword, G get, S set)
{
    return {QLatin1String(keyword), [get](const T& o, std::vector<KeywordValue>& v) { v.push_back(kwInt((o.*get)())); },
            [set](T& o, const KeywordLine& l) -> QString {
                QString err;
                int n = 0;
                if (!ruvCount(l, 1, &err) || !ruvInt(l, 0, &n, &err))
                    return err;
                (o.*set)(n);
                return {};
            }};
}

template <class T, class G, class S>
RUVMember<T> ruvDoubleMember(const char* keyword, G get, S set)
{
    return {QLatin1String(keyword),
            [get](const T& o, std::vector<KeywordValue>& v) { v.push_back(kwDouble((o.*get)())); },
            [set](T& o, const KeywordLine& l) -> QString {
                QString err;
                double d = 0;
                if (!ruvCount(l, 1, &err) || !ruvDouble(l, 0, &d, &err))
                    return err;
                (o.*set)(d);
                return {};
            }};
}

template <class T, class G, class S>
RUVMember<T> ruvBoolMember(const char* keyword, G get, S set)
{
    return {QLatin1String(keyword), [get](const T& o, std::vector<KeywordValue>& v) { v.push_back(kwBool((o.*get)())); },
            [set](T& o, const KeywordLine& l) -> QString {
                QString err;
                bool b = false;
                if (!ruvCount(l, 1, &err) || !ruvBool(l, 0, &b, &err))
                    return err;
                (o.*set)(b);
                return {};
            }};
}

template <class T, class G, class S>
RUVMember<T> ruvDateMember(const char* keyword, G get, S set)
{
    return {QLatin1String(keyword), [get](const T& o, std::vector<KeywordValue>& v) { v.push_back(kwDate((o.*get)())); },
            [set](T& o, const KeywordLine& l) -> QString {
                QString err;
                QString d;
                if (!ruvCount(l, 1, &err) || !ruvDate(l, 0, &d, &err))
                    return err;
                (o.*set)(d);
                return {};
            }};
}

// Writes every member of a table, one line each, at the given level.
template <class T>
void ruvWriteMembers(KalvexKeywordWriter& w, int level, const T& object, const RUVMembers<T>& members)
{
    std::vector<KeywordValue> values;
    for (const auto& m : members) {
        values.clear();
        m.write(object, values);
        w.writeLine(level, m.keyword, values);
    }
}

// Applies a member line through the table; an unknown keyword is an error.
template <class T>
QString ruvApplyMember(T& object, const KeywordLine& line, const RUVMembers<T>& members, const QString& what)
{
    for (const auto& m : members)
        if (m.keyword == line.keyword)
            return m.read(object, line);
    return QStringLiteral("unknown keyword \"%1\" in %2").arg(line.keyword, what);
}

// Reads the member lines that follow an entry (all at memberLevel) and hands
// each to apply, which answers an error text or an empty one. Stops before
// the first line at a lower level. False, with the connection's error set to
// the line at fault, on any error.
bool ruvReadMembers(KalvexRUVConnection& conn, int memberLevel,
                    const std::function<QString(const KeywordLine&)>& apply);

// Records a fault at a line.
bool ruvFail(KalvexRUVConnection& conn, const KeywordLine& line, const QString& what);

} // namespace kalvex

namespace kalvex {

// Reads the file's head line (the source's keyword and the format version)
// and then its sections. For each section title line, section(title, line)
// reads the section's entries (the lines below the title) and answers false,
// with the connection's error set, on a fault. A line that is neither head
// nor title at the section level is a fault.
bool ruvReadSections(KalvexRUVConnection& conn, const QStringList& headKeywords,
                     const std::function<bool(const QString& title, const KeywordLine& line)>& section);

// Consumes the entries of a section that is not wanted, checking their syntax.
bool ruvSkipSection(KalvexRUVConnection& conn);

// Reads the entries of a section: each is an entry line at entryLevel with
// the keyword and one value (its id), followed by member lines one level
// deeper. begin(entryLine) makes the object, member(line) applies a member
// line and end() takes the finished object in; each answers an error text or
// an empty one. The section ends before the next line at a lower level.
bool ruvReadEntries(KalvexRUVConnection& conn, int entryLevel, const QString& entryKeyword, const QString& title,
                    const std::function<QString(const KeywordLine&)>& begin,
                    const std::function<QString(const KeywordLine&)>& member, const std::function<QString()>& end);

// Writes the end line that closes every file written.
void ruvWriteEnd(KalvexRUVConnection& conn);

// Writes the head line and, when asked, a comment naming what follows.
void ruvWriteHead(KalvexRUVConnection& conn, const QString& headKeyword, const QString& what, bool withComments);
void ruvWriteSectionTitle(KalvexRUVConnection& conn, const QString& title);

} // namespace kalvex
