#include "model/encounter_pattern.hpp"

#include "text/messages.hpp"

namespace skirmcast {

namespace {

// Only ASCII folds: a byte of 0x80 and above is never a letter.
char upper(char byte) {
    return byte >= 'a' && byte <= 'z' ? static_cast<char>(byte - 'a' + 'A') : byte;
}

}  // namespace

std::optional<EncounterPattern> parsePattern(std::string_view text, PatternSlot* slots, PatternError& error) {
    std::int32_t slot = 0;
    bool inGroup = false;
    std::int32_t index = 0;
    for (char raw : text) {
        char c = upper(raw);
        if (c >= 'A' && c <= 'D') {
            slots[slot] |= PatternSlot{1} << (c - 'A');
            if (!inGroup) {
                ++slot;
            }
        } else if (c == '.' && !inGroup) {
            slots[slot] = kAnyFormation;
            ++slot;
        } else if (c == '[' && !inGroup) {
            inGroup = true;
        } else if (c == ']' && inGroup) {
            inGroup = false;
            ++slot;
        } else {
            error.index = index;
            return std::nullopt;
        }
        ++index;
    }
    if (inGroup) {
        error.index = index;
        return std::nullopt;
    }
    return EncounterPattern{slots, slot};
}

void writePatternDiagnostic(Writer& err, std::string_view invocationName, std::string_view text,
                            PatternError error) {
    err.put(invocationName);
    err.put(text::kInvalidPatternSuffix);
    err.put(text);
    err.put('\n');
    err.putSpaces(static_cast<std::size_t>(error.index));
    err.put("^\n");
}

void writeSlotLetters(Writer& out, PatternSlot slot) {
    for (std::int32_t f = 0; f < 4; ++f) {
        if ((slot >> f) & 1) {
            out.put(static_cast<char>('A' + f));
        }
    }
}

void writePatternEcho(Writer& out, const EncounterPattern& pattern) {
    out.put(text::kEchoHeading);
    for (std::int32_t j = 0; j < pattern.size; ++j) {
        if (j != 0) {
            out.put(", ");
        }
        writeSlotLetters(out, pattern.slots[j]);
    }
    out.put("\n\n");
}

}  // namespace skirmcast
