#include "data/record.h"

#include <string>

namespace zorozo::data {

namespace {

std::vector<FieldSpec> specs_of(const TableDecl& decl) {
    std::vector<FieldSpec> specs;
    for (const Column& c : decl.columns) {
        const std::string name(c.name);
        if (c.kind == ColumnKind::date_time) {
            specs.push_back({name + "_date", FieldKind::integer, 0});
            specs.push_back({name + "_time", FieldKind::integer, 0});
        } else if (c.kind == ColumnKind::integer) {
            specs.push_back({name, FieldKind::integer, 0});
        } else {
            specs.push_back({name, FieldKind::text, characters(c)});
        }
    }
    return specs;
}

} // namespace

Record::Record(const TableDecl& decl) : FieldValues(specs_of(decl)), decl_(&decl) {
    std::size_t field = 0;
    for (const Column& c : decl.columns) {
        field_of_column_.push_back(field);
        if (c.name == "idp") {
            idp_field_ = field;
        }
        field += c.kind == ColumnKind::date_time ? 2 : 1;
    }
}

} // namespace zorozo::data
