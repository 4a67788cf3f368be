// The file browser and the pickers are modal: each is opened as a user
// would open it, drawn once it shows, and closed again.
#pragma once
#include <QString>

namespace kalvex::render {

// tab 0: the file tab; tab 1: the check-out tab with a composed expression.
bool renderFileBrowser(const QString& pngFile, int tab);
bool renderParmBrowseDlg(const QString& pngFile);
bool renderDirBrowser(const QString& pngFile);

} // namespace kalvex::render
