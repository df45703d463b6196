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
// 65536 rows, whatever the number of candidates.
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

// r[l * 256 + s] = R_l[s] for one formation.
void buildColumnCounts(CountedFormation formation, const std::array<Bits256, 256>& columns,
                       std::int32_t* r) {
    std::array<Bits256, 256> shifted;
    buildShiftedIndicator(formation, shifted);
    for (std::size_t l = 0; l < 256; ++l) {
        const Bits256& column = columns[l];
        for (std::size_t s = 0; s < 256; ++s) {
            const Bits256& g = shifted[s];
            r[l * 256 + s] = popcount64(column[0] & g[0]) + popcount64(column[1] & g[1]) +
                             popcount64(column[2] & g[2]) + popcount64(column[3] & g[3]);
        }
    }
}

// Writes the rows of two formations into the normal tally's slots
// slotFirst and slotFirst + 1, from their column counts r0 and r1.
void writeRows(std::int32_t* normal, std::int32_t rows, std::int32_t slotFirst, const std::int32_t* r0,
               const std::int32_t* r1) {
    std::array<std::int32_t, 256> acc0;
    std::array<std::int32_t, 256> acc1;
    for (std::int32_t b = 0; b < 256 && b < rows; ++b) {
        // Rows 256a + b for a below this bound are wanted.
        const std::int32_t aCount = std::min<std::int32_t>(256, (rows - b + 255) / 256);
        const auto aEnd = static_cast<std::size_t>(aCount);
        std::fill_n(acc0.begin(), aEnd, 0);
        std::fill_n(acc1.begin(), aEnd, 0);
        for (std::int32_t l = 0; l < 256; ++l) {
            const std::int32_t sum = l + b;
            const std::int32_t carry = sum >> 8;
            const auto shift = static_cast<std::size_t>((carry + kInverse23 * kRandomTable[static_cast<std::size_t>(sum & 0xFF)]) & 0xFF);
            const std::int32_t* c0 = r0 + l * 256;
            const std::int32_t* c1 = r1 + l * 256;
            // acc[a] += R_l[(a + shift) mod 256], in two unbroken runs.
            const std::size_t split = std::min<std::size_t>(aEnd, 256 - shift);
            for (std::size_t a = 0; a < split; ++a) {
                acc0[a] += c0[a + shift];
                acc1[a] += c1[a + shift];
            }
            for (std::size_t a = split; a < aEnd; ++a) {
                acc0[a] += c0[a + shift - 256];
                acc1[a] += c1[a + shift - 256];
            }
        }
        for (std::size_t a = 0; a < aEnd; ++a) {
            std::size_t t = a * 256 + static_cast<std::size_t>(b);
            normal[t * 4 + static_cast<std::size_t>(slotFirst)] = acc0[a];
            normal[t * 4 + static_cast<std::size_t>(slotFirst) + 1] = acc1[a];
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

    // The column counts of two formations at a time fill exactly the fixed
    // tally (2 x 256 x 256 entries), which is free until the very end. The
    // normal tally's D slot holds fixed B until then.
    std::int32_t* r0 = tally.fixed;
    std::int32_t* r1 = tally.fixed + 256 * 256;
    buildColumnCounts(kNormalA, columns, r0);
    buildColumnCounts(kNormalB, columns, r1);
    writeRows(tally.normal, tally.rows, 0, r0, r1);
    buildColumnCounts(kNormalC, columns, r0);
    buildColumnCounts(kFixedB, columns, r1);
    writeRows(tally.normal, tally.rows, 2, r0, r1);

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
