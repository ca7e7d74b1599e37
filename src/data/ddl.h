#pragma once
// SQL texts made from a table declaration. Pure functions; any thread.

#include "data/tables.h"

#include <string>
#include <string_view>

namespace zorozo::data {

// A full table name "database.table" as an SQL identifier, each part between
// backquotes: `app_reg`.`reg_oprema`. A name without a point is one part.
std::string quote_table_name(std::string_view full_name);
std::string quote_identifier(std::string_view name);

// The CREATE TABLE text of the declaration under the given full name: utf8mb4,
// idp an auto-increment primary key, a key kkor on kor where declared.
std::string create_table_sql(const TableDecl& decl, std::string_view full_name);

// The column definition of one column, as create_table_sql writes it.
std::string column_definition(const Column& c);

} // namespace zorozo::data
