#include "foundation/KalvexEnumObjectList.h"

#include <algorithm>

#include "foundation/modelGeneration.h"

namespace kalvex {

KalvexEnumObjectList::KalvexEnumObjectList(std::function<bool(const IKalvexObject&)> accepts)
    : m_accepts(std::move(accepts))
{
}

void KalvexEnumObjectList::prune() const
{
    m_objects.erase(std::remove_if(m_objects.begin(), m_objects.end(),
                                   [](const std::weak_ptr<IKalvexObject>& w) { return w.expired(); }),
                    m_objects.end());
}

bool KalvexEnumObjectList::add(const IKalvexObjectPtr& object)
{
    if (!object || (m_accepts && !m_accepts(*object)) || contains(object.get()))
        return false;
    m_objects.push_back(object);
    bumpModelGeneration();
    return true;
}

bool KalvexEnumObjectList::contains(const IKalvexObject* object) const
{
    if (!object)
        return false;
    for (const auto& w : m_objects)
        if (auto o = w.lock(); o.get() == object)
            return true;
    return false;
}

int KalvexEnumObjectList::count() const
{
    prune();
    return static_cast<int>(m_objects.size());
}

IKalvexObjectPtr KalvexEnumObjectList::item(int position) const
{
    prune();
    if (position < 1 || position > static_cast<int>(m_objects.size()))
        return nullptr;
    return m_objects[static_cast<size_t>(position - 1)].lock();
}

int KalvexEnumObjectList::remove(const IKalvexObjectPtr& object)
{
    const auto before = m_objects.size();
    m_objects.erase(std::remove_if(m_objects.begin(), m_objects.end(),
                                   [&](const std::weak_ptr<IKalvexObject>& w) { return w.lock() == object; }),
                    m_objects.end());
    bumpModelGeneration();
    return static_cast<int>(before - m_objects.size());
}

void KalvexEnumObjectList::clear()
{
    m_objects.clear();
    bumpModelGeneration();
}

} // namespace kalvex
