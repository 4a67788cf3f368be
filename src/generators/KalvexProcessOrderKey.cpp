#include "generators/KalvexProcessOrderKey.h"

#include <QStringList>

namespace kalvex {

bool KalvexProcessOrderKey::parse(const QString& text, QString& normalized, std::vector<qint64>& numbers)
{
    numbers.clear();
    normalized.clear();
    const QString t = text.trimmed();
    if (t.isEmpty())
        return true;
    QStringList pieces;
    for (const QString& raw : t.split(QLatin1Char('.'))) {
        const QString piece = raw.trimmed();
        if (piece.isEmpty() || piece.size() > 9)
            return false;
        for (QChar c : piece)
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return false;
        numbers.push_back(piece.toLongLong());
        pieces << piece;
    }
    normalized = pieces.join(QLatin1Char('.'));
    return true;
}

bool KalvexProcessOrderKey::setEncoded(const QString& text)
{
    QString normalized;
    std::vector<qint64> numbers;
    if (!parse(text, normalized, numbers))
        return false;
    if (upd(m_encoded, normalized, QStringLiteral("encoded")))
        m_numbers = std::move(numbers);
    return true;
}

qint64 KalvexProcessOrderKey::numberAtLevel(int level) const
{
    if (level < 1 || level > indentLevel())
        return 0;
    return m_numbers[static_cast<size_t>(level - 1)];
}

int KalvexProcessOrderKey::compare(const IKalvexProcessOrderKey& other) const
{
    const int common = std::min(indentLevel(), other.indentLevel());
    for (int level = 1; level <= common; ++level) {
        const qint64 a = numberAtLevel(level);
        const qint64 b = other.numberAtLevel(level);
        if (a != b)
            return a < b ? -1 : 1;
    }
    return indentLevel() - other.indentLevel();
}

void KalvexProcessOrderKey::initialize()
{
    m_encoded.clear();
    m_numbers.clear();
    m_table.clear();
    bumpModelGeneration();
    setModified(0);
}

bool orderKeyContains(const IKalvexProcessOrderKey& ancestor, const IKalvexProcessOrderKey& key)
{
    const int level = ancestor.indentLevel();
    if (level < 1 || level >= key.indentLevel())
        return false;
    for (int l = 1; l <= level; ++l)
        if (ancestor.numberAtLevel(l) != key.numberAtLevel(l))
            return false;
    return true;
}

std::shared_ptr<IKalvexProcessOrderKey> classCreate_KalvexProcessOrderKey()
{
    return std::make_shared<KalvexProcessOrderKey>();
}

} // namespace kalvex
