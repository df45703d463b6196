#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/command_line.hpp"
#include "model/encounter_pattern.hpp"

namespace skirmcast {
namespace {

TEST(ParseNumber, ReadsLikeStrtolAndNeedsTheWholeText) {
    const struct {
        const char* text;
        std::optional<std::int32_t> value;
    } cases[] = {
        {"", 0},
        {"0", 0},
        {"42", 42},
        {"+7", 7},
        {"-5", -5},
        {" \t\n\v\f\r12", 12},
        {"007", 7},
        {"65536", 65536},
        {"2147483647", 2147483647},
        {"2147483648", 2147483647},
        {"99999999999999999999999", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"-2147483649", -2147483647 - 1},
        {"-99999999999999999999999", -2147483647 - 1},
        {"4294967296", 2147483647},  // would wrap to 0 in 32 bits
        {" ", std::nullopt},
        {"+", std::nullopt},
        {"-", std::nullopt},
        {"5x", std::nullopt},
        {"5 ", std::nullopt},
        {"x5", std::nullopt},
        {"0x10", std::nullopt},
        {"1e3", std::nullopt},
        {"- 5", std::nullopt},
        {"+-5", std::nullopt},
        {"\xEF\xBC\x95", std::nullopt},  // a full-width digit is no digit
    };
    for (const auto& c : cases) {
        EXPECT_EQ(parseNumber(c.text), c.value) << '"' << c.text << '"';
    }
}

struct Scan {
    Settings settings;
    std::string pattern;
};

Scan scan(std::vector<std::string> args) {
    std::vector<const char*> argv{"skirmcast"};
    for (const auto& a : args) {
        argv.push_back(a.c_str());
    }
    std::vector<char> text(kMaxPatternLength + 1, '\0');
    Scan result;
    scanCommandLine(static_cast<int>(argv.size()), argv.data(), result.settings, text.data());
    result.pattern = text.data();
    return result;
}

TEST(ScanCommandLine, OptionsAndTheirNumbers) {
    const struct {
        std::vector<std::string> args;
        std::int32_t listLimit, forecastBattles, pairMinimum;
        bool pairForecast, help;
        std::string pattern;
    } cases[] = {
        {{}, 100, 10, 3, false, false, ""},
        {{"-m", "3", "-a", "aabac.[bc]a"}, 3, 10, 3, true, false, "aabac.[bc]a"},
        {{"-m"}, 100, 10, 3, false, false, ""},
        {{"-m", "0"}, 0, 10, 3, false, false, ""},
        {{"-m0"}, 0, 10, 3, false, false, ""},
        {{"-b", "-a"}, 100, 10, 3, true, false, ""},
        {{"-m", "-5"}, 100, 10, 3, false, false, ""},
        {{"-a7"}, 100, 10, 3, true, false, ""},
        {{"-a0"}, 100, 10, 0, true, false, ""},
        {{"-a", "6", "AB"}, 100, 10, 6, true, false, "AB"},
        {{"-a", "AB"}, 100, 10, 3, true, false, "AB"},
        {{"-m5x"}, 100, 10, 3, false, false, ""},
        {{"-hm5"}, 5, 10, 3, false, true, ""},
        {{"-am", "4"}, 4, 10, 3, true, false, ""},
        {{"-M20"}, 20, 10, 3, false, false, ""},
        {{"-H"}, 100, 10, 3, false, true, ""},
        {{"-ABC"}, 100, 10, 3, true, false, ""},
        {{"-m", ""}, 0, 10, 3, false, false, ""},
        {{"-m", "", "AB"}, 0, 10, 3, false, false, "AB"},
        {{"-b", "65536"}, 100, 65536, 3, false, false, ""},
        {{"-b", "65537"}, 100, 10, 3, false, false, ""},
        {{"-m", "65536"}, 65536, 10, 3, false, false, ""},
        {{"-m", "2147483648"}, 100, 10, 3, false, false, ""},
        {{"-m", "4294967296"}, 100, 10, 3, false, false, ""},
        {{"-m", "7", "-m", "x"}, 100, 10, 3, false, false, "x"},
        {{"-m", " 7"}, 7, 10, 3, false, false, ""},
        {{"AB", "CD"}, 100, 10, 3, false, false, "AB"},
        {{"", "CD"}, 100, 10, 3, false, false, "CD"},
        {{"-", "AB"}, 100, 10, 3, false, false, "AB"},
        {{"-m", "AB", "CD"}, 100, 10, 3, false, false, "AB"},
        {{"-xyz9", "AB"}, 100, 10, 3, false, false, "AB"},
        {{"-\xC1m2"}, 2, 10, 3, false, false, ""},
        {{"-m2", "5"}, 2, 10, 3, false, false, "5"},
        {{"-b3a"}, 100, 10, 3, true, false, ""},
        {{"-b3a", "1"}, 100, 10, 1, true, false, ""},
    };
    for (const auto& c : cases) {
        std::string shown;
        for (const auto& a : c.args) {
            shown += "[" + a + "]";
        }
        Scan s = scan(c.args);
        EXPECT_EQ(s.settings.listLimit, c.listLimit) << shown;
        EXPECT_EQ(s.settings.forecastBattles, c.forecastBattles) << shown;
        EXPECT_EQ(s.settings.pairMinimum, c.pairMinimum) << shown;
        EXPECT_EQ(s.settings.showPairForecast, c.pairForecast) << shown;
        EXPECT_EQ(s.settings.showHelp, c.help) << shown;
        EXPECT_EQ(s.pattern, c.pattern) << shown;
    }
}

TEST(ScanCommandLine, LongPatternIsCutTo65536Bytes) {
    Scan s = scan({std::string(70000, 'A')});
    EXPECT_EQ(s.pattern, std::string(kMaxPatternLength, 'A'));
}

}  // namespace
}  // namespace skirmcast
