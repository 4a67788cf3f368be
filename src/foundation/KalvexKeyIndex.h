// Key → position table of a collection. Built on the first look-up, kept
// current by appends, and rebuilt after a removal or after any key changed in
// the model (the key generation moved), so look-ups stay O(1) whatever the
// collection's size and never answer a stale position.
#pragma once
#include <QHash>
#include <QString>
#include <cstdint>

#include "foundation/modelGeneration.h"

namespace kalvex {

class KalvexKeyIndex {
public:
    // The 1-based position of the first item whose key is `key`, 0 for none.
    // Keys are compared exactly: callers fold them first when letter case
    // does not count. keyAt(i) gives the key of the item at 0-based index i.
    template <class KeyAt>
    int find(const QString& key, qsizetype count, KeyAt keyAt) const
    {
        if (key.isEmpty())
            return 0;
        if (m_builtAt != keyGeneration()) {
            m_pos.clear();
            m_pos.reserve(count);
            // Backwards, so that the first of two equal keys wins.
            for (qsizetype i = count - 1; i >= 0; --i) {
                QString k = keyAt(i);
                if (!k.isEmpty())
                    m_pos.insert(std::move(k), static_cast<int>(i));
            }
            m_builtAt = keyGeneration();
        }
        const auto found = m_pos.constFind(key);
        return found == m_pos.constEnd() ? 0 : found.value() + 1;
    }
    // An item joined at the end, at the 1-based position.
    void appended(const QString& key, int position)
    {
        if (m_builtAt == keyGeneration() && !key.isEmpty() && !m_pos.contains(key))
            m_pos.insert(key, position - 1);
    }
    // Positions moved (a removal or an insertion before the end).
    void invalidate()
    {
        m_builtAt = 0;
        m_pos.clear();
    }

private:
    mutable QHash<QString, int> m_pos;
    mutable std::uint64_t m_builtAt = 0;
};

} // namespace kalvex
