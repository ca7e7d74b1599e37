#include "data/record.h"

#include <string>

namespace zorozo::data {

namespace {

std::vector<FieldDef> defs_of(const TableDecl& decl) {
    std::vector<FieldDef> defs;
    for (const Column& c : decl.columns) {
        const std::string name(c.name);
        if (c.kind == ColumnKind::date_time) {
            defs.push_back({name + "_date", FieldKind::integer, 0});
            defs.push_back({name + "_time", FieldKind::integer, 0});
        } else if (c.kind == ColumnKind::integer) {
            defs.push_back({name, FieldKind::integer, 0});
        } else {
            defs.push_back({name, FieldKind::text, characters(c)});
        }
    }
    return defs;
}

} // namespace

Record::Record(const TableDecl& decl) : FieldValues(defs_of(decl)), decl_(&decl) {
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
