// Converts between UTF-8 and code page 932 with the C library's iconv, a
// converter that owes nothing to the program's own tables of bytes.
#pragma once

#include <iconv.h>

#include <stdexcept>
#include <string>
#include <string_view>

namespace skirmcast::testing {

inline std::string convert(std::string_view bytes, const char* from, const char* to) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
    std::string out(bytes.size() * 4 + 16, '\0');
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    std::size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (rc == static_cast<std::size_t>(-1)) {
        throw std::runtime_error(std::string("iconv failed on input from ") + from);
    }
    out.resize(out.size() - outLeft);
    return out;
}

inline std::string toSjis(std::string_view utf8) {
    return convert(utf8, "UTF-8", "CP932");
}

inline std::string fromSjis(std::string_view sjis) {
    return convert(sjis, "CP932", "UTF-8");
}

}  // namespace skirmcast::testing
