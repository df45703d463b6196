// The pattern parser with its echo and diagnostic over arbitrary texts.
#include "fuzz_support.hpp"
#include "text/messages.hpp"

using namespace skirmcast;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size < kMaxPatternLength ? size : kMaxPatternLength);
    std::vector<PatternSlot> slots(text.size() + 1, 0);
    PatternError error;
    const auto pattern = parsePattern(text, slots.data(), error);
    StringSink sink;
    Writer out(sink, LineEnds::kLf);
    if (pattern) {
        FUZZ_CHECK(pattern->size >= 0 && static_cast<std::size_t>(pattern->size) <= text.size());
        writePatternEcho(out, *pattern);
        out.flush();
        const std::string& echo = sink.bytes;
        FUZZ_CHECK(echo.compare(0, text::kEchoHeading.size(), text::kEchoHeading) == 0);
        FUZZ_CHECK(echo.size() >= text::kEchoHeading.size() + 2 && echo.compare(echo.size() - 2, 2, "\n\n") == 0);
        const std::string_view line(echo.data() + text::kEchoHeading.size(), echo.size() - text::kEchoHeading.size() - 2);
        fuzzing::checkEcho(slots.data(), pattern->size, line);
    } else {
        fuzzing::checkCaret(text, error.index);
        writePatternDiagnostic(out, "skirmcast", text, error);
        out.flush();
        const std::string caret = std::string(static_cast<std::size_t>(error.index), ' ') + "^\n";
        FUZZ_CHECK(sink.bytes.size() >= caret.size());
        FUZZ_CHECK(sink.bytes.compare(sink.bytes.size() - caret.size(), caret.size(), caret) == 0);
    }
    return 0;
}
