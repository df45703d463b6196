#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "text/writer.hpp"

namespace skirmcast {
namespace {

class FailingSink final : public ByteSink {
public:
    bool write(const char*, std::size_t size) override {
        written += size;
        return false;
    }
    std::size_t written = 0;
};

TEST(Writer, FormatsLikePrintf) {
    const struct {
        std::int32_t value;
        int width;
    } cases[] = {{0, 0}, {7, 4}, {1234, 4}, {65536, 4}, {-5, 4}, {-2147483647 - 1, 0}, {2147483647, 12}, {0, 65}};
    for (const auto& c : cases) {
        StringSink sink;
        Writer out(sink, LineEnds::kLf);
        out.putDecimal(c.value, c.width);
        out.putPosition(c.value);
        out.flush();
        char expected[128];
        std::snprintf(expected, sizeof expected, "%*d%04X", c.width, c.value, static_cast<unsigned>(c.value) & 0xFFFFu);
        EXPECT_EQ(sink.bytes, expected) << c.value;
    }
}

TEST(Writer, TextModeLineEnds) {
    StringSink sink;
    Writer out(sink, LineEnds::kCrLf);
    out.put("a\nb\n");
    out.put('\n');
    out.flush();
    EXPECT_EQ(sink.bytes, "a\r\nb\r\n\r\n");
}

TEST(Writer, StreamsMoreThanItsBufferInOrder) {
    StringSink sink;
    Writer out(sink, LineEnds::kCrLf);
    std::string expected;
    for (int i = 0; i < 100000; ++i) {
        out.putDecimal(i, 6);
        out.put('\n');
        char line[16];
        std::snprintf(line, sizeof line, "%6d\r\n", i);
        expected += line;
    }
    out.putSpaces(3 * Writer::kCapacity);
    expected.append(3 * Writer::kCapacity, ' ');
    ASSERT_TRUE(out.flush());
    EXPECT_EQ(sink.bytes, expected);
}

TEST(Writer, FailureIsRememberedAndReported) {
    FailingSink sink;
    Writer out(sink, LineEnds::kLf);
    out.put("report");
    EXPECT_FALSE(out.failed());  // still buffered
    EXPECT_FALSE(out.flush());
    EXPECT_TRUE(out.failed());
    out.putSpaces(Writer::kCapacity * 2);
    EXPECT_FALSE(out.flush());
    EXPECT_EQ(sink.written, 6u);  // nothing more is tried after the failure
}

}  // namespace
}  // namespace skirmcast
