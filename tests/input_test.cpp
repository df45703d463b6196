#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/input.hpp"

namespace skirmcast {
namespace {

std::string readLine(std::string_view bytes) {
    MemorySource source(bytes);
    std::vector<char> text(kMaxInputLine + 1, 'x');
    readPatternLine(source, text.data());
    return text.data();
}

TEST(ReadPatternLine, TextModeRules) {
    using namespace std::string_view_literals;
    const struct {
        std::string_view input;
        std::string_view pattern;
    } cases[] = {
        {"", ""},
        {"\n", ""},
        {"AB\n", "AB"},
        {"AB", "AB"},
        {"AB\r\n", "AB"},
        {"AB\r", "AB\r"},
        {"A\r\r\n", "A\r"},
        {"A\rB\n", "A\rB"},
        {"AB\n\n", "AB"},
        {"AB\nCD\n", "AB"},
        {"\x1A" "AB\n", ""},
        {"AB\x1A" "CD\n", "AB"},
        {"AB\0CD\n"sv, "AB"},
        {"\0AB\n"sv, ""},
        {"\r\n", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(readLine(c.input), c.pattern) << testing::PrintToString(std::string(c.input));
    }
}

TEST(ReadPatternLine, TakesAtMost65535Bytes) {
    const std::string exact(kMaxInputLine, 'A');
    EXPECT_EQ(readLine(exact + "\n"), exact);
    EXPECT_EQ(readLine(exact + "B\n"), exact);
    EXPECT_EQ(readLine(std::string(kMaxInputLine - 1, 'A') + "\n"), std::string(kMaxInputLine - 1, 'A'));
    // A CR LF at the limit still reads as one line feed.
    EXPECT_EQ(readLine(std::string(kMaxInputLine - 1, 'A') + "\r\n"), std::string(kMaxInputLine - 1, 'A'));
}

}  // namespace
}  // namespace skirmcast
