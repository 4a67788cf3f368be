// Key → position table of a collection. Built on the first look-up, kept
// current by appends, and rebuilt after a removal or after any key changed in
// the model (the key generation moved), so look-ups stay O(1) whatever the
// collection's size and never answer a stale position. Small collections
// (assignment lists, most parameter sets) are scanned instead: cheaper than
// a table, and a table per small collection would cost more memory than it.
#pragma once
#include <QHash>
#include <QString>
#include <cstdint>

#include "foundation/modelGeneration.h"

namespace kalvex {

// Whether two keys are equal without regard to letter case; ASCII keys (the
// usual ids) take a short way.
bool kalvexSameKeyIgnoringCase(const QString& a, const QString& b) noexcept;

// A key compared without regard to letter case, hashed without making a
// folded copy.
struct KalvexFoldedKey {
    QString text;
    friend bool operator==(const KalvexFoldedKey& a, const KalvexFoldedKey& b)
    {
        return kalvexSameKeyIgnoringCase(a.text, b.text);
    }
};
size_t qHash(const KalvexFoldedKey& key, size_t seed = 0) noexcept;

template <bool IgnoreCase>
class KalvexKeyIndexOf {
    using Key = std::conditional_t<IgnoreCase, KalvexFoldedKey, QString>;
    static constexpr qsizetype kScanUpTo = 32;

public:
    // The 1-based position of the first item whose key is `key`, 0 for none.
    // keyAt(i) gives the key of the item at 0-based index i.
    template <class KeyAt>
    int find(const QString& key, qsizetype count, KeyAt keyAt) const
    {
        if (key.isEmpty())
            return 0;
        if (count <= kScanUpTo) {
            for (qsizetype i = 0; i < count; ++i)
                if (IgnoreCase ? kalvexSameKeyIgnoringCase(keyAt(i), key) : keyAt(i) == key)
                    return static_cast<int>(i) + 1;
            return 0;
        }
        if (m_builtAt != keyGeneration() || m_pos.size() > count) {
            m_pos.clear();
            m_pos.reserve(count);
            // Backwards, so that the first of two equal keys wins.
            for (qsizetype i = count - 1; i >= 0; --i) {
                QString k = keyAt(i);
                if (!k.isEmpty())
                    m_pos.insert(Key{std::move(k)}, static_cast<int>(i));
            }
            m_builtAt = keyGeneration();
        }
        const auto found = m_pos.constFind(Key{key});
        return found == m_pos.constEnd() ? 0 : found.value() + 1;
    }
    // An item joined at the end, at the 1-based position. Its key is new to
    // the collection: callers refuse a key that is there already.
    void appended(const QString& key, int position)
    {
        if (m_builtAt == keyGeneration() && !key.isEmpty())
            m_pos.insert(Key{key}, position - 1);
    }
    // Positions moved (a removal or an insertion before the end).
    void invalidate()
    {
        m_builtAt = 0;
        m_pos.clear();
    }

private:
    mutable QHash<Key, int> m_pos;
    mutable std::uint64_t m_builtAt = 0;
};

// Ids ignore letter case; names are exact.
using KalvexIdIndex = KalvexKeyIndexOf<true>;
using KalvexNameIndex = KalvexKeyIndexOf<false>;

} // namespace kalvex
