#include "text/writer.hpp"

namespace skirmcast {

bool FileSink::write(const char* data, std::size_t size) {
    return std::fwrite(data, 1, size, file_) == size;
}

bool FileSink::sync() {
    return std::fflush(file_) == 0 && !std::ferror(file_);
}

void Writer::drain() {
    if (used_ != 0 && !failed_) {
        bool ok = true;
        if (!crlf_) {
            ok = sink_.write(buffer_, used_);
        } else {
            // Translated a slice at a time, so that the extra room is small
            // and fixed and the sink still gets large writes.
            char translated[8192];
            std::size_t filled = 0;
            for (std::size_t i = 0; i < used_ && ok; ++i) {
                if (buffer_[i] == '\n') {
                    translated[filled++] = '\r';
                }
                translated[filled++] = buffer_[i];
                if (filled >= sizeof translated - 1) {
                    ok = sink_.write(translated, filled);
                    filled = 0;
                }
            }
            if (ok && filled != 0) {
                ok = sink_.write(translated, filled);
            }
        }
        // After a failure the rest of the report is dropped: the run still
        // ends normally, and the caller reports the loss once, at the end.
        failed_ = !ok;
    }
    used_ = 0;
}

void Writer::putLong(std::string_view bytes) {
    while (!bytes.empty()) {
        if (used_ == kCapacity) {
            drain();
        }
        const std::size_t n = bytes.size() < kCapacity - used_ ? bytes.size() : kCapacity - used_;
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
        const std::size_t n = count < kCapacity - used_ ? count : kCapacity - used_;
        std::memset(buffer_ + used_, ' ', n);
        used_ += n;
        count -= n;
    }
}

void Writer::putDecimal(std::int32_t value, int width) {
    char digits[12];
    char* const end = digits + sizeof digits;
    char* p = end;
    // Unsigned, so that the most negative value has a magnitude too.
    std::uint32_t magnitude = value < 0 ? 0u - static_cast<std::uint32_t>(value) : static_cast<std::uint32_t>(value);
    do {
        *--p = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0) {
        *--p = '-';
    }
    const auto length = static_cast<std::size_t>(end - p);
    const std::size_t pad = width > 0 && static_cast<std::size_t>(width) > length ? static_cast<std::size_t>(width) - length : 0;
    if (pad > sizeof digits) {
        putSpaces(pad);
        put(std::string_view(p, length));
        return;
    }
    char* out = room(pad + length);
    for (std::size_t i = 0; i < pad; ++i) {
        out[i] = ' ';
    }
    std::memcpy(out + pad, p, length);
    used_ += pad + length;
}

bool Writer::flush() {
    drain();
    if (!failed_ && !sink_.sync()) {
        failed_ = true;
    }
    return !failed_;
}

}  // namespace skirmcast
