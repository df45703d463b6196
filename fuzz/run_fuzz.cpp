// A whole run in-process from arbitrary arguments and standard input, with
// the invariants every report must keep.
//
// Input: the first byte gives the number of arguments (0 to 5), which follow
// NUL-terminated; the rest is standard input.
#include <charconv>

#include "app/command_line.hpp"
#include "app/input.hpp"
#include "app/run.hpp"
#include "fuzz_support.hpp"
#include "text/messages.hpp"

using namespace skirmcast;

namespace {

std::vector<std::string_view> linesOf(std::string_view bytes) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        FUZZ_CHECK(end != std::string_view::npos);  // every line is ended
        lines.push_back(bytes.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

bool startsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

std::int32_t numberAt(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ') {
        ++i;
    }
    std::int32_t value = -1;
    const auto [end, ec] = std::from_chars(s.data() + i, s.data() + s.size(), value);
    FUZZ_CHECK(ec == std::errc());
    (void)end;
    return value;
}

// Every shown position is four upper-case hexadecimal digits and "h".
void checkPositions(std::string_view out) {
    const std::string_view label = "\227\220\220\224\210\312\222u: ";  // 乱数位置:
    for (std::size_t at = out.find(label); at != std::string_view::npos; at = out.find(label, at + 1)) {
        const std::string_view hex = out.substr(at + label.size(), 5);
        FUZZ_CHECK(hex.size() == 5 && hex[4] == 'h');
        for (int i = 0; i < 4; ++i) {
            const char c = hex[static_cast<std::size_t>(i)];
            FUZZ_CHECK((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'));
        }
    }
}

void checkReport(std::string_view out, const Settings& settings, const PatternSlot* slots, std::int32_t size) {
    FUZZ_CHECK(startsWith(out, text::kEchoHeading));
    const std::size_t echoEnd = out.find("\n\n", text::kEchoHeading.size());
    FUZZ_CHECK(echoEnd != std::string_view::npos);
    fuzzing::checkEcho(slots, size, out.substr(text::kEchoHeading.size(), echoEnd - text::kEchoHeading.size()));
    checkPositions(out);

    const auto lines = linesOf(out.substr(echoEnd + 2));
    std::int32_t candidateLines = 0;
    std::int32_t count = -1;
    bool overLimit = false;
    std::size_t i = 0;
    for (; i < lines.size() && count < 0; ++i) {
        if (startsWith(lines[i], text::kCandidateNumber)) {
            ++candidateLines;
            FUZZ_CHECK(numberAt(lines[i].substr(text::kCandidateNumber.size())) == candidateLines);
        } else if (startsWith(lines[i], text::kOverLimitPrefix)) {
            overLimit = true;
            FUZZ_CHECK(numberAt(lines[i].substr(text::kOverLimitPrefix.size())) == settings.listLimit);
        } else if (startsWith(lines[i], text::kCountPrefix)) {
            count = numberAt(lines[i].substr(text::kCountPrefix.size()));
        } else {
            FUZZ_CHECK(settings.showPairForecast);
        }
    }
    FUZZ_CHECK(count >= 0 && count <= 65536);
    FUZZ_CHECK(candidateLines == std::min(count, settings.listLimit));
    FUZZ_CHECK(overLimit == (count > settings.listLimit && settings.listLimit > 0));

    if (count == 0 || settings.forecastBattles == 0) {
        FUZZ_CHECK(i == lines.size());
        return;
    }
    // An empty line, the heading, the header, then one row per battle.
    FUZZ_CHECK(lines.size() - i == static_cast<std::size_t>(settings.forecastBattles) + 3);
    for (std::size_t t = 0; t < static_cast<std::size_t>(settings.forecastBattles); ++t) {
        const std::string_view row = lines[i + 3 + t];
        const std::size_t at = row.find(text::kTableRowSuffix);
        FUZZ_CHECK(at != std::string_view::npos);
        FUZZ_CHECK(numberAt(row.substr(text::kTableRowPrefix.size())) == static_cast<std::int32_t>(t + 1));
        std::string_view rest = row.substr(at + text::kTableRowSuffix.size());
        std::int32_t values[6];
        for (auto& v : values) {
            while (!rest.empty() && (rest[0] == ' ' || rest[0] == ',')) {
                rest.remove_prefix(1);
            }
            v = numberAt(rest);
            while (!rest.empty() && rest[0] >= '0' && rest[0] <= '9') {
                rest.remove_prefix(1);
            }
        }
        FUZZ_CHECK(rest.empty());
        FUZZ_CHECK(values[0] + values[1] + values[2] + values[3] == count);
        FUZZ_CHECK(values[4] + values[5] == count);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::size_t wanted = data[0] % 6;
    std::size_t at = 0;
    std::vector<std::string> strings{"skirmcast"};
    while (strings.size() <= wanted) {
        const std::size_t end = bytes.find('\0', at);
        if (end == std::string_view::npos) {
            break;
        }
        strings.emplace_back(bytes.substr(at, end - at));
        at = end + 1;
    }
    const std::string_view input = bytes.substr(at);
    std::vector<const char*> argv;
    for (const auto& s : strings) {
        argv.push_back(s.c_str());
    }
    const int argc = static_cast<int>(argv.size());
    argv.push_back(nullptr);

    MemorySource source(input);
    StringSink out;
    StringSink err;
    RunEnvironment environment{source, out, err};
    const int status = runProgram(argc, argv.data(), environment);

    // What the run should have seen, worked out again from its parts.
    Settings settings;
    std::vector<char> text(kMaxPatternLength + 1, '\0');
    scanCommandLine(argc, argv.data(), settings, text.data());
    if (settings.showHelp) {
        FUZZ_CHECK(status == 0 && err.bytes.empty() && startsWith(out.bytes, text::kHelpBanner));
        return 0;
    }
    if (text[0] == '\0') {
        MemorySource again(input);
        readPatternLine(again, text.data());
    }
    const std::string_view patternText(text.data());
    std::vector<PatternSlot> slots(patternText.size() + 1, 0);
    PatternError error;
    const auto pattern = parsePattern(patternText, slots.data(), error);
    if (!pattern) {
        FUZZ_CHECK(status == 1 && out.bytes.empty());
        fuzzing::checkCaret(patternText, error.index);
        const std::string caret = std::string(static_cast<std::size_t>(error.index), ' ') + "^\n";
        FUZZ_CHECK(err.bytes.size() >= caret.size() &&
                   err.bytes.compare(err.bytes.size() - caret.size(), caret.size(), caret) == 0);
        return 0;
    }
    FUZZ_CHECK(status == 0 && err.bytes.empty());
    checkReport(out.bytes, settings, slots.data(), pattern->size);
    return 0;
}
