// The command-line scan. Nothing on the command line is an error: unknown
// option letters are ignored and an unusable number puts its option back to
// the default, so that any command line yields a run.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "app/settings.hpp"

namespace skirmcast {

// A base-10 integer read the way strtol reads one (leading white space, one
// sign, digits, saturating at the 32-bit limits), accepted only when the
// whole text is used. A text with no digits reads as 0 and uses nothing, so
// the empty text is accepted as 0 and any other digit-free text is not.
std::optional<std::int32_t> parseNumber(std::string_view text);

// Fills settings and copies the first non-empty pattern argument, cut to
// kMaxPatternLength bytes, into patternText (capacity kMaxPatternLength + 1,
// holding the empty string). argv[0] is the invocation name and is skipped.
void scanCommandLine(int argc, const char* const* argv, Settings& settings, char* patternText);

}  // namespace skirmcast
