// skirmcast done the plain way: every stage as its literal loop, every line
// through printf. Slow on purpose (seconds where the program takes
// milliseconds); it is the yardstick the benchmarks measure against and an
// oracle whose whole reports the tests compare byte for byte with the
// program's. It shares only the command-line scan, the input line and the
// pattern parser with the program.
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "app/command_line.hpp"
#include "app/input.hpp"
#include "model/battle_random.hpp"
#include "model/encounter_pattern.hpp"
#include "text/messages.hpp"

using namespace skirmcast;

namespace {

// The texts are pieces around their values; printf needs them as strings.
void printText(std::string_view piece) {
    std::fwrite(piece.data(), 1, piece.size(), stdout);
}

void printLetters(std::int32_t position) {
    for (std::int32_t q = 0; q < 6; ++q) {
        std::printf(q == 0 ? "%c" : ", %c", fixedFormation(drawValue(position + q)) == 1 ? 'B' : 'A');
    }
}

std::int32_t distanceTo(const std::vector<std::int32_t>& table, std::int32_t from, std::int32_t count) {
    for (std::int32_t k = 0; k < 65536; ++k) {
        if (table[static_cast<std::size_t>((from + k) % 65536)] == count) {
            return k;
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const char* name = argv[0];
    std::vector<char> text(65537, '\0');
    Settings settings;
    scanCommandLine(argc, argv, settings, text.data());
    if (settings.showHelp) {
        printText(text::kHelpBanner);
        std::printf("%s", name);
        printText(text::kUsageSuffix);
        printText(text::kHelpOptions);
        return 0;
    }
    if (text[0] == '\0') {
        FileSource input(stdin);
        readPatternLine(input, text.data());
    }
    std::vector<PatternSlot> slots(65536, 0);
    PatternError error;
    const auto pattern = parsePattern(text.data(), slots.data(), error);
    if (!pattern) {
        std::fprintf(stderr, "%s", name);
        std::fwrite(text::kInvalidPatternSuffix.data(), 1, text::kInvalidPatternSuffix.size(), stderr);
        std::fprintf(stderr, "%s\n%*s^\n", text.data(), error.index, "");
        return 1;
    }
    const std::int32_t n = pattern->size;

    printText(text::kEchoHeading);
    for (std::int32_t j = 0; j < n; ++j) {
        if (j != 0) {
            std::printf(", ");
        }
        for (std::int32_t f = 0; f < 4; ++f) {
            if ((slots[static_cast<std::size_t>(j)] >> f) & 1) {
                std::printf("%c", 'A' + f);
            }
        }
    }
    std::printf("\n\n");

    std::vector<std::int32_t> pairCounts(65536);
    for (std::int32_t p = 0; p < 65536; ++p) {
        for (std::int32_t q = 0; q < 6; ++q) {
            pairCounts[static_cast<std::size_t>(p)] += fixedFormation(drawValue(p + q));
        }
    }
    const auto rows = static_cast<std::size_t>(settings.forecastBattles);
    std::vector<std::int32_t> normal(rows * 4, 0);
    std::vector<std::int32_t> fixed(rows * 2, 0);

    std::int32_t found = 0;
    for (std::int32_t i = 0; i < 65536; ++i) {
        bool match = true;
        for (std::int32_t j = 0; j < n && match; ++j) {
            match = (slots[static_cast<std::size_t>(j)] >> normalFormation(drawValue(i + j))) & 1;
        }
        if (!match) {
            continue;
        }
        const std::int32_t c = i + n;
        for (std::size_t t = 0; t < rows; ++t) {
            const std::int32_t v = drawValue(c + static_cast<std::int32_t>(t));
            ++normal[t * 4 + static_cast<std::size_t>(normalFormation(v))];
            ++fixed[t * 2 + static_cast<std::size_t>(fixedFormation(v))];
        }
        ++found;
        if (found > settings.listLimit) {
            continue;
        }
        printText(text::kCandidateNumber);
        std::printf("%d", found);
        printText(text::kCandidateCurrent);
        std::printf("%04X", c % 65536);
        printText(text::kCandidateInitial);
        std::printf("%04X", i);
        printText(text::kCandidateEnd);
        if (!settings.showPairForecast) {
            continue;
        }
        for (std::int32_t j = settings.pairMinimum; j <= 6; ++j) {
            const std::int32_t ahead = distanceTo(pairCounts, c, j);
            const std::int32_t afterWipe = distanceTo(pairCounts, i, j);
            printText(text::kPairAheadPrefix);
            std::printf("%d", j);
            printText(text::kPairAheadMiddle);
            std::printf("%4d", ahead);
            printText(text::kPairDistanceSuffix);
            printText(text::kPairPosition);
            std::printf("%04X", (c + ahead) % 65536);
            printText(text::kPairLetters);
            printLetters(c + ahead);
            std::printf("\n");
            if (afterWipe < ahead) {
                printText(text::kPairWipePrefix);
                std::printf("%4d", afterWipe);
                printText(text::kPairDistanceSuffix);
                printText(text::kPairPosition);
                std::printf("%04X", (i + afterWipe) % 65536);
                printText(text::kPairLetters);
                printLetters(i + afterWipe);
                std::printf("\n");
            }
        }
        std::printf("\n");
    }

    if (found > settings.listLimit && settings.listLimit > 0) {
        printText(text::kOverLimitPrefix);
        std::printf("%d", settings.listLimit);
        printText(text::kOverLimitSuffix);
    }
    printText(text::kCountPrefix);
    std::printf("%d", found);
    printText(text::kCountSuffix);
    if (found > 0 && rows > 0) {
        std::printf("\n");
        printText(text::kTableHeading);
        for (std::size_t t = 0; t < rows; ++t) {
            printText(text::kTableRowPrefix);
            std::printf("%4d", static_cast<int>(t + 1));
            printText(text::kTableRowSuffix);
            std::printf("%4d, %4d, %4d, %4d    %4d, %4d\n", normal[t * 4], normal[t * 4 + 1], normal[t * 4 + 2],
                        normal[t * 4 + 3], fixed[t * 2], fixed[t * 2 + 1]);
        }
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
