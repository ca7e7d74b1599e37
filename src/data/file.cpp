#include "data/file.h"

#include "data/cell_reader.h"
#include "data/config.h"
#include "data/connection.h"
#include "data/date_time.h"
#include "data/ddl.h"
#include "data/error_state.h"
#include "platform/text.h"

#include <algorithm>

namespace zorozo::data {

namespace {

SQLCHAR* sql_text(const std::string& s) {
    return reinterpret_cast<SQLCHAR*>(const_cast<char*>(s.c_str()));
}

// The open errors the program acts on, from the server's error number.
int open_error_of(long native) {
    switch (native) {
    case 1146: // table doesn't exist
        return errors::file_not_found;
    case 126:  // incorrect key file
    case 145:  // marked as crashed and should be repaired
    case 1034: // incorrect key file
    case 1194: // marked as crashed
    case 1195: // marked as crashed and last repair failed
        return errors::key_damaged;
    case 1099: // locked with a READ lock
    case 1100: // not locked with LOCK TABLES
    case 1205: // lock wait timeout
        return errors::locked;
    default:
        return errors::server_error;
    }
}

bool is_text_type(SQLSMALLINT t) {
    return t == SQL_VARCHAR || t == SQL_CHAR || t == SQL_LONGVARCHAR || t == SQL_WVARCHAR ||
           t == SQL_WCHAR || t == SQL_WLONGVARCHAR;
}

bool is_integer_type(SQLSMALLINT t) {
    return t == SQL_INTEGER || t == SQL_SMALLINT || t == SQL_TINYINT || t == SQL_BIGINT;
}

bool is_time_type(SQLSMALLINT t) {
    return t == SQL_TYPE_TIMESTAMP || t == SQL_TIMESTAMP;
}

// Whether a column as the server describes it can hold the declared column.
bool column_fits(const Column& c, SQLSMALLINT type, SQLULEN size) {
    switch (c.kind) {
    case ColumnKind::integer:
        return is_integer_type(type);
    case ColumnKind::text:
        return is_text_type(type) && size >= characters(c);
    case ColumnKind::stamp_text:
        return is_time_type(type) || is_text_type(type);
    case ColumnKind::date_time:
        return is_time_type(type);
    }
    return false;
}

} // namespace

struct File::Param {
    SQLSMALLINT c_type = SQL_C_CHAR;
    SQLSMALLINT sql_type = SQL_VARCHAR;
    std::string text{};
    SQLINTEGER number = 0;
    SQL_TIMESTAMP_STRUCT stamp{};
    SQLLEN ind = 0;

