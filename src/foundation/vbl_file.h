// File-name and file procedures. Paths are taken with "\" or "/" as
// separators (and a drive letter when there is one); the file system is
// reached with "/".
#pragma once
#include <QString>

namespace kalvex {

// 1 when the path exists (a trailing separator ignored) and, with fileOnly,
// is not a directory; 0 otherwise, a blank path included.
int vbl_file_exists(const QString& path, bool fileOnly);

// Splits the trimmed path: the drive letter without ":" only when the second
// character is ":"; the directory without its closing separator (a file in
// the root keeps the separator alone as directory); the base name; the
// extension after the last "." of the file name.
void vbl_file_splitSpec(const QString& path, QString& drive, QString& directory, QString& baseName,
                        QString& extension);

// The drive (":" added to a single letter), the directory, a separator, the
// base name, "." and the extension; no separator after an empty directory or
// one that already ends in one, no "." for an empty extension. An empty base
// name, or "NONE", gives the directory path alone. The separator follows the
// directory: "/" when it uses only "/", "\" otherwise.
QString vbl_file_makeSpec(const QString& drive, const QString& directory, const QString& baseName,
                          const QString& extension);

// The path with each existing component in the letter case it has on disk;
// components from the first missing one on are kept as given.
QString vbl_file_getLongFilename(const QString& path);

// The path as the file system takes it ("\" turned into "/").
QString vbl_file_toNative(const QString& path);

} // namespace kalvex
