#include "text/writer.hpp"

#include <cstring>

namespace skirmcast {

bool FileSink::write(const char* data, std::size_t size) {
    return std::fwrite(data, 1, size, file_) == size;
}

bool FileSink::sync() {
    return std::fflush(file_) == 0 && !std::ferror(file_);
}

void Writer::drain() {
    if (used_ != 0 && !failed_ && !sink_.write(buffer_, used_)) {
        failed_ = true;
    }
    // After a failure the rest of the report is dropped: the run still ends
    // normally, and the caller reports the loss once, at the end.
    used_ = 0;
}

void Writer::reserve(std::size_t size) {
    if (kCapacity - used_ < size) {
        drain();
    }
}

void Writer::put(char byte) {
    reserve(2);
    if (byte == '\n' && crlf_) {
        buffer_[used_++] = '\r';
    }
    buffer_[used_++] = byte;
}

void Writer::put(std::string_view bytes) {
    if (crlf_) {
        for (char byte : bytes) {
            put(byte);
        }
        return;
    }
    while (!bytes.empty()) {
        if (used_ == kCapacity) {
            drain();
        }
        std::size_t n = bytes.size() < kCapacity - used_ ? bytes.size() : kCapacity - used_;
        std::memcpy(buffer_ + used_, bytes.data(), n);
        used_ += n;
        bytes.remove_prefix(n);
    }
}

void Writer::putSpaces(std::size_t count) {
    while (count != 0) {
        if (used_ == kCapacity) {
            drain();
        }
        std::size_t n = count < kCapacity - used_ ? count : kCapacity - used_;
        std::memset(buffer_ + used_, ' ', n);
        used_ += n;
        count -= n;
    }
}

void Writer::putDecimal(std::int32_t value, int width) {
    char digits[16];
    char* end = digits + sizeof digits;
    char* p = end;
    // Widened so that the most negative value has a magnitude too.
    std::int64_t magnitude = value;
    bool negative = magnitude < 0;
    if (negative) {
        magnitude = -magnitude;
    }
    do {
        *--p = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (negative) {
        *--p = '-';
    }
    std::size_t length = static_cast<std::size_t>(end - p);
    if (width > 0 && static_cast<std::size_t>(width) > length) {
        putSpaces(static_cast<std::size_t>(width) - length);
    }
    reserve(length);
    std::memcpy(buffer_ + used_, p, length);
    used_ += length;
}

void Writer::putPosition(std::int64_t position) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    auto value = static_cast<std::uint32_t>(position & 0xFFFF);
    reserve(4);
    buffer_[used_++] = kHex[(value >> 12) & 0xF];
    buffer_[used_++] = kHex[(value >> 8) & 0xF];
    buffer_[used_++] = kHex[(value >> 4) & 0xF];
    buffer_[used_++] = kHex[value & 0xF];
}

bool Writer::flush() {
    drain();
    if (!failed_ && !sink_.sync()) {
        failed_ = true;
    }
    return !failed_;
}

}  // namespace skirmcast
