#pragma once
// The record buffer of a database file: one field per column of its
// declaration, in the table's order, named like the column. A date-and-time
// column gives two integer fields instead, <name>_date (its day number) and
// <name>_time (its time of day, see date_time.h); ts gives ts_date and ts_time.
//
// Owned by the thread's file instance; that thread only.

#include "data/field_set.h"
#include "data/tables.h"

#include <cstdint>
#include <vector>

namespace zorozo::data {

class Record : public FieldValues {
public:
    explicit Record(const TableDecl& decl);

    const TableDecl& declaration() const { return *decl_; }
    // The first field of column c (the date half of a date-and-time column).
    std::size_t field_of_column(std::size_t c) const { return field_of_column_[c]; }

    std::int32_t idp() const { return FieldValues::number(idp_field_); }
    void set_idp(std::int32_t idp) { FieldValues::set_number(idp_field_, idp); }

    // KWBROWSE's result texts: p(1) to p(35).
    std::string p(std::size_t i) const { return FieldValues::text(i - 1); }

private:
    const TableDecl* decl_;
    std::vector<std::size_t> field_of_column_;
    std::size_t idp_field_ = 0;
};

} // namespace zorozo::data
