// The fast stages against their literal forms, over generated inputs that
// reach the edges: empty pattern, empty group, wrap past 65535, the longest
// pattern, every candidate, every row.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "predict/prediction.hpp"

namespace skirmcast {
namespace {

constexpr PatternSlot kFormationMasks[] = {1, 2, 4, 8, 3, 5, 6, 7, 9, 10, 11, 12, 13, 14, 15, kAnyFormation};

PositionSet literalCandidates(const EncounterPattern& pattern) {
    PositionSet set;
    for (std::int32_t i = 0; i < kSequenceLength; ++i) {
        if (matchesAt(pattern, i)) {
            set.insert(i);
        }
    }
    return set;
}

void expectSameCandidates(const std::vector<PatternSlot>& slots, const std::string& label) {
    const EncounterPattern pattern{slots.data(), static_cast<std::int32_t>(slots.size())};
    PositionSet fast;
    findCandidates(pattern, fast);
    const PositionSet literal = literalCandidates(pattern);
    EXPECT_EQ(fast.words, literal.words) << label << " (fast " << fast.count() << ", literal " << literal.count() << ")";
}

// The normal formations from a position, one slot each: a pattern that is
// sure to match there and (most likely) nowhere else.
std::vector<PatternSlot> observed(std::int32_t from, std::int32_t length) {
    std::vector<PatternSlot> slots;
    for (std::int32_t j = 0; j < length; ++j) {
        slots.push_back(PatternSlot{1} << normalFormation(drawValue(from + j)));
    }
    return slots;
}

TEST(FindCandidates, WorkedExamples) {
    // aabac.[bc]a: 19 candidates, the first at 14B8h.
    const std::vector<PatternSlot> slots{1, 1, 2, 1, 4, kAnyFormation, 6, 1};
    PositionSet found;
    findCandidates({slots.data(), 8}, found);
    EXPECT_EQ(found.count(), 19);
    EXPECT_TRUE(found.contains(0x14B8) && found.contains(0x1FB8) && found.contains(0x2AB8));

    // ACCCACACACDA: four candidates, the last wrapping to 0004h.
    const std::vector<PatternSlot> wrap{1, 4, 4, 4, 1, 4, 1, 4, 1, 4, 8, 1};
    findCandidates({wrap.data(), 12}, found);
    std::vector<std::int32_t> initials;
    found.forEach([&](std::int32_t i) { initials.push_back(i); });
    EXPECT_EQ(initials, (std::vector<std::int32_t>{0x4DF8, 0xA6F8, 0xF4F8, 0xFFF8}));
}

TEST(FindCandidates, EdgesAgreeWithTheLiteralMatch) {
    expectSameCandidates({}, "empty pattern");
    expectSameCandidates({0}, "empty group");
    expectSameCandidates({kAnyFormation, 15, 0, kAnyFormation}, "empty group behind wildcards");
    expectSameCandidates(observed(0xFFF0, 40), "observed across the wrap");
    expectSameCandidates(observed(0x1234, 200), "long observation");

    // Wildcards with a few restrictive slots far in: shifts past one word,
    // past the ring, and the survivors finished one by one.
    std::vector<PatternSlot> sparse(kMaxPatternLength, kAnyFormation);
    sparse[63] = 1;
    sparse[64] = 6;
    sparse[1000] = 8;
    sparse[65535] = 7;
    expectSameCandidates(sparse, "sparse over 65536 slots");

    // The longest pattern: the sequence's own formations from position 0
    // for the whole ring, or slots that admit everything (which the literal
    // match would take 2^32 steps to confirm everywhere).
    expectSameCandidates(observed(0, kMaxPatternLength), "the whole ring");
    for (PatternSlot any : {kAnyFormation, PatternSlot{15}}) {
        const std::vector<PatternSlot> slots(kMaxPatternLength, any);
        PositionSet found;
        findCandidates({slots.data(), kMaxPatternLength}, found);
        EXPECT_EQ(found.count(), kSequenceLength) << any;
    }
}

TEST(FindCandidates, GeneratedPatternsAgreeWithTheLiteralMatch) {
    std::mt19937 random(20261211);
    for (int round = 0; round < 300; ++round) {
        const auto length = std::uniform_int_distribution<std::int32_t>(1, round < 250 ? 14 : 120)(random);
        // Some rounds favour permissive slots so that many positions survive long.
        const bool permissive = round % 3 == 0;
        std::vector<PatternSlot> slots;
        for (std::int32_t j = 0; j < length; ++j) {
            auto pick = std::uniform_int_distribution<std::size_t>(permissive ? 7 : 0, 15)(random);
            slots.push_back(kFormationMasks[pick]);
        }
        if (round % 10 == 0) {
            // Start from a real stretch of the sequence, then blur it.
            const auto from = std::uniform_int_distribution<std::int32_t>(0, kSequenceLength - 1)(random);
            slots = observed(from, length);
            slots[static_cast<std::size_t>(length / 2)] = kAnyFormation;
        }
        expectSameCandidates(slots, "round " + std::to_string(round));
    }
}

struct TallyBuffers {
    std::vector<std::int32_t> normal = std::vector<std::int32_t>(kSequenceLength * 4, 0);
    std::vector<std::int32_t> fixed = std::vector<std::int32_t>(kSequenceLength * 2, 0);
    FormationTally tally(std::int32_t rows) { return {normal.data(), fixed.data(), rows}; }
};

void expectSameTally(const PositionSet& initials, std::int32_t offset, std::int32_t rows, const std::string& label) {
    TallyBuffers literal;
    FormationTally expected = literal.tally(rows);
    initials.forEach([&](std::int32_t i) { tallyLiteral(expected, i + offset); });

    TallyBuffers correlated;
    FormationTally fast = correlated.tally(rows);
    tallyByCorrelation(fast, initials, offset);

    TallyBuffers chosen;
    FormationTally dispatched = chosen.tally(rows);
    tallyCandidates(dispatched, initials, offset);

    const auto normalRows = static_cast<std::ptrdiff_t>(rows) * 4;
    const auto fixedRows = static_cast<std::ptrdiff_t>(rows) * 2;
    EXPECT_TRUE(std::equal(literal.normal.begin(), literal.normal.begin() + normalRows, correlated.normal.begin())) << label;
    EXPECT_TRUE(std::equal(literal.fixed.begin(), literal.fixed.begin() + fixedRows, correlated.fixed.begin())) << label;
    EXPECT_TRUE(std::equal(literal.normal.begin(), literal.normal.begin() + normalRows, chosen.normal.begin())) << label;
    EXPECT_TRUE(std::equal(literal.fixed.begin(), literal.fixed.begin() + fixedRows, chosen.fixed.begin())) << label;
}

TEST(Tally, CorrelationAgreesWithTheLiteralTally) {
    std::mt19937 random(65536);
    const struct {
        std::int32_t size, offset, rows;
    } cases[] = {
        {1, 0, 65536},    {1, 65535, 300},  {7, 12, 1},        {200, 65536, 65536},
        {1000, 3, 257},   {1000, 40000, 255}, {5000, 1, 4096}, {30000, 8, 10},
    };
    for (const auto& c : cases) {
        PositionSet initials;
        while (initials.count() < c.size) {
            initials.insert(std::uniform_int_distribution<std::int32_t>(0, kSequenceLength - 1)(random));
        }
        expectSameTally(initials, c.offset, c.rows,
                        std::to_string(c.size) + " candidates, offset " + std::to_string(c.offset) + ", " +
                            std::to_string(c.rows) + " rows");
    }
}

TEST(Tally, EveryPositionAsCandidateCountsEveryDrawValue) {
    PositionSet all;
    all.words.fill(~std::uint64_t{0});
    TallyBuffers buffers;
    FormationTally tally = buffers.tally(kSequenceLength);
    tallyCandidates(tally, all, 5);
    for (std::size_t t = 0; t < kSequenceLength; t += 4099) {
        EXPECT_EQ(buffers.normal[t * 4 + 0], 80 * 256);
        EXPECT_EQ(buffers.normal[t * 4 + 1], 80 * 256);
        EXPECT_EQ(buffers.normal[t * 4 + 2], 80 * 256);
        EXPECT_EQ(buffers.normal[t * 4 + 3], 16 * 256);
        EXPECT_EQ(buffers.fixed[t * 2 + 0], 192 * 256);
        EXPECT_EQ(buffers.fixed[t * 2 + 1], 64 * 256);
    }
    // Against the literal tally on the last rows, where the rows wrap.
    PositionSet few;
    for (std::int32_t p = 0; p < 40; ++p) {
        few.insert(p * 1637);
    }
    expectSameTally(few, 65530, 65536, "40 spread candidates");
}

TEST(PairForecast, ResumedSearchesAgreeWithTheLiteralSearch) {
    std::vector<std::int32_t> table(kSequenceLength);
    std::vector<std::int32_t> literalTable(kSequenceLength);
    buildPairCountTable(literalTable.data());
    std::mt19937 random(6);
    for (std::int32_t n : {0, 12, 65536}) {
        // Blocks are written too: after the first few the forecaster moves
        // from counting as it goes to its table, and both must agree.
        PairForecaster forecaster(table.data(), 0);
        StringSink sink;
        Writer out(sink, LineEnds::kLf);
        std::int32_t initial = 0;
        while (initial < kSequenceLength) {
            const Candidate candidate{initial, initial + n};
            forecaster.writeBlock(out, candidate);
            for (std::int32_t count = 0; count <= kPairWindow; ++count) {
                const auto d = forecaster.distancesFor(candidate, count);
                ASSERT_EQ(d.ahead, pairDistanceLiteral(literalTable.data(), candidate.current, count))
                    << initial << " " << n << " " << count;
                ASSERT_EQ(d.afterWipe, pairDistanceLiteral(literalTable.data(), candidate.initial, count))
                    << initial << " " << n << " " << count;
            }
            initial += std::uniform_int_distribution<std::int32_t>(1, 700)(random);
        }
    }
    EXPECT_EQ(table, literalTable);
}

}  // namespace
}  // namespace skirmcast
