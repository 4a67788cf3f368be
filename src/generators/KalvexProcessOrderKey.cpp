#include "generators/KalvexProcessOrderKey.h"

namespace kalvex {

bool KalvexProcessOrderKey::parse(const QString& text, QString& normalized, Numbers& numbers)
{
    // One pass over the characters: keys are read by the ten thousand. A key
    // without blanks inside is its own normal form and is shared, not copied.
    numbers.clear();
    normalized.clear();
    const QString t = text.trimmed();
    if (t.isEmpty())
        return true;
    qint64 value = 0;
    int digits = 0;
    bool blankAfterDigits = false;
    bool blanks = false;
    for (QChar c : t) {
        if (c.isSpace()) {
            blankAfterDigits = digits > 0;
            blanks = true;
            continue;
        }
        if (c == QLatin1Char('.')) {
            if (digits == 0)
                return false;
            numbers.push_back(value);
            value = 0;
            digits = 0;
            blankAfterDigits = false;
            continue;
        }
        if (c < QLatin1Char('0') || c > QLatin1Char('9') || blankAfterDigits || ++digits > 9)
            return false;
        value = value * 10 + (c.unicode() - '0');
    }
    if (digits == 0)
        return false;
    numbers.push_back(value);
    if (!blanks) {
        normalized = t;
        return true;
    }
    normalized.reserve(t.size());
    for (QChar c : t)
        if (!c.isSpace())
            normalized += c;
    return true;
}

bool KalvexProcessOrderKey::setEncoded(const QString& text)
{
    QString normalized;
    Numbers numbers;
    if (!parse(text, normalized, numbers))
        return false;
    // Copied, not moved: in Qt 6.4.2 (Debian 12) the move assignment of a
    // QVarLengthArray that went to the heap loses the buffer.
    if (upd(m_encoded, normalized, QStringLiteral("encoded")))
        m_numbers = numbers;
    return true;
}

qint64 KalvexProcessOrderKey::numberAtLevel(int level) const
{
    if (level < 1 || level > indentLevel())
        return 0;
    return m_numbers[level - 1];
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
