#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/encounter_pattern.hpp"

namespace skirmcast {
namespace {

// The slots of a text that parses, or its error index as a negative number
// minus one, so that one table covers both outcomes.
struct Parsed {
    bool ok = false;
    std::vector<PatternSlot> slots;
    std::int32_t errorIndex = -1;
};

Parsed parse(std::string_view text) {
    std::vector<PatternSlot> buffer(text.size() + 1, 0);
    PatternError error;
    Parsed result;
    if (auto pattern = parsePattern(text, buffer.data(), error)) {
        result.ok = true;
        result.slots.assign(pattern->slots, pattern->slots + pattern->size);
    } else {
        result.errorIndex = error.index;
    }
    return result;
}

std::string echo(std::string_view text) {
    std::vector<PatternSlot> buffer(text.size() + 1, 0);
    PatternError error;
    auto pattern = parsePattern(text, buffer.data(), error);
    EXPECT_TRUE(pattern.has_value()) << text;
    StringSink sink;
    Writer out(sink, LineEnds::kLf);
    writePatternEcho(out, *pattern);
    out.flush();
    return sink.bytes;
}

constexpr PatternSlot A = 1, B = 2, C = 4, D = 8, kAny = kAnyFormation;

TEST(ParsePattern, AcceptedTexts) {
    const struct {
        std::string_view text;
        std::vector<PatternSlot> slots;
    } cases[] = {
        {"", {}},
        {"aabac.[bc]a", {A, A, B, A, C, kAny, B | C, A}},
        {"ABCD", {A, B, C, D}},
        {"[]", {0}},
        {"[AB][CD]", {A | B, C | D}},
        {"[AA]", {A}},
        {"A[]B", {A, 0, B}},
        {"[dcba]", {A | B | C | D}},
        {"..", {kAny, kAny}},
    };
    for (const auto& c : cases) {
        Parsed p = parse(c.text);
        EXPECT_TRUE(p.ok) << c.text;
        EXPECT_EQ(p.slots, c.slots) << c.text;
    }
}

TEST(ParsePattern, RejectedTextsStopAtTheOffendingByte) {
    using namespace std::string_view_literals;
    const struct {
        std::string_view text;
        std::int32_t index;
    } cases[] = {
        {"AAX", 2},   {"AA[B", 4},  {"A]", 1},     {"[[A]]", 1},   {"[A.]", 2},
        {"A B", 1},   {"[", 1},     {"E", 0},      {"5", 0},       {"A\r", 1},
        {"\x82\xA0", 0}, {"AB\0C"sv, 2}, {"-A", 0}, {"[A", 2},  {"ABC]", 3},
    };
    for (const auto& c : cases) {
        Parsed p = parse(c.text);
        EXPECT_FALSE(p.ok) << c.text;
        EXPECT_EQ(p.errorIndex, c.index) << c.text;
    }
}

TEST(ParsePattern, LongestPatternFillsEverySlot) {
    const std::string text(kMaxPatternLength, '.');
    Parsed p = parse(text);
    ASSERT_TRUE(p.ok);
    EXPECT_EQ(p.slots.size(), static_cast<std::size_t>(kMaxPatternLength));
}

TEST(PatternEcho, WritesLettersOfEachSlot) {
    EXPECT_EQ(echo("aabac.[bc]a"), "\x93\xfc\x97\xcd\x8f\x6f\x8c\xbb\x83\x70\x83\x5e\x81\x5b\x83\x93:\n"
                                   "  A, A, B, A, C, ABCD, BC, A\n\n");
    const std::string heading(echo("").substr(0, 17));
    EXPECT_EQ(echo(""), heading + "\n  \n\n");
    EXPECT_EQ(echo("[]"), heading + "\n  \n\n");
    EXPECT_EQ(echo("A[]B"), heading + "\n  A, , B\n\n");
    EXPECT_EQ(echo("[dc][AB]"), heading + "\n  CD, AB\n\n");
}

TEST(PatternDiagnostic, CaretStandsUnderTheByte) {
    StringSink sink;
    Writer err(sink, LineEnds::kLf);
    writePatternDiagnostic(err, "prog", "AA[B", PatternError{4});
    err.flush();
    const std::string lines = sink.bytes.substr(sink.bytes.find('\n') + 1);
    EXPECT_EQ(lines, "AA[B\n    ^\n");
    EXPECT_EQ(sink.bytes.substr(0, 6), "prog: ");
}

}  // namespace
}  // namespace skirmcast
