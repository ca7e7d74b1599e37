#include "data/cell_reader.h"

#include <sqlext.h>

namespace zorozo::data {

CellResult read_cell(SQLHSTMT stmt, SQLUSMALLINT column, std::string& out) {
    // Most cells are short; one chunk of 512 bytes takes them in one call.
    constexpr std::size_t chunk = 512;
    out.resize(std::max(out.capacity(), chunk));
    std::size_t have = 0;
    for (;;) {
        SQLLEN ind = 0;
        const std::size_t room = out.size() - have;
        const SQLRETURN rc = SQLGetData(stmt, column, SQL_C_CHAR, out.data() + have,
                                        static_cast<SQLLEN>(room), &ind);
        if (rc == SQL_NO_DATA) {
            break;
        }
        if (!SQL_SUCCEEDED(rc)) {
            out.clear();
            return CellResult::error;
        }
        if (ind == SQL_NULL_DATA) {
            out.clear();
            return CellResult::null;
        }
        if (rc == SQL_SUCCESS) {
            have += static_cast<std::size_t>(ind);
            break;
        }
        // 01004: the buffer is full, a NUL closes it and more data follows.
        have += room - 1;
        const std::size_t total = ind == SQL_NO_TOTAL
                                      ? out.size() * 2
                                      : have + static_cast<std::size_t>(ind) - (room - 1);
        out.resize(std::max(total + 1, out.size() + chunk));
    }
    out.resize(have);
    return CellResult::value;
}

} // namespace zorozo::data
