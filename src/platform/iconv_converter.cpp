#include "platform/iconv_converter.h"

#include <cerrno>

namespace zorozo::codepage {

IconvConverter::IconvConverter(const char* to, const char* from, SkipFn skip)
    : cd_(iconv_open(to, from)), skip_(skip) {}

IconvConverter::~IconvConverter() {
    if (valid()) {
        iconv_close(cd_);
    }
}

std::string IconvConverter::convert(std::string_view in) {
    std::string out;
    if (!valid()) {
        for (char c : in) {
            out += static_cast<unsigned char>(c) < 0x80 ? c : '?';
        }
        return out;
    }
    out.reserve(in.size() * 2);
    char buffer[4096];
    // iconv's interface takes a non-const input pointer but never writes through it.
    char* src = const_cast<char*>(in.data());
    std::size_t src_left = in.size();
    while (src_left > 0) {
        char* dst = buffer;
        std::size_t dst_left = sizeof buffer;
        const std::size_t rc = iconv(cd_, &src, &src_left, &dst, &dst_left);
        const int err = errno;
        out.append(buffer, static_cast<std::size_t>(dst - buffer));
        if (rc != static_cast<std::size_t>(-1)) {
            continue;
        }
        if (err == E2BIG) {
            continue;
        }
        // EILSEQ: a sequence that is undefined or has no counterpart;
        // EINVAL: an incomplete sequence at the end of the text.
        out += '?';
        const std::size_t skip = err == EINVAL ? src_left : skip_({src, src_left});
        src += skip;
        src_left -= skip;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    }
    return out;
}

} // namespace zorozo::codepage
