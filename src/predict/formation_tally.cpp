// The statistics count, for every upcoming battle t, the formations drawn at
// c + t over all candidates c. Done literally that is candidates x battles,
// up to 65536 x 65536. The fast form uses the shape of the sequence instead.
//
// Write a position as 256h + l. Its draw is T[l] + 23h (mod 256), and 23 is
// invertible modulo 256 (23 * 167 = 1), so the draw is 23(h + 167 T[l]): a
// formation's indicator g over draw values becomes G(k) = g(23k), and the
// draw at 256h + l selects the formation exactly when G(h + 167 T[l]) holds.
//
// For battle t = 256a + b and candidate c = 256h + l, with m = (l + b) mod 256
// and carry = (l + b) / 256, the draw at c + t is 23(h + a + carry + 167 T[m]).
// So, with R_l[s] = the number of candidates in column l (low byte l) whose
// h satisfies G(h + s):
//
//     row(a, b) = sum over l of R_l[(a + carry + 167 T[m]) mod 256].
//
// R is 256 columns x 256 shifts, each a popcount of 256-bit sets, and every
// row is a sum of 256 entries: about 2^24 additions per formation for all
// 65536 rows, whatever the number of candidates. Two formations share each
// addition, packed in the halves of one 32-bit word.
#include <algorithm>

#include "predict/prediction.hpp"
#include "text/messages.hpp"

