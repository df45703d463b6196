#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "model/battle_random.hpp"

namespace skirmcast {
namespace {

TEST(RandomTable, IsAPermutationOfAllByteValues) {
    std::array<int, 256> seen{};
    for (std::uint8_t v : kRandomTable) {
        ++seen[v];
    }
    EXPECT_TRUE(std::all_of(seen.begin(), seen.end(), [](int n) { return n == 1; }));
    EXPECT_EQ(kRandomTable[0x00], 0x07);
    EXPECT_EQ(kRandomTable[0x5C], 0xE5);
    EXPECT_EQ(kRandomTable[0xA5], 0x53);
    EXPECT_EQ(kRandomTable[0xFF], 0xF8);
}

TEST(DrawValue, KnownPositions) {
    const struct {
        std::int32_t position;
        std::int32_t value;
    } cases[] = {
        {0x0, 0x07},    {0x1, 0xB6},   {0x2, 0xF0},   {0xFF, 0xF8},  {0x100, 0x1E},
        {0x101, 0xCD},  {0x1FF, 0x0F}, {0xFFFF, 0xE1}, {0x10000, 0x07}, {0x1FFFF, 0xE1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(drawValue(c.position), c.value) << std::hex << c.position;
    }
}

TEST(Formations, BoundariesOfTheValueRanges) {
    const struct {
        std::int32_t value, normal, fixed;
    } cases[] = {{0, 0, 0},   {79, 0, 0},   {80, 1, 0},   {159, 1, 0},  {160, 2, 0},
                 {191, 2, 0}, {192, 2, 1},  {239, 2, 1},  {240, 3, 1},  {255, 3, 1}};
    for (const auto& c : cases) {
        EXPECT_EQ(normalFormation(c.value), c.normal) << c.value;
        EXPECT_EQ(fixedFormation(c.value), c.fixed) << c.value;
    }
}

TEST(Formations, FirstTwentyPositions) {
    std::string normal;
    std::string fixed;
    for (std::int32_t p = 0; p < 20; ++p) {
        normal += static_cast<char>('A' + normalFormation(drawValue(p)));
        fixed += static_cast<char>('A' + fixedFormation(drawValue(p)));
    }
    EXPECT_EQ(normal, "ACDABBACCACBBDBCBBAA");
    EXPECT_EQ(fixed, "AABAAAABAAAAABABAAAA");
}

TEST(Formations, EveryDrawValueOccurs256Times) {
    std::array<int, 256> values{};
    std::array<int, 4> normal{};
    std::array<int, 2> fixed{};
    for (std::int32_t p = 0; p < kSequenceLength; ++p) {
        const std::int32_t v = drawValue(p);
        ++values[static_cast<std::size_t>(v)];
        ++normal[static_cast<std::size_t>(normalFormation(v))];
        ++fixed[static_cast<std::size_t>(fixedFormation(v))];
    }
    EXPECT_TRUE(std::all_of(values.begin(), values.end(), [](int n) { return n == 256; }));
    EXPECT_EQ(normal, (std::array<int, 4>{80 * 256, 80 * 256, 80 * 256, 16 * 256}));
    EXPECT_EQ(fixed, (std::array<int, 2>{192 * 256, 64 * 256}));
}

class PairCountTableTest : public ::testing::Test {
protected:
    void SetUp() override { buildPairCountTable(table.data()); }
    std::vector<std::int32_t> table = std::vector<std::int32_t>(kSequenceLength);
};

TEST_F(PairCountTableTest, AgreesWithTheSixDrawsEverywhereIncludingTheWrap) {
    const std::vector<std::int32_t> first(table.begin(), table.begin() + 16);
    EXPECT_EQ(first, (std::vector<std::int32_t>{1, 1, 2, 1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 1, 1}));
    // Position 65535 counts the draws at 65535 and 0 to 4: the literal sum
    // over unreduced positions gives exactly that.
    for (std::int32_t p = 0; p < kSequenceLength; ++p) {
        std::int32_t literal = 0;
        std::int32_t bits = 0;
        for (std::int32_t q = 0; q < kPairWindow; ++q) {
            literal += fixedFormation(drawValue(p + q));
            bits |= fixedFormation(drawValue(p + q)) << q;
        }
        ASSERT_EQ(table[static_cast<std::size_t>(p)], literal) << p;
        ASSERT_EQ(pairCount(p), literal) << p;
        ASSERT_EQ(pairCount(p + kSequenceLength), literal) << p;
        ASSERT_EQ(pairWindowBits(p), bits) << p;
    }
}

TEST_F(PairCountTableTest, HistogramAndLargestGaps) {
    std::array<std::int32_t, 7> histogram{};
    for (std::int32_t c : table) {
        ++histogram[static_cast<std::size_t>(c)];
    }
    EXPECT_EQ(histogram, (std::array<std::int32_t, 7>{14846, 22108, 15546, 8203, 3777, 949, 107}));

    // The farthest any position is from the next one with each count.
    std::array<std::int32_t, 7> largest{};
    for (std::int32_t count = 0; count <= 6; ++count) {
        std::int32_t distance = 0;
        // Sweep the ring backwards twice so that every position has seen its
        // next occurrence, wrap included.
        for (std::int32_t p = 2 * kSequenceLength - 1; p >= 0; --p) {
            distance = table[static_cast<std::size_t>(p & 0xFFFF)] == count ? 0 : distance + 1;
            if (p < kSequenceLength) {
                largest[static_cast<std::size_t>(count)] = std::max(largest[static_cast<std::size_t>(count)], distance);
            }
        }
    }
    EXPECT_EQ(largest, (std::array<std::int32_t, 7>{89, 36, 54, 102, 154, 343, 2215}));
}

}  // namespace
}  // namespace skirmcast