    static Param of_text(std::string_view value, std::size_t characters) {
        Param p;
        assign_clipped(p.text, value, characters);
        p.ind = static_cast<SQLLEN>(p.text.size());
        return p;
    }
    static Param of_number(std::int32_t value) {
        Param p;
        p.c_type = SQL_C_SLONG;
        p.sql_type = SQL_INTEGER;
        p.number = value;
        return p;
    }
    static Param of_date_time(const DateTimeHalves& halves) {
        Param p;
        p.c_type = SQL_C_TYPE_TIMESTAMP;
        p.sql_type = SQL_TYPE_TIMESTAMP;
        if (const auto parts = to_parts(halves)) {
            p.stamp = {static_cast<SQLSMALLINT>(parts->year),
                       static_cast<SQLUSMALLINT>(parts->month),
                       static_cast<SQLUSMALLINT>(parts->day),
                       static_cast<SQLUSMALLINT>(parts->hour),
                       static_cast<SQLUSMALLINT>(parts->minute),
                       static_cast<SQLUSMALLINT>(parts->second),
                       static_cast<SQLUINTEGER>(parts->hundredths) * 10000000u};
            p.ind = sizeof p.stamp;
        } else {
            p.ind = SQL_NULL_DATA;
        }
        return p;
    }
};

File::File(const TableDecl& decl, Connection& connection)
    : record_(decl), connection_(connection) {}

File::~File() {
    close();
}

std::string File::name() const {
    return open_ ? open_name_ : table_name(declaration().file);
}

bool File::statement_ready() {
    if (!stmt_) {
        stmt_ = OdbcHandle(SQL_HANDLE_STMT, connection_.handle());
    }
    if (!stmt_) {
        return false;
    }
    SQLFreeStmt(stmt_.get(), SQL_CLOSE);
    SQLFreeStmt(stmt_.get(), SQL_RESET_PARAMS);
    result_columns_ = 0;
    return true;
}

int File::fail_from_statement() {
    const Diagnostic d = diagnostic(SQL_HANDLE_STMT, stmt_.get());
    result_columns_ = 0;
    return set_server_error(name(), d.message, d.code());
}

int File::open() {
    const std::string full = name();
    if (open_) {
        return set_error(errors::already_open, full);
    }
    Diagnostic failure;
    if (!connection_.connect(failure)) {
        return set_server_error(full, failure.message, failure.code());
    }
    open_name_ = full;
    if (!statement_ready()) {
        return fail_from_statement();
    }
    // A table another session holds locked makes the probe wait; not for long.
    // (The session's own wait comes back right after the probe.)
    run_on_statement("SET SESSION lock_wait_timeout=" + std::to_string(lock_wait_seconds));
    const std::string probe = "SELECT * FROM " + quote_table_name(full) + " LIMIT 0";
    const bool probed = SQL_SUCCEEDED(SQLExecDirect(stmt_.get(), sql_text(probe), SQL_NTS));
    const Diagnostic d = probed ? Diagnostic{} : diagnostic(SQL_HANDLE_STMT, stmt_.get());
    if (!probed) {
        run_on_statement("SET SESSION lock_wait_timeout=@@GLOBAL.lock_wait_timeout");
        stmt_.reset();
        const int number = open_error_of(d.native);
        if (number == errors::server_error) {
            return set_server_error(full, d.message, d.code());
        }
        return set_error(number, full);
    }
    const int columns = check_columns();
    run_on_statement("SET SESSION lock_wait_timeout=@@GLOBAL.lock_wait_timeout");
    if (columns != errors::none) {
        stmt_.reset();
        return columns;
    }
    open_ = true;
    fetched_ = false;
    result_columns_ = 0;
    clear_error(full);
    return errors::none;
}

void File::run_on_statement(const std::string& sql) {
    SQLFreeStmt(stmt_.get(), SQL_CLOSE);
    SQLExecDirect(stmt_.get(), sql_text(sql), SQL_NTS);
    SQLFreeStmt(stmt_.get(), SQL_CLOSE);
}

int File::check_columns() {
    const auto& columns = declaration().columns;
    SQLSMALLINT count = 0;
    SQLNumResultCols(stmt_.get(), &count);
    bool fits = static_cast<std::size_t>(count) == columns.size();
    for (SQLSMALLINT i = 0; fits && i < count; ++i) {
        SQLCHAR col_name[256] = {};
        SQLSMALLINT name_len = 0, type = 0, digits = 0, nullable = 0;
        SQLULEN size = 0;
        if (!SQL_SUCCEEDED(SQLDescribeCol(stmt_.get(), static_cast<SQLUSMALLINT>(i + 1), col_name,
                                          sizeof col_name, &name_len, &type, &size, &digits,
                                          &nullable))) {
            return fail_from_statement();
        }
        const Column& c = columns[static_cast<std::size_t>(i)];
        fits = text::same_ignoring_case(reinterpret_cast<const char*>(col_name), c.name) &&
               column_fits(c, type, size);
    }
    return fits ? errors::none : set_error(errors::bad_declaration, open_name_);
}

void File::close() {
    stmt_.reset();
    open_ = false;
    fetched_ = false;
    result_columns_ = 0;
}

int File::set_driver_option(std::string_view) {
    clear_error(name());
    return errors::none;
}

int File::send(std::string_view sql) {
    last_statement_ = std::string(sql);
    if (!open_) {
        return set_error(errors::not_open, name());
    }
    if (!statement_ready()) {
        return fail_from_statement();
    }
    const SQLRETURN rc = SQLExecDirect(stmt_.get(), sql_text(last_statement_), SQL_NTS);
    if (!SQL_SUCCEEDED(rc) && rc != SQL_NO_DATA) {
        return fail_from_statement();
    }
    SQLNumResultCols(stmt_.get(), &result_columns_);
    clear_error(name());
    return errors::none;
}

void File::store_cell(std::size_t column, std::string& cell, bool null) {
    const Column& c = declaration().columns[column];
    const std::size_t field = record_.field_of_column(column);
    switch (c.kind) {
    case ColumnKind::integer:
        record_.set_number(field, null ? 0 : text::to_number(cell));
        break;
    case ColumnKind::text:
    case ColumnKind::stamp_text:
        record_.set_text(field, null ? std::string_view() : std::string_view(cell));
        break;
    case ColumnKind::date_time: {
        const DateTimeHalves h = null ? DateTimeHalves{} : parse_date_time(cell);
        record_.set_number(field, h.date);
        record_.set_number(field + 1, h.time);
        break;
    }
    }
}

int File::next() {
    if (!open_) {
        return set_error(errors::not_open, name());
    }
    if (result_columns_ <= 0) {
        return set_error(errors::no_more_rows, name());
    }
    const SQLRETURN rc = SQLFetch(stmt_.get());
    if (rc == SQL_NO_DATA) {
        return set_error(errors::no_more_rows, name());
    }
    if (!SQL_SUCCEEDED(rc)) {
        return fail_from_statement();
    }
    const std::size_t n =
        std::min(static_cast<std::size_t>(result_columns_), declaration().columns.size());
    for (std::size_t c = 0; c < n; ++c) {
        const CellResult r = read_cell(stmt_.get(), static_cast<SQLUSMALLINT>(c + 1), cell_);
        if (r == CellResult::error) {
            return fail_from_statement();
        }
        store_cell(c, cell_, r == CellResult::null);
    }
    fetched_idp_ = record_.idp();
    fetched_ = true;
    clear_error(name());
    return errors::none;
}

int File::execute_prepared(const std::string& sql, std::vector<Param>& params) {
    last_statement_ = sql;
    if (!statement_ready()) {
        return fail_from_statement();
    }
    if (!SQL_SUCCEEDED(SQLPrepare(stmt_.get(), sql_text(last_statement_), SQL_NTS))) {
        return fail_from_statement();
    }
    for (std::size_t i = 0; i < params.size(); ++i) {
        Param& p = params[i];
        SQLPOINTER value = nullptr;
        SQLULEN size = 0;
        SQLLEN length = 0;
        SQLSMALLINT digits = 0;
        if (p.c_type == SQL_C_CHAR) {
            value = p.text.data();
            size = std::max<SQLULEN>(p.text.size(), 1);
            length = static_cast<SQLLEN>(p.text.size());
        } else if (p.c_type == SQL_C_SLONG) {
            value = &p.number;
        } else {
            value = &p.stamp;
            size = 22;
            digits = 2;
        }
        if (!SQL_SUCCEEDED(SQLBindParameter(stmt_.get(), static_cast<SQLUSMALLINT>(i + 1),
                                            SQL_PARAM_INPUT, p.c_type, p.sql_type, size, digits,
                                            value, length, &p.ind))) {
            return fail_from_statement();
        }
    }
    const SQLRETURN rc = SQLExecute(stmt_.get());
    if (!SQL_SUCCEEDED(rc) && rc != SQL_NO_DATA) {
        return fail_from_statement();
    }
    SQLNumResultCols(stmt_.get(), &result_columns_);
    clear_error(name());
    return errors::none;
}

int File::fetch_by_key() {
    if (!open_) {
        return set_error(errors::not_open, name());
    }
    std::vector<Param> params{Param::of_number(record_.idp())};
    const std::string sql = "SELECT * FROM " + quote_table_name(open_name_) + " WHERE `idp`=?";
    if (const int e = execute_prepared(sql, params); e != errors::none) {
        return e;
    }
    const int e = next();
    return e == errors::no_more_rows ? set_error(errors::record_not_found, name()) : e;
}

// The bound value of column col from record field f (a date-and-time takes
// the field after it, its time of day, too).
File::Param File::column_param(const Column& col, std::size_t f) const {
    if (col.kind == ColumnKind::integer) {
        return Param::of_number(record_.number(f));
    }
    if (col.kind == ColumnKind::date_time) {
        return Param::of_date_time({record_.number(f), record_.number(f + 1)});
    }
    return Param::of_text(record_.text_ref(f), characters(col));
}

int File::write_back() {
    if (!open_) {
        return set_error(errors::not_open, name());
    }
    if (!fetched_) {
        return set_error(errors::no_more_rows, name());
    }
    std::string sql = "UPDATE " + quote_table_name(open_name_) + " SET ";
    std::vector<Param> params;
    const auto& columns = declaration().columns;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const Column& col = columns[c];
        const std::size_t f = record_.field_of_column(c);
        if (col.name == "idp" || col.kind == ColumnKind::stamp_text) {
            continue;
        }
        sql += (params.empty() ? "" : ", ") + quote_identifier(col.name) + "=?";
        params.push_back(column_param(col, f));
    }
    sql += " WHERE `idp`=?";
    params.push_back(Param::of_number(fetched_idp_));
    if (const int e = execute_prepared(sql, params); e != errors::none) {
        return e;
    }
    SQLLEN changed = 0;
    SQLRowCount(stmt_.get(), &changed);
    if (changed > 0) {
        return errors::none;
    }
    // No row changed: either the values were the same or the row is gone.
    const std::string update = last_statement_;
    std::vector<Param> key{Param::of_number(fetched_idp_)};
    int e =
        execute_prepared("SELECT 1 FROM " + quote_table_name(open_name_) + " WHERE `idp`=?", key);
    if (e == errors::none) {
        e = SQLFetch(stmt_.get()) == SQL_NO_DATA ? set_error(errors::record_not_found, name())
                                                 : errors::none;
        SQLFreeStmt(stmt_.get(), SQL_CLOSE);
        result_columns_ = 0;
    }
    last_statement_ = update;
    return e;
}

