#include "platform/VbIcons.h"

#include <QApplication>
#include <QStyle>

namespace kalvex {

QIcon vbIcon_browse() { return QApplication::style()->standardIcon(QStyle::SP_DirOpenIcon); }
QIcon vbIcon_new() { return QApplication::style()->standardIcon(QStyle::SP_FileIcon); }
QIcon vbIcon_delete() { return QApplication::style()->standardIcon(QStyle::SP_TrashIcon); }

} // namespace kalvex
