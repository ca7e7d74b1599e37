#include "platform/window/list_rows.h"

#include "platform/picture.h"
#include "platform/text.h"

namespace zorozo::window {

std::string field_text(const ListField& f) {
    if (const auto* n = std::get_if<std::int32_t>(&f)) {
        return text::from_number(*n);
    }
    return std::get<std::string>(f);
}

std::int32_t field_number(const ListField& f) {
    if (const auto* n = std::get_if<std::int32_t>(&f)) {
        return *n;
    }
    return text::to_number(std::get<std::string>(f));
}

Cell cell(const ListRows& rows, const ColumnFormat& format, std::size_t row, std::size_t column) {
    Cell c;
    if (row == 0 || row > rows.size() || column == 0 || column > format.columns.size()) {
        return c;
    }
    const auto& fields = rows[row - 1].fields;
    const auto& col = format.columns[column - 1];
    auto at = [&](int f) -> const ListField* {
        return f >= 1 && static_cast<std::size_t>(f) <= fields.size() ? &fields[f - 1] : nullptr;
    };
    int f = format.field_of(column);
    if (const auto* v = at(f)) {
        c.text =
            col.picture.empty() ? field_text(*v) : picture::format(col.picture, field_text(*v));
    }
    int next = f + 1;
    if (col.colours) {
        Color* slots[] = {&c.colours.text, &c.colours.background, &c.colours.selected_text,
                          &c.colours.selected_background};
        for (auto* slot : slots) {
            if (const auto* v = at(next)) {
                *slot = field_number(*v);
            }
            ++next;
        }
    }
    if (col.icon) {
        if (const auto* v = at(next)) {
            c.icon = field_number(*v);
        }
    }
    return c;
}

} // namespace zorozo::window
