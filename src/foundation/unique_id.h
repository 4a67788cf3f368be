// Free ids for a collection's new entries (free names: unique_name.h).
#pragma once
#include <QString>
#include <functional>

namespace kalvex {

// prefix and a four-digit number one above the highest number that an id of
// that form already carries ("site_0001", "site_0002", …).
QString uniqueIdFor(const QString& prefix, const std::function<void(const std::function<void(const QString&)>&)>& eachId);

} // namespace kalvex
