// Shared pieces of the keyword-file readers and writers: member tables that
// serve both directions (so that whatever is written is read back), value
// checks, and the loop that reads the member lines of one entry.
#pragma once
#include <QByteArray>
#include <QHash>
#include <QString>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <memory>
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

// Records a fault at a line.
bool ruvFail(KalvexRUVConnection& conn, const KeywordLine& line, const QString& what);

// Value checks: true and the value, or false with *error set.
bool ruvInt(const KeywordLine& line, int index, int* out, QString* error);
bool ruvDouble(const KeywordLine& line, int index, double* out, QString* error);
bool ruvBool(const KeywordLine& line, int index, bool* out, QString* error);
// A date: a neutral number (bare) or any quoted text.
bool ruvDate(const KeywordLine& line, int index, QString* out, QString* error);
// Exactly n values.
bool ruvCount(const KeywordLine& line, int n, QString* error);

// Keyword -> small integer, built once per table and looked up per line
// without making a string: one hash of the bytes and one compare.
class RUVKeywordIndex {
public:
    void add(const QString& keyword, int id);
    // The id of a keyword, -1 for none.
    int find(QByteArrayView keyword) const
    {
        if (m_slots.empty())
            return -1;
        const size_t mask = m_slots.size() - 1;
        for (size_t i = hashOf(keyword) & mask;; i = (i + 1) & mask) {
            const Slot& s = m_slots[i];
            if (s.id < 0)
                return -1;
            if (s.key.size() == keyword.size() &&
                std::memcmp(s.key.constData(), keyword.data(), static_cast<size_t>(keyword.size())) == 0)
                return s.id;
        }
    }

private:
    struct Slot {
        QByteArray key;
        int id = -1;
    };
    // Keywords of one kind differ in length or at their ends: enough to
    // spread a few dozen of them, at the cost of three loads.
    static size_t hashOf(QByteArrayView k)
    {
        if (k.isEmpty())
            return 0;
        const auto first = static_cast<unsigned char>(k.front());
        const auto last = static_cast<unsigned char>(k.back());
        const auto mid = static_cast<unsigned char>(k[k.size() / 2]);
        return (static_cast<size_t>(k.size()) * 0x9E3779B1u) ^ (first * 0x85EBCA6Bu) ^ (last * 0xC2B2AE35u) ^
               (mid * 0x27D4EB2Fu);
    }
    void grow();
    std::vector<Slot> m_slots;
    int m_used = 0;
};

// One member of an object kind: how it is written and read back. Plain
// functions, so a line costs one indirect call.
template <class T>
struct RUVMember {
    QString keyword;
    void (*write)(const T&, std::vector<KeywordValue>&) = nullptr;
    // Empty text when the line was taken, else what was wrong.
    QString (*read)(T&, const KeywordLine&) = nullptr;
};

template <class T>
using RUVMembers = std::vector<RUVMember<T>>;

// The members of a kind with their keyword index. Keywords a reader handles
// itself (lists, references) are indexed too, as extras numbered from kExtra
// in the order given.
template <class T>
class RUVTable {
public:
    static constexpr int kExtra = 1000;

    RUVTable(RUVMembers<T> members, std::initializer_list<const char*> extras = {}) : m_members(std::move(members))
    {
        for (size_t i = 0; i < m_members.size(); ++i)
            m_index.add(m_members[i].keyword, static_cast<int>(i));
        int n = kExtra;
        for (const char* kw : extras)
            m_index.add(QLatin1String(kw), n++);
    }
    const RUVMembers<T>& members() const { return m_members; }
    // A member's position, kExtra + n for the n-th extra, -1 for an unknown keyword.
    int find(QByteArrayView keyword) const { return m_index.find(keyword); }

private:
    RUVMembers<T> m_members;
    RUVKeywordIndex m_index;
};

template <class T, auto Get, auto Set>
RUVMember<T> ruvText(const char* keyword)
{
    return {QLatin1String(keyword), [](const T& o, std::vector<KeywordValue>& v) { v.push_back(kwText((o.*Get)())); },
            [](T& o, const KeywordLine& l) -> QString {
                QString err;
                if (!ruvCount(l, 1, &err))
                    return err;
                (o.*Set)(l.value(0));
                return {};
            }};
}

template <class T, auto Get, auto Set>
RUVMember<T> ruvIntMember(const char* keyword)
{
    return {QLatin1String(keyword), [](const T& o, std::vector<KeywordValue>& v) { v.push_back(kwInt((o.*Get)())); },
            [](T& o, const KeywordLine& l) -> QString {
                QString err;
                int n = 0;
                if (!ruvCount(l, 1, &err) || !ruvInt(l, 0, &n, &err))
                    return err;
                (o.*Set)(n);
                return {};
            }};
}

template <class T, auto Get, auto Set>
RUVMember<T> ruvDoubleMember(const char* keyword)
{
    return {QLatin1String(keyword), [](const T& o, std::vector<KeywordValue>& v) { v.push_back(kwDouble((o.*Get)())); },
            [](T& o, const KeywordLine& l) -> QString {
                QString err;
                double d = 0;
                if (!ruvCount(l, 1, &err) || !ruvDouble(l, 0, &d, &err))
                    return err;
                (o.*Set)(d);
                return {};
            }};
}

template <class T, auto Get, auto Set>
RUVMember<T> ruvBoolMember(const char* keyword)
{
    return {QLatin1String(keyword), [](const T& o, std::vector<KeywordValue>& v) { v.push_back(kwBool((o.*Get)())); },
            [](T& o, const KeywordLine& l) -> QString {
                QString err;
                bool b = false;
                if (!ruvCount(l, 1, &err) || !ruvBool(l, 0, &b, &err))
                    return err;
                (o.*Set)(b);
                return {};
            }};
}

