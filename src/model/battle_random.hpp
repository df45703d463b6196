// The game's battle random sequence: 65536 positions, each with a draw value,
// and the enemy formations a draw value selects.
//
// Positions are signed 32-bit and may run past 65535 (a current position is
// the initial one plus the number of observed battles); the sequence repeats
// every 65536 positions, so a position is reduced only to index a table or to
// be shown.
#pragma once

#include <array>
#include <cstdint>

#include "model/position_set.hpp"

namespace skirmcast {

inline constexpr std::int32_t kSequenceLength = 65536;
inline constexpr std::int32_t kPairWindow = 6;  // battles in a fixed-pair stretch
inline constexpr std::int32_t kNormalFormations = 4;  // A to D
inline constexpr std::int32_t kFixedFormations = 2;   // A and B (the two-enemy one)

extern const std::array<std::uint8_t, 256> kRandomTable;

// Every pass through the 256-entry table adds 23 to the values it gives.
constexpr std::int32_t drawValue(std::int32_t position) {
    auto p = static_cast<std::uint32_t>(position);
    return static_cast<std::int32_t>((kRandomTable[p & 0xFF] + 23u * ((p >> 8) & 0xFF)) & 0xFF);
}

// 0..79 A, 80..159 B, 160..239 C, 240..255 D.
constexpr std::int32_t normalFormation(std::int32_t value) {
    return value < 240 ? value / 80 : 3;
}

// 0..191 A, 192..255 B.
constexpr std::int32_t fixedFormation(std::int32_t value) {
    return value >= 192 ? 1 : 0;
}

// For each normal formation, the positions whose draw selects it, and the
// positions whose draw selects fixed formation B. Fixed at compile time.
extern const std::array<PositionSet, kNormalFormations> kNormalFormationSets;
extern const PositionSet kFixedPairSet;

// How many of the six draws from this position bring fixed formation B.
std::int32_t pairCount(std::int32_t position);

// The fixed formations of the six draws from this position, bit q set when
// the draw at position + q brings B.
std::int32_t pairWindowBits(std::int32_t position);

// Fills all 65536 entries of a PairCountTable with pairCount of each position.
void buildPairCountTable(std::int32_t* table);

}  // namespace skirmcast
