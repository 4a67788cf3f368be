// A name not yet taken in a collection: the base itself when it is free,
// otherwise its stem followed by " (n)", counting on from the base's own
// trailing "(n)" (none counts as 0) until the name is free. Only a whole
// number of up to nine digits in the trailing parentheses counts; "x (abc)"
// is a stem of its own.
#pragma once
#include <QString>
#include <functional>

namespace kalvex {

QString makeUniqueName(const QString& base, const std::function<bool(const QString&)>& taken);

} // namespace kalvex