namespace skirmcast {

namespace {

constexpr std::int32_t kInverse23 = 167;  // 23 * 167 = 15 * 256 + 1

// Below this many tallies (candidates x rows) the literal loop is cheaper
// than building the correlation tables.
constexpr std::int64_t kLiteralBudget = std::int64_t{1} << 20;

using Bits256 = std::array<std::uint64_t, 4>;

bool bitAt(const Bits256& bits, std::int32_t i) {
    return (bits[static_cast<std::size_t>(i >> 6)] >> (i & 63)) & 1;
}

void setBit(Bits256& bits, std::int32_t i) {
    bits[static_cast<std::size_t>(i >> 6)] |= std::uint64_t{1} << (i & 63);
}

// The four formations counted by correlation; normal D and fixed A follow
// from them and the candidate count.
enum CountedFormation { kNormalA, kNormalB, kNormalC, kFixedB, kCounted };

bool selects(CountedFormation formation, std::int32_t value) {
    switch (formation) {
        case kNormalA:
        case kNormalB:
        case kNormalC:
            return normalFormation(value) == formation;
        default:
            return fixedFormation(value) == 1;
    }
}

// shifted[s] bit h = G(h + s) for one formation.
void buildShiftedIndicator(CountedFormation formation, std::array<Bits256, 256>& shifted) {
    Bits256 indicator{};
    for (std::int32_t k = 0; k < 256; ++k) {
        if (selects(formation, (23 * k) & 0xFF)) {
            setBit(indicator, k);
        }
    }
    for (std::int32_t s = 0; s < 256; ++s) {
        Bits256 bits{};
        for (std::int32_t h = 0; h < 256; ++h) {
            if (bitAt(indicator, (h + s) & 0xFF)) {
                setBit(bits, h);
            }
        }
        shifted[static_cast<std::size_t>(s)] = bits;
    }
}

// Two formations' column counts packed in one entry, the first in the low
// 16 bits: r[l * 256 + s] = R_l[s] | R'_l[s] << 16. Each count is at most
// 256, so one addition sums both, and up to 255 of them stay apart.
void buildPackedCounts(CountedFormation low, CountedFormation high, const std::array<Bits256, 256>& columns,
                       std::int32_t* r) {
    std::array<Bits256, 256> lowShifted;
    std::array<Bits256, 256> highShifted;
    buildShiftedIndicator(low, lowShifted);
    buildShiftedIndicator(high, highShifted);
    auto common = [](const Bits256& x, const Bits256& y) {
        return popcount64(x[0] & y[0]) + popcount64(x[1] & y[1]) + popcount64(x[2] & y[2]) +
               popcount64(x[3] & y[3]);
    };
    for (std::size_t l = 0; l < 256; ++l) {
        for (std::size_t s = 0; s < 256; ++s) {
            r[l * 256 + s] = common(columns[l], lowShifted[s]) | common(columns[l], highShifted[s]) << 16;
        }
    }
}

// The columns summed in 16-bit halves before they are taken apart: 128 x 256
// stays below 65536.
constexpr std::int32_t kColumnsPerHalf = 128;

// Writes the rows of all four counted formations into the normal tally's
// four slots, from the packed column counts of (A, B) and (C, fixed B).
void writeRows(std::int32_t* normal, std::int32_t rows, const std::int32_t* rAB, const std::int32_t* rCF) {
    std::array<std::array<std::int32_t, 256>, kCounted> totals;
    std::array<std::uint32_t, 256> accAB;
    std::array<std::uint32_t, 256> accCF;
    for (std::int32_t b = 0; b < 256 && b < rows; ++b) {
        // Rows 256a + b for a below this bound are wanted.
        const auto aEnd = static_cast<std::size_t>(std::min<std::int32_t>(256, (rows - b + 255) / 256));
        for (auto& total : totals) {
            std::fill_n(total.begin(), aEnd, 0);
        }
        for (std::int32_t half = 0; half < 256; half += kColumnsPerHalf) {
            std::fill_n(accAB.begin(), aEnd, 0u);
            std::fill_n(accCF.begin(), aEnd, 0u);
            for (std::int32_t l = half; l < half + kColumnsPerHalf; ++l) {
                const std::int32_t sum = l + b;
                const std::int32_t carry = sum >> 8;
                const auto shift = static_cast<std::size_t>(
                    (carry + kInverse23 * kRandomTable[static_cast<std::size_t>(sum & 0xFF)]) & 0xFF);
                const std::int32_t* cAB = rAB + l * 256;
                const std::int32_t* cCF = rCF + l * 256;
                // acc[a] += R_l[(a + shift) mod 256], in two unbroken runs.
                const std::size_t split = std::min<std::size_t>(aEnd, 256 - shift);
                for (std::size_t a = 0; a < split; ++a) {
                    accAB[a] += static_cast<std::uint32_t>(cAB[a + shift]);
                    accCF[a] += static_cast<std::uint32_t>(cCF[a + shift]);
                }
                for (std::size_t a = split; a < aEnd; ++a) {
                    accAB[a] += static_cast<std::uint32_t>(cAB[a + shift - 256]);
                    accCF[a] += static_cast<std::uint32_t>(cCF[a + shift - 256]);
                }
            }
            for (std::size_t a = 0; a < aEnd; ++a) {
                totals[kNormalA][a] += static_cast<std::int32_t>(accAB[a] & 0xFFFF);
                totals[kNormalB][a] += static_cast<std::int32_t>(accAB[a] >> 16);
                totals[kNormalC][a] += static_cast<std::int32_t>(accCF[a] & 0xFFFF);
                totals[kFixedB][a] += static_cast<std::int32_t>(accCF[a] >> 16);
            }
        }
        for (std::size_t a = 0; a < aEnd; ++a) {
            const std::size_t t = a * 256 + static_cast<std::size_t>(b);
            for (std::size_t f = 0; f < kCounted; ++f) {
                normal[t * 4 + f] = totals[f][a];
            }
        }
    }
}

}  // namespace

void tallyByCorrelation(FormationTally& tally, const PositionSet& initials, std::int32_t offset) {
    const std::int32_t count = initials.count();
    // columns[l] bit h: a candidate's current position is 256h + l.
    std::array<Bits256, 256> columns{};
    initials.forEach([&](std::int32_t initial) {
        const std::int32_t current = (initial + offset) & 0xFFFF;
        setBit(columns[static_cast<std::size_t>(current & 0xFF)], current >> 8);
    });

    // The packed column counts fill exactly the fixed tally (2 x 256 x 256
    // entries), which is free until the very end. The normal tally's D slot
    // holds fixed B until then.
    std::int32_t* rAB = tally.fixed;
    std::int32_t* rCF = tally.fixed + 256 * 256;
    buildPackedCounts(kNormalA, kNormalB, columns, rAB);
    buildPackedCounts(kNormalC, kFixedB, columns, rCF);
    writeRows(tally.normal, tally.rows, rAB, rCF);

    for (std::size_t t = 0; t < static_cast<std::size_t>(tally.rows); ++t) {
        std::int32_t* normal = tally.normal + t * 4;
        std::int32_t* fixed = tally.fixed + t * 2;
        const std::int32_t fixedB = normal[3];
        normal[3] = count - normal[0] - normal[1] - normal[2];
        fixed[0] = count - fixedB;
        fixed[1] = fixedB;
    }
    // Rows past tally.rows keep scratch values; nothing reads them.
}

void tallyLiteral(FormationTally& tally, std::int32_t current) {
    for (std::int32_t t = 0; t < tally.rows; ++t) {
        const std::int32_t value = drawValue(current + t);
        ++tally.normal[t * 4 + normalFormation(value)];
        ++tally.fixed[t * 2 + fixedFormation(value)];
    }
}

void tallyCandidates(FormationTally& tally, const PositionSet& initials, std::int32_t offset) {
    const std::int32_t count = initials.count();
    if (count == 0 || tally.rows == 0) {
        return;
    }
    if (std::int64_t{count} * tally.rows <= kLiteralBudget) {
        initials.forEach([&](std::int32_t initial) { tallyLiteral(tally, initial + offset); });
        return;
    }
    tallyByCorrelation(tally, initials, offset);
}

void writeStatisticsTable(Writer& out, const FormationTally& tally) {
    out.put('\n');
    out.put(text::kTableHeading);
    for (std::int32_t t = 0; t < tally.rows; ++t) {
        const std::int32_t* normal = tally.normal + t * 4;
        const std::int32_t* fixed = tally.fixed + t * 2;
        out.put(text::kTableRowPrefix);
        out.putDecimal(t + 1, 4);
        out.put(text::kTableRowSuffix);
        for (std::int32_t f = 0; f < kNormalFormations; ++f) {
            if (f != 0) {
                out.put(", ");
            }
            out.putDecimal(normal[f], 4);
        }
        out.put("    ");
        out.putDecimal(fixed[0], 4);
        out.put(", ");
        out.putDecimal(fixed[1], 4);
        out.put('\n');
    }
}

}  // namespace skirmcast