template <class T, auto Get, auto Set>
RUVMember<T> ruvDateMember(const char* keyword)
{
    return {QLatin1String(keyword), [](const T& o, std::vector<KeywordValue>& v) { v.push_back(kwDate((o.*Get)())); },
            [](T& o, const KeywordLine& l) -> QString {
                QString err;
                QString d;
                if (!ruvCount(l, 1, &err) || !ruvDate(l, 0, &d, &err))
                    return err;
                (o.*Set)(d);
                return {};
            }};
}

// Writes every member of a table, one line each, at the given level.
template <class T>
void ruvWriteMembers(KalvexKeywordWriter& w, int level, const T& object, const RUVTable<T>& table)
{
    std::vector<KeywordValue> values;
    for (const auto& m : table.members()) {
        values.clear();
        m.write(object, values);
        w.writeLine(level, m.keyword, values);
    }
}

QString ruvUnknownKeyword(const KeywordLine& line, const QString& what);

// Applies a member line through the table (at the member's position when
// the caller looked it up); an unknown keyword (or an extra the caller did
// not take) is an error.
template <class T>
QString ruvApplyMemberAt(T& object, const KeywordLine& line, const RUVTable<T>& table, int i, const QString& what)
{
    if (i >= 0 && i < static_cast<int>(table.members().size()))
        return table.members()[static_cast<size_t>(i)].read(object, line);
    return ruvUnknownKeyword(line, what);
}
template <class T>
QString ruvApplyMember(T& object, const KeywordLine& line, const RUVTable<T>& table, const QString& what)
{
    return ruvApplyMemberAt(object, line, table, table.find(line.keyword), what);
}

QString ruvLevelFault(const KeywordLine& line, int expected);

// Entries of a file by their id as written, for references written the same
// way: looked up by the bytes, without making a string.
template <class T>
using RUVIdMap = QHash<QByteArray, std::shared_ptr<T>>;

template <class T>
std::shared_ptr<T> ruvFindId(const RUVIdMap<T>& ids, QByteArrayView bytes)
{
    return ids.value(QByteArray::fromRawData(bytes.data(), bytes.size()));
}

// Whether a token is an id that can be matched by its bytes: ASCII, no
// escapes and nothing for trimming to take.
inline bool ruvPlainId(const KeywordToken& t, bool ascii)
{
    return ascii && !t.caret && !t.bytes.isEmpty() && static_cast<unsigned char>(t.bytes.front()) > ' ' &&
           static_cast<unsigned char>(t.bytes.back()) > ' ';
}

// Reads the member lines that follow an entry (all at memberLevel) and hands
// each to apply, which answers an error text or an empty one. Stops before
// the first line at a lower level. False, with the connection's error set to
// the line at fault, on any error.
template <class Apply>
bool ruvReadMembers(KalvexRUVConnection& conn, int memberLevel, Apply&& apply)
{
    // Reused from entry to entry: its value list keeps its capacity.
    static thread_local KeywordLine line;
    for (;;) {
        const auto st = conn.readLine(line);
        if (st == KalvexKeywordReader::End)
            return true;
        if (st == KalvexKeywordReader::Error)
            return false;
        if (line.level < memberLevel) {
            conn.unreadLine();
            return true;
        }
        if (line.level > memberLevel)
            return ruvFail(conn, line, ruvLevelFault(line, memberLevel));
        const QString err = apply(line);
        if (!err.isEmpty())
            return ruvFail(conn, line, err);
    }
}

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

QString ruvEntryLevelFault(const KeywordLine& line, const QString& title, int entryLevel);
QString ruvEntryKeywordFault(const KeywordLine& line, const QString& title);
// Checks an entry line's id: one value, not blank.
QString ruvEntryIdFault(const KeywordLine& line);

// Reads the entries of a section: each is an entry line at entryLevel with
// the keyword and one value (its id), followed by member lines one level
// deeper. begin(entryLine) makes the object, member(line) applies a member
// line and end() takes the finished object in; each answers an error text or
// an empty one. The section ends before the next line at a lower level.
template <class Begin, class Member, class End>
bool ruvReadEntries(KalvexRUVConnection& conn, int entryLevel, const QString& entryKeyword, const QString& title,
                    Begin&& begin, Member&& member, End&& end)
{
    static thread_local KeywordLine line;
    const QByteArray keyword = entryKeyword.toUtf8();
    KalvexKeywordReader::Status st;
    while ((st = conn.readLine(line)) == KalvexKeywordReader::Ok) {
        if (line.level < entryLevel) {
            conn.unreadLine();
            return true;
        }
        if (line.level > entryLevel)
            return ruvFail(conn, line, ruvEntryLevelFault(line, title, entryLevel));
        if (line.keyword != QByteArrayView(keyword))
            return ruvFail(conn, line, ruvEntryKeywordFault(line, title));
        QString err = ruvEntryIdFault(line);
        if (!err.isEmpty())
            return ruvFail(conn, line, err);
        const int entryLine = line.lineNumber;
        err = begin(line);
        if (!err.isEmpty())
            return ruvFail(conn, line, err);
        if (!ruvReadMembers(conn, entryLevel + 1, member))
            return false;
        err = end();
        if (!err.isEmpty()) {
            conn.setError(err, entryLine);
            return false;
        }
    }
    return st == KalvexKeywordReader::End;
}

// Writes the end line that closes every file written.
void ruvWriteEnd(KalvexRUVConnection& conn);

// Writes the head line and, when asked, a comment naming what follows.
void ruvWriteHead(KalvexRUVConnection& conn, const QString& headKeyword, const QString& what, bool withComments);
void ruvWriteSectionTitle(KalvexRUVConnection& conn, const QString& title);

} // namespace kalvex
