// A byte stream with one fixed buffer, so that memory stays the same however
// long the report grows (a full listing runs to tens of MiB). Numbers are
// formatted here by hand: printf's locale and format parsing cost more than
// the whole search on the largest reports.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace skirmcast {

// Where a Writer's bytes go. write() reports whether every byte was taken.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    virtual bool write(const char* data, std::size_t size) = 0;
    // Pushes anything the sink itself holds back (a stdio buffer, say).
    virtual bool sync() { return true; }
};

// A stdio stream used without its own buffering: the Writer already buffers.
class FileSink final : public ByteSink {
public:
    explicit FileSink(std::FILE* file) : file_(file) {}
    bool write(const char* data, std::size_t size) override;
    bool sync() override;

private:
    std::FILE* file_;
};

// Collects everything in memory: for tests and in-process runs.
class StringSink final : public ByteSink {
public:
    bool write(const char* data, std::size_t size) override {
        bytes.append(data, size);
        return true;
    }
    std::string bytes;
};

// How a line feed reaches the sink: as itself (Linux), or as CR LF, the text
// mode of the program's home platform.
enum class LineEnds { kLf, kCrLf };

class Writer {
public:
    static constexpr std::size_t kCapacity = 64 * 1024;

    Writer(ByteSink& sink, LineEnds lineEnds) : sink_(sink), crlf_(lineEnds == LineEnds::kCrLf) {}
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;

    void put(std::string_view bytes);
    void put(char byte);
    // "%d" with a minimum field width ("%4d" is width 4), spaces on the left.
    void putDecimal(std::int32_t value, int width = 0);
    // "%04X" of a position reduced modulo 65536.
    void putPosition(std::int64_t position);
    void putSpaces(std::size_t count);

    // Hands the buffer to the sink; false once any write has failed.
    bool flush();
    bool failed() const { return failed_; }

private:
    void reserve(std::size_t size);
    void drain();

    ByteSink& sink_;
    bool crlf_;
    bool failed_ = false;
    std::size_t used_ = 0;
    char buffer_[kCapacity];
};

}  // namespace skirmcast
