#pragma once
// Reads one cell of the current row as UTF-8 text, in chunks, so a text of any
// length arrives whole. The statement's owner thread.

#include <sql.h>
#include <string>

namespace zorozo::data {

enum class CellResult { value, null, error };

// Leaves the cell's text in out (its storage is reused between calls).
CellResult read_cell(SQLHSTMT stmt, SQLUSMALLINT column, std::string& out);

} // namespace zorozo::data
