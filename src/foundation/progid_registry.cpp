#include "foundation/progid_registry.h"

namespace kalvex {

ProgIdRegistry& ProgIdRegistry::instance()
{
    static ProgIdRegistry registry;
    return registry;
}

ProgIdRegistry::ProgIdRegistry() = default;

void ProgIdRegistry::setEntry(const QString& progId, Entry entry)
{
    const QString key = progId.trimmed().toLower();
    if (key.isEmpty())
        return;
    m_entries.insert(key, std::move(entry));
}

void ProgIdRegistry::unregisterClass(const QString& progId)
{
    m_entries.remove(progId.trimmed().toLower());
}

bool ProgIdRegistry::isRegistered(const QString& progId) const
{
    return m_entries.contains(progId.trimmed().toLower());
}

QStringList ProgIdRegistry::progIds() const
{
    QStringList out;
    for (const auto& e : m_entries)
        out << e.progId;
    out.sort(Qt::CaseInsensitive);
    return out;
}

const ProgIdRegistry::Entry* ProgIdRegistry::find(const QString& progId) const
{
    auto it = m_entries.constFind(progId.trimmed().toLower());
    return it == m_entries.constEnd() ? nullptr : &*it;
}

} // namespace kalvex
