#include "data/field_set.h"

#include "platform/text.h"

#include <algorithm>

namespace zorozo::data {

namespace {

bool has_non_ascii(std::string_view s) {
    return std::any_of(s.begin(), s.end(),
                       [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

// Names compare without regard to case. Rows are copied field by field, so the
// usual all-ASCII names are compared in place; only a name with a letter such
// as č goes through the full case folding.
bool same_name(std::string_view a, std::string_view b) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                           [&](char x, char y) { return lower(x) == lower(y); })) {
        return true;
    }
    return (has_non_ascii(a) || has_non_ascii(b)) && text::same_ignoring_case(a, b);
}

} // namespace

std::optional<std::size_t> FieldSet::find(std::string_view name) const {
    for (std::size_t i = 0; i < field_count(); ++i) {
        if (same_name(field(i).name, name)) {
            return i;
        }
    }
    return std::nullopt;
}

void copy_by_name(const FieldSet& from, FieldSet& to) {
    for (std::size_t i = 0; i < from.field_count(); ++i) {
        const auto j = to.find(from.field(i).name);
        if (!j) {
            continue;
        }
        if (from.field(i).kind == FieldKind::integer) {
            to.set_number(*j, from.number(i));
        } else {
            to.set_text(*j, from.text(i));
        }
    }
}

void assign_clipped(std::string& target, std::string_view value, std::size_t n) {
    // A text of no more bytes than characters allowed cannot be too long.
    if (value.size() <= n) {
        target.assign(value);
    } else {
        target = text::clip(value, n);
    }
}

FieldValues::FieldValues(std::vector<FieldDef> defs)
    : defs_(std::move(defs)), texts_(defs_.size()), numbers_(defs_.size(), 0) {}

std::string FieldValues::text(std::size_t i) const {
    return defs_[i].kind == FieldKind::integer ? text::from_number(numbers_[i]) : texts_[i];
}

std::int32_t FieldValues::number(std::size_t i) const {
    return defs_[i].kind == FieldKind::integer ? numbers_[i] : text::to_number(texts_[i]);
}

void FieldValues::set_text(std::size_t i, std::string_view value) {
    if (defs_[i].kind == FieldKind::integer) {
        numbers_[i] = text::to_number(value);
    } else {
        assign_clipped(texts_[i], value, defs_[i].characters);
    }
}

void FieldValues::set_number(std::size_t i, std::int32_t value) {
    if (defs_[i].kind == FieldKind::integer) {
        numbers_[i] = value;
    } else {
        assign_clipped(texts_[i], text::from_number(value), defs_[i].characters);
    }
}

void FieldValues::clear() {
    for (auto& t : texts_) {
        t.clear();
    }
    std::fill(numbers_.begin(), numbers_.end(), 0);
}

std::string FieldValues::text(std::string_view name) const {
    const auto i = find(name);
    return i ? text(*i) : std::string();
}

std::int32_t FieldValues::number(std::string_view name) const {
    const auto i = find(name);
    return i ? number(*i) : 0;
}

void FieldValues::set_text(std::string_view name, std::string_view value) {
    if (const auto i = find(name)) {
        set_text(*i, value);
    }
}

void FieldValues::set_number(std::string_view name, std::int32_t value) {
    if (const auto i = find(name)) {
        set_number(*i, value);
    }
}

} // namespace zorozo::data
