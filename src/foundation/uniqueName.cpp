#include "foundation/uniqueName.h"

#include <QRegularExpression>

namespace kalvex {

QString uniqueNameFor(const QString& base, const std::function<bool(const QString&)>& taken)
{
    if (!taken(base))
        return base;
    static const QRegularExpression numbered(QStringLiteral("^(.*?)\\s*\\((\\d{1,9})\\)$"));
    QString stem = base;
    qint64 n = 0;
    const auto m = numbered.match(base);
    if (m.hasMatch()) {
        stem = m.captured(1);
        n = m.captured(2).toLongLong();
    }
    QString candidate;
    do {
        ++n;
        candidate = stem + QStringLiteral(" (") + QString::number(n) + QLatin1Char(')');
    } while (taken(candidate));
    return candidate;
}

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
