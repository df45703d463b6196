// The command-line scan over arbitrary argument vectors, and the number
// conversion against the C library's strtoll.
#include <cerrno>
#include <climits>
#include <cstring>

#include "app/command_line.hpp"
#include "fuzz_support.hpp"

using namespace skirmcast;

namespace {

std::optional<std::int32_t> strtolReference(const std::string& text) {
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(text.c_str(), &end, 10);
    if (end != text.c_str() + text.size()) {
        return std::nullopt;
    }
    if (value > INT32_MAX) return INT32_MAX;
    if (value < INT32_MIN) return INT32_MIN;
    return static_cast<std::int32_t>(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzzing::ArgumentVector args(std::string_view(reinterpret_cast<const char*>(data), size), 64);
    Settings settings;
    std::vector<char> text(kMaxPatternLength + 1, '\0');
    scanCommandLine(args.argc(), args.argv(), settings, text.data());

    FUZZ_CHECK(settings.listLimit >= 0 && settings.listLimit <= Settings::kMaxListLimit);
    FUZZ_CHECK(settings.forecastBattles >= 0 && settings.forecastBattles <= Settings::kMaxForecastBattles);
    FUZZ_CHECK(settings.pairMinimum >= 0 && settings.pairMinimum <= Settings::kMaxPairMinimum);
    FUZZ_CHECK(text[kMaxPatternLength] == '\0');
    // The pattern is a prefix of some argument that is not an option.
    const std::string_view pattern(text.data());
    bool found = pattern.empty();
    for (std::size_t i = 1; i < args.strings.size() && !found; ++i) {
        const std::string& a = args.strings[i];
        found = a[0] != '-' && a.compare(0, pattern.size(), pattern) == 0 &&
                (a.size() == pattern.size() || pattern.size() == kMaxPatternLength);
    }
    FUZZ_CHECK(found);

    for (std::size_t i = 1; i < args.strings.size(); ++i) {
        FUZZ_CHECK(parseNumber(args.strings[i]) == strtolReference(args.strings[i]));
    }
    return 0;
}
