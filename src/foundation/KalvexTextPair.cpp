#include "foundation/KalvexTextPair.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <stdexcept>

namespace kalvex {

namespace {

// A text as given, in one of the two forms a block can hold.
struct Source {
    QLatin1StringView latin1;
    QStringView utf16;
    QString converted; // UTF-8 given: held as UTF-16 while the block is made
    bool isUtf16 = false;

    explicit Source(QAnyStringView text)
    {
        text.visit([this](auto v) {
            using V = decltype(v);
            if constexpr (std::is_same_v<V, QLatin1StringView>) {
                latin1 = v;
            } else if constexpr (std::is_same_v<V, QStringView>) {
                utf16 = v;
                isUtf16 = true;
            } else {
                converted = QString::fromUtf8(v.data(), v.size());
                utf16 = converted;
                isUtf16 = true;
            }
        });
    }
    qsizetype size() const { return isUtf16 ? utf16.size() : latin1.size(); }
    bool fitsLatin1() const
    {
        return !isUtf16 || std::all_of(utf16.begin(), utf16.end(), [](QChar c) { return c.unicode() <= 0xFF; });
    }
    void copyNarrow(char* out) const
    {
        if (!isUtf16) {
            if (!latin1.isEmpty())
                std::memcpy(out, latin1.data(), static_cast<size_t>(latin1.size()));
            return;
        }
        for (const QChar c : utf16)
            *out++ = static_cast<char>(c.unicode());
    }
    void copyWide(char16_t* out) const
    {
        if (isUtf16) {
            if (!utf16.isEmpty())
                std::memcpy(out, utf16.utf16(), static_cast<size_t>(utf16.size()) * sizeof(char16_t));
            return;
        }
        for (const char c : latin1)
            *out++ = static_cast<unsigned char>(c);
    }
};

} // namespace

KalvexTextPair::KalvexTextPair(QAnyStringView first, QAnyStringView second)
{
    const Source a(first);
    const Source b(second);
    if (a.size() == 0 && b.size() == 0)
        return;
    constexpr qsizetype kMax = 0x7FFFFFFF;
    if (a.size() > kMax || b.size() > kMax)
        throw std::length_error("text too long");
    const bool wide = !a.fitsLatin1() || !b.fitsLatin1();
    const size_t charSize = wide ? 2 : 1;
    const size_t bytes = sizeof(Header) + static_cast<size_t>(a.size() + b.size()) * charSize;
    m_block.reset(static_cast<Header*>(::operator new(bytes)));
    Header* h = m_block.get();
    h->firstSize = static_cast<std::uint32_t>(a.size());
    h->secondSize = static_cast<std::uint32_t>(b.size());
    h->wide = wide;
    char* chars = reinterpret_cast<char*>(h + 1);
    if (wide) {
        auto* out = reinterpret_cast<char16_t*>(chars);
        a.copyWide(out);
        b.copyWide(out + a.size());
    } else {
        a.copyNarrow(chars);
        b.copyNarrow(chars + a.size());
    }
}

QAnyStringView KalvexTextPair::view(bool second) const noexcept
{
    const Header* h = m_block.get();
    if (!h)
        return QLatin1StringView();
    const qsizetype offset = second ? h->firstSize : 0;
    const qsizetype size = second ? h->secondSize : h->firstSize;
    const char* chars = reinterpret_cast<const char*>(h + 1);
    if (h->wide)
        return QStringView(reinterpret_cast<const char16_t*>(chars) + offset, size);
    return QLatin1StringView(chars + offset, size);
}

} // namespace kalvex
