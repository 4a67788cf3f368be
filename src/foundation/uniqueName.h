// Free names and ids for a collection's new entries.
#pragma once
#include <QString>
#include <functional>

namespace kalvex {

// base when nothing bears it; otherwise base split into a stem and a trailing
// "(n)" (none counts as 0), then stem " (n+1)", " (n+2)"… until free.
QString uniqueNameFor(const QString& base, const std::function<bool(const QString&)>& taken);

// prefix and a four-digit number one above the highest number that an id of
// that form already carries ("site_0001", "site_0002", …).
QString uniqueIdFor(const QString& prefix, const std::function<void(const std::function<void(const QString&)>&)>& eachId);

} // namespace kalvex
