// Result codes of renaming a collection's item (renameId of the model's
// collections, rename of parameter sets and of the generators).
#pragma once

namespace kalvex {

constexpr int RENAME_OK = 0;
constexpr int RENAME_SAME = 1;
constexpr int RENAME_EMPTY = -1;
constexpr int RENAME_NOT_FOUND = -2;
constexpr int RENAME_EXISTS = -3;

} // namespace kalvex
