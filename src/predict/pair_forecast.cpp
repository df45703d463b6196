#include "predict/prediction.hpp"
#include "text/messages.hpp"

namespace skirmcast {

std::int32_t pairDistanceLiteral(const std::int32_t* pairCountTable, std::int32_t from, std::int32_t count) {
    for (std::int32_t k = 0; k < kSequenceLength; ++k) {
        if (pairCountTable[(from + k) & 0xFFFF] == count) {
            return k;
        }
    }
    return 0;
}

std::int32_t PairForecaster::distance(Cursor& cursor, std::int32_t from, std::int32_t count) {
    // The position found for an earlier, smaller `from` is still the first
    // one at or after this `from` if it lies there: nothing between the two
    // had the count.
    if (cursor.found < from) {
        cursor.found = -1;
        for (std::int64_t p = from; p < std::int64_t{from} + kSequenceLength; ++p) {
            if (countAt(p) == count) {
                cursor.found = p;
                break;
            }
        }
        if (cursor.found < 0) {
            return 0;
        }
    }
    return static_cast<std::int32_t>(cursor.found - from);
}

namespace {

// "A, B, A, A, B, B" for each of the 64 ways six draws can fall, indexed by
// pairWindowBits: a million of these lines make the largest report.
constexpr std::size_t kWindow = kPairWindow;
constexpr std::size_t kLettersLength = kWindow + 2 * (kWindow - 1);
using LetterLines = std::array<std::array<char, kLettersLength>, 64>;

constexpr LetterLines makeLetterLines() {
    LetterLines lines{};
    for (std::size_t bits = 0; bits < 64; ++bits) {
        std::size_t at = 0;
        for (std::size_t q = 0; q < kWindow; ++q) {
            if (q != 0) {
                lines[bits][at++] = ',';
                lines[bits][at++] = ' ';
            }
            lines[bits][at++] = (bits >> q) & 1 ? 'B' : 'A';
        }
    }
    return lines;
}

constexpr LetterLines kLetterLines = makeLetterLines();

}  // namespace

void writePairLetters(Writer& out, std::int32_t position) {
    const auto& line = kLetterLines[static_cast<std::size_t>(pairWindowBits(position))];
    out.put(std::string_view(line.data(), line.size()));
}

std::int32_t PairForecaster::countAt(std::int64_t position) const {
    return built_ ? table_[position & 0xFFFF] : pairCount(static_cast<std::int32_t>(position & 0xFFFF));
}

PairForecaster::Distances PairForecaster::distancesFor(const Candidate& candidate, std::int32_t count) {
    const auto index = static_cast<std::size_t>(count);
    return {distance(ahead_[index], candidate.current, count),
            distance(afterWipe_[index], candidate.initial, count)};
}

namespace {

// The part both lines share: "<%4d>回戦闘後に出現, 乱数位置: <hex>h, パターン: <letters>\n"
// for the stretch that begins `distance` battles after `from`.
void writeStretch(Writer& out, std::int32_t from, std::int32_t distance) {
    out.putDecimal(distance, 4);
    out.put(text::kPairDistanceSuffix);
    out.put(text::kPairPosition);
    out.putPosition(from + distance);
    out.put(text::kPairLetters);
    writePairLetters(out, from + distance);
    out.put('\n');
}

}  // namespace

void PairForecaster::writeBlock(Writer& out, const Candidate& candidate) {
    if (!built_ && ++blocks_ > kBlocksBeforeTable) {
        buildPairCountTable(table_);
        built_ = true;
    }
    for (std::int32_t j = pairMinimum_; j <= kPairWindow; ++j) {
        const auto [ahead, afterWipe] = distancesFor(candidate, j);

        out.put(text::kPairAheadPrefix);
        out.putDecimal(j);
        out.put(text::kPairAheadMiddle);
        writeStretch(out, candidate.current, ahead);
        // A wipe-out takes the sequence back to the initial position; worth
        // saying only when the stretch comes sooner from there.
        if (afterWipe < ahead) {
            out.put(text::kPairWipePrefix);
            writeStretch(out, candidate.initial, afterWipe);
        }
    }
    out.put('\n');
}

}  // namespace skirmcast
