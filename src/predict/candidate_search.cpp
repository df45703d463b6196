#include "predict/prediction.hpp"

namespace skirmcast {

namespace {

// Once this few positions are left, checking each of them slot by slot is
// cheaper than another pass over the whole set.
constexpr std::int32_t kFewSurvivors = 64;

bool admits(PatternSlot slot, std::int32_t formation) {
    return (slot >> formation) & 1;
}

// Word w of the positions whose formation the mask admits.
std::uint64_t admittedWord(std::int32_t mask, std::int32_t w) {
    std::uint64_t word = 0;
    for (std::size_t f = 0; f < kNormalFormationSets.size(); ++f) {
        if ((mask >> f) & 1) {
            word |= kNormalFormationSets[f].words[static_cast<std::size_t>(w)];
        }
    }
    return word;
}

// Keeps the positions i of found at which position i + offset is admitted by
// mask; returns how many are left.
std::int32_t restrict(PositionSet& found, std::int32_t mask, std::int32_t offset) {
    constexpr std::int32_t kLast = PositionSet::kWords - 1;
    const std::int32_t wordShift = (offset >> 6) & kLast;
    const auto bitShift = static_cast<unsigned>(offset & 63);
    std::int32_t left = 0;
    for (std::int32_t w = 0; w < PositionSet::kWords; ++w) {
        std::uint64_t low = admittedWord(mask, (w + wordShift) & kLast);
        std::uint64_t word = low;
        if (bitShift != 0) {
            std::uint64_t high = admittedWord(mask, (w + wordShift + 1) & kLast);
            word = (low >> bitShift) | (high << (64 - bitShift));
        }
        std::uint64_t& target = found.words[static_cast<std::size_t>(w)];
        target &= word;
        left += popcount64(target);
    }
    return left;
}

}  // namespace

bool matchesAt(const EncounterPattern& pattern, std::int32_t initial) {
    for (std::int32_t j = 0; j < pattern.size; ++j) {
        if (!admits(pattern.slots[j], normalFormation(drawValue(initial + j)))) {
            return false;
        }
    }
    return true;
}

void findCandidates(const EncounterPattern& pattern, PositionSet& found) {
    found.words.fill(0);
    // A slot that admits nothing fails everywhere; a slot that admits every
    // formation passes everywhere and is never looked at again.
    bool restrictive = false;
    for (std::int32_t j = 0; j < pattern.size; ++j) {
        std::int32_t mask = pattern.slots[j] & kFormationBits;
        if (mask == 0) {
            return;
        }
        restrictive = restrictive || mask != kFormationBits;
    }
    found.words.fill(~std::uint64_t{0});
    if (!restrictive) {
        return;
    }

    // Whole-set passes while many positions survive, 64 positions per word.
    std::int32_t left = kSequenceLength;
    std::int32_t j = 0;
    for (; j < pattern.size && left > kFewSurvivors; ++j) {
        std::int32_t mask = pattern.slots[j] & kFormationBits;
        if (mask != kFormationBits) {
            left = restrict(found, mask, j);
        }
    }
    if (left == 0 || j == pattern.size) {
        return;
    }

    // The few survivors are finished one by one on the remaining slots.
    PositionSet survivors = found;
    survivors.forEach([&](std::int32_t initial) {
        for (std::int32_t k = j; k < pattern.size; ++k) {
            if (!admits(pattern.slots[k], normalFormation(drawValue(initial + k)))) {
                found.erase(initial);
                return;
            }
        }
    });
}

}  // namespace skirmcast
