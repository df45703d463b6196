// A byte stream with one fixed buffer, so that memory stays the same however
// long the report grows (a full listing runs to tens of MiB). Numbers are
// formatted here by hand: printf's locale and format parsing cost more than
// the whole search on the largest reports.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
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

// A stdio stream; the Writer already buffers, so the stream need not.
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

    void put(std::string_view bytes) {
        if (bytes.size() <= kCapacity - used_) {
            std::memcpy(buffer_ + used_, bytes.data(), bytes.size());
            used_ += bytes.size();
        } else {
            putLong(bytes);
        }
    }
    void put(char byte) {
        if (used_ == kCapacity) {
            drain();
        }
        buffer_[used_++] = byte;
    }
    // "%d" with a minimum field width ("%4d" is width 4), spaces on the left.
    void putDecimal(std::int32_t value, int width = 0);
    // "%04X" of a position reduced modulo 65536.
    void putPosition(std::int64_t position) {
        static constexpr char kHex[] = "0123456789ABCDEF";
        const auto value = static_cast<std::uint32_t>(position & 0xFFFF);
        char* out = room(4);
        out[0] = kHex[(value >> 12) & 0xF];
        out[1] = kHex[(value >> 8) & 0xF];
        out[2] = kHex[(value >> 4) & 0xF];
        out[3] = kHex[value & 0xF];
        used_ += 4;
    }
    void putSpaces(std::size_t count);

    // Hands the buffer to the sink; false once any write has failed.
    bool flush();
    bool failed() const { return failed_; }

private:
    // Makes room for size bytes (at most kCapacity) and returns where they go.
    char* room(std::size_t size) {
        if (kCapacity - used_ < size) {
            drain();
        }
        return buffer_ + used_;
    }
    void putLong(std::string_view bytes);
    void drain();

    ByteSink& sink_;
    bool crlf_;
    bool failed_ = false;
    std::size_t used_ = 0;
    // Always holds plain line feeds; CR LF is made on the way out.
    char buffer_[kCapacity];
};

}  // namespace skirmcast
