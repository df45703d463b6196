// Sets of positions of the battle random sequence, 64 positions a word.
#pragma once

#include <array>
#include <cstdint>

namespace skirmcast {

// The number of set bits. Written out rather than std::popcount, which
// becomes a library call on processors the build may not assume have a
// popcount instruction.
constexpr std::int32_t popcount64(std::uint64_t x) {
    x = x - ((x >> 1) & 0x5555555555555555u);
    x = (x & 0x3333333333333333u) + ((x >> 2) & 0x3333333333333333u);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
    return static_cast<std::int32_t>((x * 0x0101010101010101u) >> 56);
}

constexpr std::int32_t countTrailingZeros(std::uint64_t x) {
    return popcount64((x & (~x + 1)) - 1);
}

// A set of positions 0..65535 (a position is taken modulo 65536), one bit each.
struct PositionSet {
    static constexpr std::int32_t kWords = 65536 / 64;
    std::array<std::uint64_t, kWords> words{};

    constexpr bool contains(std::int32_t position) const {
        const auto p = static_cast<std::uint32_t>(position) & 0xFFFF;
        return (words[p >> 6] >> (p & 63)) & 1;
    }
    constexpr void insert(std::int32_t position) {
        const auto p = static_cast<std::uint32_t>(position) & 0xFFFF;
        words[p >> 6] |= std::uint64_t{1} << (p & 63);
    }
    constexpr void erase(std::int32_t position) {
        const auto p = static_cast<std::uint32_t>(position) & 0xFFFF;
        words[p >> 6] &= ~(std::uint64_t{1} << (p & 63));
    }
    constexpr std::int32_t count() const {
        std::int32_t n = 0;
        for (std::uint64_t w : words) {
            n += popcount64(w);
        }
        return n;
    }
    // Calls visit(position) for every member in increasing order.
    template <typename Visit>
    constexpr void forEach(Visit&& visit) const {
        for (std::int32_t w = 0; w < kWords; ++w) {
            for (std::uint64_t bits = words[static_cast<std::size_t>(w)]; bits != 0; bits &= bits - 1) {
                visit(w * 64 + countTrailingZeros(bits));
            }
        }
    }
};

}  // namespace skirmcast
