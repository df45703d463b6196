#include "app/input.hpp"

namespace skirmcast {

namespace {

constexpr int kEnd = -1;
constexpr int kCtrlZ = 0x1A;

}  // namespace

int FileSource::get() {
    return std::fgetc(file_);
}

int FileSource::peek() {
    int c = std::fgetc(file_);
    if (c != EOF) {
        std::ungetc(c, file_);
    }
    return c;
}

void readPatternLine(ByteSource& source, char* text) {
    std::size_t length = 0;
    while (length < kMaxInputLine) {
        int c = source.get();
        if (c == kEnd || c == kCtrlZ) {
            break;
        }
        if (c == '\r' && source.peek() == '\n') {
            c = source.get();
        }
        text[length++] = static_cast<char>(c);
        if (c == '\n') {
            break;
        }
    }
    text[length] = '\0';
    std::size_t end = 0;
    while (end < length && text[end] != '\0') {
        ++end;
    }
    if (end > 0 && text[end - 1] == '\n') {
        text[end - 1] = '\0';
    }
}

}  // namespace skirmcast
