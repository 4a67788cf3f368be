// Keywords of the object-type codes.
#pragma once
#include <QString>

namespace kalvex {

// 1 "ADMIN_DB" … 10 "LOCAL_ADMIN_DB_STATUS"; any other code the empty text.
QString morvObjs_objTypeToStr(int code);

} // namespace kalvex
