// Standard input, read as one line by the text-mode rules of the program's
// home platform, applied by the program itself so that every build reads the
// same bytes the same way.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string_view>

namespace skirmcast {

// Where the line's bytes come from. get() returns a byte 0..255 or -1 at the
// end; peek() returns what the next get() would, without taking it.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual int get() = 0;
    virtual int peek() = 0;
};

// A stdio stream opened in binary mode.
class FileSource final : public ByteSource {
public:
    explicit FileSource(std::FILE* file) : file_(file) {}
    int get() override;
    int peek() override;

private:
    std::FILE* file_;
};

// Bytes held in memory: for tests and in-process runs.
class MemorySource final : public ByteSource {
public:
    explicit MemorySource(std::string_view bytes) : bytes_(bytes) {}
    int get() override { return at_ < bytes_.size() ? static_cast<unsigned char>(bytes_[at_++]) : -1; }
    int peek() override { return at_ < bytes_.size() ? static_cast<unsigned char>(bytes_[at_]) : -1; }

private:
    std::string_view bytes_;
    std::size_t at_ = 0;
};

inline constexpr std::size_t kMaxInputLine = 65535;

// Reads one line into text (capacity kMaxInputLine + 1) and terminates it:
// CR LF reads as LF, 0x1A ends the input, at most kMaxInputLine bytes are
// taken; the text then ends at its first NUL and loses one final LF.
void readPatternLine(ByteSource& source, char* text);

}  // namespace skirmcast
