#pragma once
// A database file as one thread sees it: its record buffer, its statement and
// current result, its open state, the last statement sent and the use counter
// of the thread's procedures. Every operation sets the thread's error state
// (error_state.h) and returns its error number; 0 is success.
//
// Each thread has its own instance of every file (file() in thread_files.h);
// an instance is used by its thread only and is closed when the thread ends.

#include "data/odbc_handle.h"
#include "data/record.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zorozo::data {

class Connection;

class File {
public:
    File(const TableDecl& decl, Connection& connection);
    ~File();
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    const TableDecl& declaration() const { return record_.declaration(); }
    Record& record() { return record_; }
    const Record& record() const { return record_; }

    // The full table name: the one the file opened with, else the configured one.
    std::string name() const;
    bool is_open() const { return open_; }

    // How many procedures of this thread use the file (the callers count).
    int users = 0;

    // Connects (once per thread) and opens the table in the shared
    // read-write mode: checks that it exists, that the server does not
    // report it as crashed and that its columns match the declaration.
    // Already open: 52. Missing table: 2. Locked by another session (longer
    // than lock_wait_seconds): 32. Crashed: 46. Columns differ: 47. A
    // connection or server failure: 90 with the driver's words.
    int open();
    void close();

    // A driver option such as "Recover=10": accepted and ignored (the server
    // recovers its tables itself); changes nothing.
    int set_driver_option(std::string_view option);

    // Sends an SQL text as it is; a SELECT leaves a result to fetch from.
    int send(std::string_view sql);
    // The next row of the current result into the record, column by position
    // (column i into field i; for KWBROWSE column i into p(i), a 36th column
    // into idp); fields past the result's last column keep their values.
    // No further row (or no result): 33.
    int next();
    const std::string& last_statement() const { return last_statement_; }

    // The row whose idp equals the record's idp, into the record; none: 35.
    int fetch_by_key();
    // Writes the record to the row it was last fetched from (by key or by
    // next); idp and the server-kept time stamp are not written. Nothing
    // fetched yet: 33; the row is gone: 35.
    int write_back();
    // Adds the record as a new row; with idp 0 the server assigns the next.
    int insert();

    // Creates the table from the declaration (CREATE TABLE) and rebuilds a
    // crashed one (REPAIR TABLE); neither opens the file.
    int create();
    int rebuild();

    // How long open() waits for a table another session holds locked.
    static constexpr int lock_wait_seconds = 3;

private:
    struct Param;
    Param column_param(const Column& col, std::size_t f) const;
    bool statement_ready();
    int fail_from_statement();
    int execute_prepared(const std::string& sql, std::vector<Param>& params);
    int check_columns();
    void run_on_statement(const std::string& sql);
    int run_on_connection(const std::string& sql);
    void store_cell(std::size_t column, std::string& cell, bool null);

    Record record_;
    Connection& connection_;
    OdbcHandle stmt_;
    bool open_ = false;
    std::string open_name_;
    std::string last_statement_;
    SQLSMALLINT result_columns_ = 0;
    std::int32_t fetched_idp_ = 0;
    bool fetched_ = false;
    std::string cell_;
};

} // namespace zorozo::data
