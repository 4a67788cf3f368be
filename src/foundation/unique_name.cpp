#include "foundation/unique_name.h"

#include <QRegularExpression>

namespace kalvex {

QString makeUniqueName(const QString& base, const std::function<bool(const QString&)>& taken)
{
    if (!taken(base))
        return base;
    static const QRegularExpression numbered(QStringLiteral("^(.*?)\\s*\\((\\d{1,9})\\)\\s*$"));
    QString stem = base;
    long long n = 0;
    const auto m = numbered.match(base);
    if (m.hasMatch()) {
        stem = m.captured(1);
        n = m.captured(2).toLongLong();
    }
    while (true) {
        const QString candidate = stem + QStringLiteral(" (") + QString::number(++n) + QLatin1Char(')');
        if (!taken(candidate))
            return candidate;
    }
}

} // namespace kalvex
