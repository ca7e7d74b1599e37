#pragma once
// One column of a table declaration: its SQL name, its kind and its width.
// Pure data; any thread.

#include <cstddef>
#include <string_view>

namespace zorozo::data {

enum class ColumnKind {
    // Signed 32-bit. The column named idp is the auto-increment primary key.
    integer,
    // A NUL-terminated text of `width` bytes: it holds width - 1 characters
    // and its column is VARCHAR(width - 1).
    text,
    // A fixed text of `width` characters holding the row's time stamp as the
    // server delivers it. The server keeps the column (TIMESTAMP, set on
    // insert and on every change); the program reads it and never writes it.
    stamp_text,
    // A date-and-time column read into two integers of the record: the day
    // number of its date and its time of day (see date_time.h).
    date_time,
};

struct Column {
    std::string_view name;
    ColumnKind kind = ColumnKind::text;
    std::size_t width = 0; // bytes of a text, characters of a stamp text; 0 otherwise
};

// How many characters a text field of the column holds (0 for numbers).
constexpr std::size_t characters(const Column& c) {
    switch (c.kind) {
    case ColumnKind::text:
        return c.width > 0 ? c.width - 1 : 0;
    case ColumnKind::stamp_text:
        return c.width;
    case ColumnKind::integer:
    case ColumnKind::date_time:
        return 0;
    }
    return 0;
}

} // namespace zorozo::data
