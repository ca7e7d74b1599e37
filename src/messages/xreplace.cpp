#include "messages/xreplace.h"

#include "platform/text.h"

#include <vector>

namespace zorozo::messages {

namespace {

// Byte length of the UTF-8 sequence that starts with lead.
std::size_t sequence_length(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        return 2;
    }
    if ((lead & 0xF0) == 0xE0) {
        return 3;
    }
    if ((lead & 0xF8) == 0xF0) {
        return 4;
    }
    return 1; // a stray byte counts as a character of its own
}

struct Letter {
    std::size_t offset; // where it starts in the original text
    std::string folded; // the letter as compared
};

std::vector<Letter> letters(std::string_view s, bool fold) {
    std::vector<Letter> out;
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n =
            std::min(sequence_length(static_cast<unsigned char>(s[i])), s.size() - i);
        const std::string_view one = s.substr(i, n);
        out.push_back({i, fold ? text::upper(one) : std::string(one)});
        i += n;
    }
    return out;
}

} // namespace

std::string xreplace(std::string_view text, std::string_view find, std::string_view replace,
                     std::uint8_t case_flag) {
    if (find.empty()) {
        return std::string(text);
    }
    const bool fold = case_flag == 0;
    const std::vector<Letter> hay = letters(text, fold);
    const std::vector<Letter> needle = letters(find, fold);

    std::string result;
    std::size_t start = 0; // first letter of the part not yet moved to the result
    // The whole text is searched once even when it is blank (a blank find may
    // occur in it); after that, scanning stops once the rest is blank.
    bool first = true;
    while (start < hay.size() && (first || !text::is_blank(text.substr(hay[start].offset)))) {
        first = false;
        std::size_t found = hay.size();
        for (std::size_t p = start; p + needle.size() <= hay.size(); ++p) {
            std::size_t k = 0;
            while (k < needle.size() && hay[p + k].folded == needle[k].folded) {
                ++k;
            }
            if (k == needle.size()) {
                found = p;
                break;
            }
        }
        const std::size_t from = hay[start].offset;
        if (found == hay.size()) {
            result.append(text.substr(from));
            break;
        }
        result.append(text.substr(from, hay[found].offset - from));
        result.append(replace);
        start = found + needle.size();
    }
    return result;
}

} // namespace zorozo::messages
