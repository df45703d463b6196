// The encounter pattern: the player's record of the battles fought, one slot
// per battle, each slot the set of normal formations it admits.
//
// Text form: A to D for a formation (either case), "." for any, "[...]" for
// one of several (an empty group admits none). Nothing else is allowed.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "text/writer.hpp"

namespace skirmcast {

inline constexpr std::int32_t kMaxPatternLength = 65536;

// Bit 0 stands for A up to bit 3 for D; "." sets all 32 bits.
using PatternSlot = std::int32_t;
inline constexpr PatternSlot kAnyFormation = -1;
inline constexpr PatternSlot kFormationBits = 0xF;

struct EncounterPattern {
    const PatternSlot* slots = nullptr;  // in the pattern-slot buffer
    std::int32_t size = 0;               // n, the number of observed battles
};

// The 0-based index of the byte at which parsing stopped (the text length
// for a group still open at the end).
struct PatternError {
    std::int32_t index = 0;
};

// Parses text into slots, a buffer of at least text.size() entries that holds
// zeros. Returns the pattern, or nothing and sets error.
std::optional<EncounterPattern> parsePattern(std::string_view text, PatternSlot* slots, PatternError& error);

// The three-line diagnostic: what was wrong, the text, a caret under the byte.
void writePatternDiagnostic(Writer& err, std::string_view invocationName, std::string_view text,
                            PatternError error);

// "入力出現パターン:", then the slots as letters, separated by ", ".
void writePatternEcho(Writer& out, const EncounterPattern& pattern);

// A slot's admitted formations written as letters in the order A to D.
void writeSlotLetters(Writer& out, PatternSlot slot);

}  // namespace skirmcast
