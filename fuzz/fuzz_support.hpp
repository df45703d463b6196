// Shared by the fuzz targets: a check that aborts (so the fuzzer records the
// input), and a way to cut fuzz bytes into arguments.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "model/encounter_pattern.hpp"

#define FUZZ_CHECK(condition)                                                        \
    do {                                                                             \
        if (!(condition)) {                                                          \
            std::fprintf(stderr, "check failed at %s:%d: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                            \
        }                                                                            \
    } while (0)

namespace skirmcast::fuzzing {

// Arguments are the NUL-separated pieces of the bytes (an argument cannot
// hold a NUL); argv[0] is the program's name.
struct ArgumentVector {
    std::vector<std::string> strings;
    std::vector<const char*> pointers;

    ArgumentVector(std::string_view bytes, std::size_t maxArguments) {
        strings.emplace_back("skirmcast");
        std::size_t start = 0;
        while (start <= bytes.size() && strings.size() <= maxArguments) {
            std::size_t end = bytes.find('\0', start);
            if (end == std::string_view::npos) {
                end = bytes.size();
            }
            strings.emplace_back(bytes.substr(start, end - start));
            start = end + 1;
        }
        for (const auto& s : strings) {
            pointers.push_back(s.c_str());
        }
        pointers.push_back(nullptr);
    }
    int argc() const { return static_cast<int>(strings.size()); }
    const char* const* argv() const { return pointers.data(); }
};

// The text that parses back to the slots an echo line shows: a single letter
// as itself, anything else as a group.
inline std::string patternFromEchoLine(std::string_view line) {
    std::string text;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = line.find(", ", start);
        const std::string_view slot = line.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
        if (slot.size() == 1) {
            text += slot;
        } else {
            text += "[" + std::string(slot) + "]";
        }
        if (end == std::string_view::npos) {
            return text;
        }
        start = end + 2;
    }
}

// An accepted pattern's echo line parses back to the same slots.
inline void checkEcho(const PatternSlot* slots, std::int32_t size, std::string_view echoLine) {
    const std::string again = size == 0 ? std::string() : patternFromEchoLine(echoLine);
    std::vector<PatternSlot> reparsed(again.size() + 1, 0);
    PatternError error;
    const auto pattern = parsePattern(again, reparsed.data(), error);
    FUZZ_CHECK(pattern.has_value());
    FUZZ_CHECK(pattern->size == size);
    for (std::int32_t j = 0; j < size; ++j) {
        FUZZ_CHECK((pattern->slots[j] & kFormationBits) == (slots[j] & kFormationBits));
    }
}

// A rejected pattern's caret stands under a byte the parser rejects.
inline void checkCaret(std::string_view text, std::int32_t index) {
    FUZZ_CHECK(index >= 0 && static_cast<std::size_t>(index) <= text.size());
    // Everything before the caret is a pattern character.
    for (std::size_t i = 0; i < static_cast<std::size_t>(index); ++i) {
        const char c = text[i];
        const bool patternByte = (c >= 'A' && c <= 'D') || (c >= 'a' && c <= 'd') || c == '.' || c == '[' || c == ']';
        FUZZ_CHECK(patternByte);
    }
    std::vector<PatternSlot> slots(text.size() + 2, 0);
    PatternError error;
    if (static_cast<std::size_t>(index) < text.size()) {
        // The text up to and including the byte under the caret fails there.
        FUZZ_CHECK(!parsePattern(text.substr(0, static_cast<std::size_t>(index) + 1), slots.data(), error));
        FUZZ_CHECK(error.index == index);
    } else {
        // Past the end: a group was left open, and closing it mends the text.
        std::string closed(text);
        closed += ']';
        std::vector<PatternSlot> more(closed.size() + 1, 0);
        FUZZ_CHECK(parsePattern(closed, more.data(), error).has_value());
    }
}

}  // namespace skirmcast::fuzzing
