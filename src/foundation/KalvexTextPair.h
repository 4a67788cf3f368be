// Two texts kept in one heap block, one byte a character when every character
// fits in Latin-1: a parameter's name and value cost one small allocation
// instead of two wide strings, which matters for sets of many thousands.
#pragma once
#include <QAnyStringView>
#include <QString>
#include <cstdint>
#include <memory>

namespace kalvex {

class KalvexTextPair {
public:
    KalvexTextPair() = default;
    // Throws std::bad_alloc, or std::length_error for texts past 2^31 characters.
    KalvexTextPair(QAnyStringView first, QAnyStringView second);
    KalvexTextPair(const KalvexTextPair& other) : KalvexTextPair(other.first(), other.second()) {}
    KalvexTextPair& operator=(const KalvexTextPair& other)
    {
        if (this != &other)
            *this = KalvexTextPair(other);
        return *this;
    }
    KalvexTextPair(KalvexTextPair&&) noexcept = default;
    KalvexTextPair& operator=(KalvexTextPair&&) noexcept = default;

    // Views valid until the pair changes.
    QAnyStringView first() const noexcept { return view(false); }
    QAnyStringView second() const noexcept { return view(true); }

private:
    struct Header {
        std::uint32_t firstSize;
        std::uint32_t secondSize : 31;
        std::uint32_t wide : 1; // characters of two bytes, else Latin-1
    };
    struct Release {
        void operator()(Header* h) const noexcept { ::operator delete(h); }
    };

    QAnyStringView view(bool second) const noexcept;

    std::unique_ptr<Header, Release> m_block; // none while both are empty
};

} // namespace kalvex
