// A filter list of objects of one kind, held weakly.
#pragma once
#include <functional>
#include <vector>

#include "interfaces/IKalvexEnumObjectList.h"

namespace kalvex {

class KalvexEnumObjectList : public IKalvexEnumObjectList {
public:
    // accepts tells whether an object is of the list's kind.
    explicit KalvexEnumObjectList(std::function<bool(const IKalvexObject&)> accepts);

    bool add(const IKalvexObjectPtr& object) override;
    bool contains(const IKalvexObject* object) const override;
    int count() const override;
    IKalvexObjectPtr item(int position) const override;
    int remove(const IKalvexObjectPtr& object) override;
    void clear() override;

private:
    void prune() const;

    std::function<bool(const IKalvexObject&)> m_accepts;
    mutable std::vector<std::weak_ptr<IKalvexObject>> m_objects;
};

// A list that takes objects implementing I.
template <typename I>
std::shared_ptr<IKalvexEnumObjectList> classCreate_KalvexEnumObjectList()
{
    return std::make_shared<KalvexEnumObjectList>(
        [](const IKalvexObject& o) { return dynamic_cast<const I*>(&o) != nullptr; });
}

} // namespace kalvex
