#pragma once
// The rows a list control shows: the procedure's display list as raw fields
// (numbers as numbers, texts as stored), published as an immutable snapshot.
// The column-format text says which field a column shows and where its colour
// and icon fields are; cells are formatted by the column's picture on demand.
// Immutable once published; any thread may read a published snapshot.

#include "platform/window/column_format.h"
#include "platform/window/definition.h"

#include <cstdint>
#include <memory>
#include <string>
#include <variant>
#include <vector>

namespace zorozo::window {

using ListField = std::variant<std::int32_t, std::string>;

struct ListRow {
    std::vector<ListField> fields{}; // field 1 is fields[0]
};

using ListRows = std::vector<ListRow>;
using ListRowsPtr = std::shared_ptr<const ListRows>;

struct CellColours {
    Color text = default_color;
    Color background = default_color;
    Color selected_text = default_color;
    Color selected_background = default_color;
};

// What a backend draws for one cell (row and column 1-based). A row or field
// that does not exist gives an empty cell with the list's own colours.
struct Cell {
    std::string text{}; // formatted by the column's picture
    CellColours colours{};
    int icon = 0; // index into the list's icons; 0 = none
};

Cell cell(const ListRows& rows, const ColumnFormat& format, std::size_t row, std::size_t column);

// A field as stored text (numbers in decimal) and as a number.
std::string field_text(const ListField& f);
std::int32_t field_number(const ListField& f);

} // namespace zorozo::window