int File::insert() {
    if (!open_) {
        return set_error(errors::not_open, name());
    }
    std::string names;
    std::string marks;
    std::vector<Param> params;
    const auto& columns = declaration().columns;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const Column& col = columns[c];
        const std::size_t f = record_.field_of_column(c);
        // The server fills idp 0, the time stamp and an empty date-and-time.
        if ((col.name == "idp" && record_.number(f) == 0) || col.kind == ColumnKind::stamp_text ||
            (col.kind == ColumnKind::date_time && record_.number(f) == 0)) {
            continue;
        }
        names += (params.empty() ? "" : ", ") + quote_identifier(col.name);
        marks += params.empty() ? "?" : ", ?";
        params.push_back(column_param(col, f));
    }
    const std::string sql =
        "INSERT INTO " + quote_table_name(open_name_) + " (" + names + ") VALUES (" + marks + ")";
    return execute_prepared(sql, params);
}

int File::run_on_connection(const std::string& sql) {
    const std::string full = name();
    last_statement_ = sql;
    Diagnostic failure;
    if (!connection_.connect(failure)) {
        return set_server_error(full, failure.message, failure.code());
    }
    OdbcHandle stmt(SQL_HANDLE_STMT, connection_.handle());
    const SQLRETURN rc = SQLExecDirect(stmt.get(), sql_text(sql), SQL_NTS);
    if (!SQL_SUCCEEDED(rc) && rc != SQL_NO_DATA) {
        const Diagnostic d = diagnostic(SQL_HANDLE_STMT, stmt.get());
        return set_server_error(full, d.message, d.code());
    }
    // REPAIR TABLE answers with rows (Table, Op, Msg_type, Msg_text).
    SQLSMALLINT columns = 0;
    SQLNumResultCols(stmt.get(), &columns);
    std::string type, message;
    while (columns >= 4 && SQL_SUCCEEDED(SQLFetch(stmt.get()))) {
        read_cell(stmt.get(), 3, type);
        read_cell(stmt.get(), 4, message);
        if (type == "error") {
            return set_server_error(full, message, type);
        }
    }
    clear_error(full);
    return errors::none;
}

int File::create() {
    return run_on_connection(create_table_sql(declaration(), name()));
}

int File::rebuild() {
    return run_on_connection("REPAIR TABLE " + quote_table_name(name()));
}

} // namespace zorozo::data
