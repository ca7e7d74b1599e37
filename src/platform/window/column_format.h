#pragma once
// The column-format text of a list control: one piece per column, written one
// after another without separators, e.g. "13R(2)|_M*I~Idp~C@n_6@66L(2)|M*~Kor~C@s35@".
// Within a piece, in this order:
//   width            66            dialog units
//   alignment        L R C D, then an optional indent "(2)"
//   '|'              a line at the right edge of the column
//   '_'              a line under each cell
//   'M'              the user may drag the column's width
//   '*'              four colour fields follow the value field (text, background,
//                    selected text, selected background)
//   'I'              an icon-number field follows (after the colour fields)
//   ~header~         header text, then its alignment letter and optional "(n)"
//   @picture@        display picture, e.g. "@n_6@"
//   #field#          display-list field the column shows (default: the field after
//                    the previous column's fields)
// Writing gives the same form back, so a text read, changed and written keeps
// every piece it had. Pure functions; any thread.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorozo::window {

struct ColumnSpec {
    int width = 0;
    char align = 'L'; // L, R, C or D (decimal)
    std::optional<int> indent{};
    bool right_border = false;
    bool underline = false;
    bool resizable = false;
    bool colours = false;
    bool icon = false;
    bool has_header = false;
    std::string header{};
    char header_align = 0; // 0 = not given
    std::optional<int> header_indent{};
    std::string picture{}; // without the closing '@', e.g. "@n_6"; empty = none
    int field = 0;         // explicit "#n#"; 0 = the default position
    friend bool operator==(const ColumnSpec&, const ColumnSpec&) = default;
};

struct ColumnFormat {
    std::vector<ColumnSpec> columns{};

    // The 1-based display-list field column c (1-based) shows, and the number of
    // fields it takes (value, colours, icon).
    int field_of(std::size_t c) const;
    static int fields_taken(const ColumnSpec& col);
    friend bool operator==(const ColumnFormat&, const ColumnFormat&) = default;
};

struct FormatParse {
    std::optional<ColumnFormat> format{}; // empty on error
    std::string error{};                  // what is wrong, in words
    std::size_t position = 0;             // byte offset of the error
};

FormatParse parse_column_format(std::string_view text);
std::string write_column_format(const ColumnFormat& format);

} // namespace zorozo::window
