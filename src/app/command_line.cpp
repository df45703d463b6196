#include "app/command_line.hpp"

#include <cstring>
#include <limits>

#include "model/encounter_pattern.hpp"

namespace skirmcast {

namespace {

bool isSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

char lower(char byte) {
    return byte >= 'A' && byte <= 'Z' ? static_cast<char>(byte - 'A' + 'a') : byte;
}

std::int32_t orDefault(std::optional<std::int32_t> number, std::int32_t low, std::int32_t high,
                       std::int32_t fallback) {
    return number && *number >= low && *number <= high ? *number : fallback;
}

}  // namespace

std::optional<std::int32_t> parseNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isSpace(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::size_t firstDigit = i;
    // The magnitude is kept to one past INT32_MAX, enough for INT32_MIN; beyond
    // that the digits are still read but the value stays saturated.
    constexpr std::int64_t kCap = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > kCap) {
            magnitude = kCap;
        }
        ++i;
    }
    if (i == firstDigit) {
        // No digits: the conversion ends where the text began.
        if (text.empty()) {
            return 0;
        }
        return std::nullopt;
    }
    if (i != text.size()) {
        return std::nullopt;
    }
    std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<std::int32_t>::max()) {
        value = std::numeric_limits<std::int32_t>::max();
    }
    return static_cast<std::int32_t>(value);
}

void scanCommandLine(int argc, const char* const* argv, Settings& settings, char* patternText) {
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (arg[0] == '-' && arg[1] != '\0') {
            for (const char* letter = arg + 1; *letter != '\0'; ++letter) {
                char option = lower(*letter);
                if (option == 'h') {
                    settings.showHelp = true;
                    continue;
                }
                if (option != 'a' && option != 'b' && option != 'm') {
                    continue;
                }
                std::optional<std::int32_t> number;
                if (letter[1] != '\0') {
                    // The remainder is read as the number but still scanned as
                    // letters afterwards.
                    number = parseNumber(letter + 1);
                } else if (i + 1 < argc) {
                    number = parseNumber(argv[i + 1]);
                    if (number) {
                        ++i;
                    }
                }
                if (option == 'm') {
                    settings.listLimit =
                        orDefault(number, 0, Settings::kMaxListLimit, Settings::kDefaultListLimit);
                } else if (option == 'b') {
                    settings.forecastBattles = orDefault(number, 0, Settings::kMaxForecastBattles,
                                                         Settings::kDefaultForecastBattles);
                } else {
                    settings.showPairForecast = true;
                    settings.pairMinimum =
                        orDefault(number, 0, Settings::kMaxPairMinimum, Settings::kDefaultPairMinimum);
                }
            }
        } else if (arg[0] == '-') {
            // "-" alone means nothing.
        } else if (patternText[0] == '\0') {
            std::size_t length = 0;
            while (length < kMaxPatternLength && arg[length] != '\0') {
                ++length;
            }
            std::memcpy(patternText, arg, length);
            patternText[length] = '\0';
        }
    }
}

}  // namespace skirmcast
