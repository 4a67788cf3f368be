#include "foundation/unique_id.h"

namespace kalvex {

QString uniqueIdFor(const QString& prefix, const std::function<void(const std::function<void(const QString&)>&)>& eachId)
{
    qint64 highest = 0;
    eachId([&](const QString& id) {
        if (!id.startsWith(prefix))
            return;
        bool ok = false;
        const qint64 n = id.mid(prefix.size()).toLongLong(&ok);
        if (ok && n > highest)
            highest = n;
    });
    return prefix + QStringLiteral("%1").arg(highest + 1, 4, 10, QLatin1Char('0'));
}

} // namespace kalvex
