// Key → position table of a collection. Built on the first look-up, kept
// current by appends, and rebuilt after a removal or after any key changed in
// the model (the key generation moved), so look-ups stay O(1) whatever the
// collection's size and never answer a stale position. The table holds
// positions and key hashes only: keys are compared with the items' own keys,
// never copied. Small collections (assignment lists, most parameter sets) are
// scanned instead: cheaper than a table, and a table per small collection
// would cost more memory than it.
#pragma once
#include <QAnyStringView>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

#include "foundation/modelGeneration.h"

namespace kalvex {

// Whether two keys are equal without regard to letter case; ASCII keys (the
// usual ids) take a short way.
bool kalvexSameKeyIgnoringCase(const QString& a, const QString& b) noexcept;
// A hash equal for keys equal without regard to letter case.
std::uint32_t kalvexKeyHashIgnoringCase(const QString& key) noexcept;
// The same hash for a key held as Latin-1 or as UTF-16.
std::uint32_t kalvexKeyHash(QAnyStringView key);

template <bool IgnoreCase>
class KalvexKeyIndexOf {
    static constexpr qsizetype kScanUpTo = 32;

public:
    // The 1-based position of the first item whose key is `key`, 0 for none.
    // keyAt(i) gives the key of the item at 0-based index i (a QString, or
    // for exact keys any text view).
    template <class Key, class KeyAt>
    int find(const Key& key, qsizetype count, KeyAt keyAt) const
    {
        if (key.isEmpty())
            return 0;
        if (count <= kScanUpTo) {
            for (qsizetype i = 0; i < count; ++i)
                if (same(keyAt(i), key))
                    return static_cast<int>(i) + 1;
            return 0;
        }
        if (!current(count))
            rebuild(count, keyAt);
        const std::uint32_t h = hashOf(key);
        const auto& cells = m_table->cells;
        const size_t mask = cells.size() - 1;
        // Linear probing from the hash: of two equal keys the one entered
        // first, the earlier position, is met first.
        for (size_t i = h & mask; cells[i].position; i = (i + 1) & mask) {
            const Cell& s = cells[i];
            if (s.hash == h && same(keyAt(s.position - 1), key))
                return static_cast<int>(s.position);
        }
        return 0;
    }
    // An item joined at the end, at the 1-based position. A table not
    // covering every item before it, or grown half full, is left to be
    // rebuilt (for twice as many items) by the next look-up.
    template <class Key>
    void appended(const Key& key, int position)
    {
        if (!current(position - 1))
            return;
        Table& t = *m_table;
        t.covered = position;
        if (key.isEmpty())
            return;
        if (static_cast<size_t>(++t.entries) * 2 > t.cells.size()) {
            t.builtAt = 0;
            return;
        }
        enter(t.cells, hashOf(key), static_cast<std::uint32_t>(position));
    }
    // Positions moved (a removal or an insertion before the end).
    void invalidate() { m_table.reset(); }

private:
    struct Cell {
        std::uint32_t position = 0; // 1-based; 0 marks a free cell
        std::uint32_t hash = 0;
    };
    struct Table {
        std::vector<Cell> cells;
        qsizetype covered = 0; // items the table accounts for
        qsizetype entries = 0; // of them with a key
        std::uint64_t builtAt = 0;
    };

    // Whether the table is there and accounts for the first `count` items.
    bool current(qsizetype count) const
    {
        return m_table && m_table->builtAt == keyGeneration() && m_table->covered == count;
    }

    template <class A, class B>
    static bool same(const A& a, const B& b)
    {
        if constexpr (IgnoreCase)
            return kalvexSameKeyIgnoringCase(a, b);
        else
            return QAnyStringView::equal(a, b);
    }
    template <class Key>
    static std::uint32_t hashOf(const Key& key)
    {
        if constexpr (IgnoreCase)
            return kalvexKeyHashIgnoringCase(key);
        else
            return kalvexKeyHash(key);
    }
    template <class KeyAt>
    void rebuild(qsizetype count, KeyAt keyAt) const
    {
        size_t size = 64;
        while (size < static_cast<size_t>(count) * 2)
            size *= 2;
        if (!m_table)
            m_table = std::make_unique<Table>();
        Table& t = *m_table;
        t.cells.assign(size, Cell{});
        t.entries = 0;
        for (qsizetype i = 0; i < count; ++i) {
            const auto& k = keyAt(i);
            if (!k.isEmpty()) {
                ++t.entries;
                enter(t.cells, hashOf(k), static_cast<std::uint32_t>(i + 1));
            }
        }
        t.covered = count;
        t.builtAt = keyGeneration();
    }
    static void enter(std::vector<Cell>& cells, std::uint32_t hash, std::uint32_t position)
    {
        const size_t mask = cells.size() - 1;
        size_t i = hash & mask;
        while (cells[i].position)
            i = (i + 1) & mask;
        cells[i] = Cell{position, hash};
    }

    // Made for collections past the scanning size only.
    mutable std::unique_ptr<Table> m_table;
};

// Ids ignore letter case; names are exact.
using KalvexIdIndex = KalvexKeyIndexOf<true>;
using KalvexNameIndex = KalvexKeyIndexOf<false>;

} // namespace kalvex
