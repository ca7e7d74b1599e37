#pragma once
// An owned iconv(3) conversion descriptor that turns a whole text from one
// character set into another, writing '?' for what cannot be converted.
// One object per thread at a time (iconv keeps shift state); create one per use.

#include <iconv.h>
#include <string>
#include <string_view>

namespace zorozo::codepage {

class IconvConverter {
public:
    // How many input bytes to skip after an undefined or unmappable sequence
    // (the caller knows the unit size of the source character set).
    using SkipFn = std::size_t (*)(std::string_view rest);

    IconvConverter(const char* to, const char* from, SkipFn skip);
    ~IconvConverter();
    IconvConverter(const IconvConverter&) = delete;
    IconvConverter& operator=(const IconvConverter&) = delete;

    // False when iconv does not know the pair (the conversion then gives '?'
    // for every byte outside ASCII).
    bool valid() const { return cd_ != invalid(); }

    std::string convert(std::string_view in);

private:
    static iconv_t invalid() { return reinterpret_cast<iconv_t>(-1); }
    iconv_t cd_;
    SkipFn skip_;
};

} // namespace zorozo::codepage
