#include "foundation/KalvexKeyIndex.h"

#include <type_traits>

namespace kalvex {

bool kalvexSameKeyIgnoringCase(const QString& a, const QString& b) noexcept
{
    if (a.size() != b.size())
        return false;
    const char16_t* x = reinterpret_cast<const char16_t*>(a.constData());
    const char16_t* y = reinterpret_cast<const char16_t*>(b.constData());
    for (qsizetype i = 0; i < a.size(); ++i) {
        char16_t p = x[i], q = y[i];
        if (p == q)
            continue;
        if (p >= 0x80 || q >= 0x80)
            return a.compare(b, Qt::CaseInsensitive) == 0;
        if (p >= 'A' && p <= 'Z')
            p = char16_t(p + 32);
        if (q >= 'A' && q <= 'Z')
            q = char16_t(q + 32);
        if (p != q)
            return false;
    }
    return true;
}

std::uint32_t kalvexKeyHashIgnoringCase(const QString& key) noexcept
{
    // Case folding character by character gives equal hashes to keys that
    // compare equal without regard to case; ASCII takes the short way.
    std::uint64_t h = 0xcbf29ce484222325ull;
    for (const QChar c : key) {
        const char16_t u = c.unicode();
        const char16_t f = u < 0x80 ? (u >= 'A' && u <= 'Z' ? char16_t(u + 32) : u) : QChar::toCaseFolded(u);
        h = (h ^ f) * 0x100000001b3ull;
    }
    return static_cast<std::uint32_t>(h ^ (h >> 32));
}

std::uint32_t kalvexKeyHash(QAnyStringView key)
{
    // Over the characters, not the bytes: a key holds the same characters
    // whether kept one or two bytes each.
    std::uint64_t h = 0xcbf29ce484222325ull;
    key.visit([&h](auto v) {
        using V = decltype(v);
        if constexpr (std::is_same_v<V, QLatin1StringView>) {
            for (const char c : v)
                h = (h ^ static_cast<unsigned char>(c)) * 0x100000001b3ull;
        } else if constexpr (std::is_same_v<V, QStringView>) {
            for (const QChar c : v)
                h = (h ^ c.unicode()) * 0x100000001b3ull;
        } else {
            for (const QChar c : QString::fromUtf8(v.data(), v.size()))
                h = (h ^ c.unicode()) * 0x100000001b3ull;
        }
    });
    return static_cast<std::uint32_t>(h ^ (h >> 32));
}

} // namespace kalvex
