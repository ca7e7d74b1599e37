// Fetching every row of a filled reg_oprema: through the channel into the
// record buffer, against a plain ODBC fetch loop over the same statement on
// the same server, in the same run. Needs the private server's environment
// (source DIR/env.sh after scripts/server start). Not a test.
#include "data/config.h"
#include "data/error_state.h"
#include "data/odbc_handle.h"
#include "data/thread_files.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace zorozo::data;

namespace {

constexpr int rows = 20000;
const std::string database = "zz_data_bench";

std::string env(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}

bool run(File& kw, const std::string& sql) {
    if (kw.send(sql) != 0) {
        std::fprintf(stderr, "%s\n  %s (%s)\n", sql.c_str(), error().server_text.c_str(),
                     error().server_code.c_str());
        return false;
    }
    return true;
}

bool fill(const std::string& t) {
    File& kw = file(FileId::kwbrowse);
    set_table_name(FileId::kwbrowse, "app_reg.kwbrowse");
    if (kw.open() != 0) {
        std::fprintf(stderr, "open: %s %s\n", error().text.c_str(), error().server_text.c_str());
        return false;
    }
    bool ok = run(kw, "DROP DATABASE IF EXISTS " + database) &&
              run(kw, "CREATE DATABASE " + database + " CHARACTER SET utf8mb4");
    set_table_name(FileId::reg_oprema, t);
    ok = ok && file(FileId::reg_oprema).create() == 0;
    // About 6 KB a row, most of it in the two long lists.
    ok = ok && run(kw, "INSERT INTO " + t +
                           " (kor, inv_broj, lokacija, djelatnik, naziv_racunala, os, napomena, "
                           "popis_aplikacija, auto_popis) SELECT 'KOR', concat('INV', seq), "
                           "'Zagreb', concat('Djelatnik ', seq), concat('PC-', seq), 'Linux', "
                           "'napomena č ć đ š ž', repeat('popis aplikacija ', 180), "
                           "repeat('program ', 380) FROM " +
                           database + ".seq_1_to_" + std::to_string(rows));
    kw.close();
    return ok;
}

// The channel: send, then fetch next into the record until no more rows.
double channel_rate(const std::string& sql, long& count) {
    File& reg = file(FileId::reg_oprema);
    if (!reg.is_open() && reg.open() != 0) {
        return 0;
    }
    const auto start = std::chrono::steady_clock::now();
    reg.send(sql);
    count = 0;
    while (reg.next() == 0) {
        ++count;
    }
    const std::chrono::duration<double> s = std::chrono::steady_clock::now() - start;
    return count / s.count();
}

// A plain ODBC loop: SQLExecDirect, SQLFetch and SQLGetData per cell.
double plain_rate(SQLHDBC dbc, const std::string& sql, long& count) {
    OdbcHandle stmt(SQL_HANDLE_STMT, dbc);
    std::vector<char> cell(24 * 1024 + 1);
    const auto start = std::chrono::steady_clock::now();
    SQLExecDirect(stmt.get(), reinterpret_cast<SQLCHAR*>(const_cast<char*>(sql.c_str())), SQL_NTS);
    SQLSMALLINT columns = 0;
    SQLNumResultCols(stmt.get(), &columns);
    count = 0;
    while (SQL_SUCCEEDED(SQLFetch(stmt.get()))) {
        for (SQLUSMALLINT c = 1; c <= columns; ++c) {
            SQLLEN ind = 0;
            SQLGetData(stmt.get(), c, SQL_C_CHAR, cell.data(), static_cast<SQLLEN>(cell.size()),
                       &ind);
        }
        ++count;
    }
    const std::chrono::duration<double> s = std::chrono::steady_clock::now() - start;
    return count / s.count();
}

} // namespace

int main() {
    if (env("ZOROZO_DSN").empty()) {
        std::fprintf(stderr, "no server: source the env.sh of scripts/server start\n");
        return 2;
    }
    ConnectionSettings settings;
    settings.data_source = env("ZOROZO_DSN");
    settings.user = env("ZOROZO_DB_USER");
    settings.password = env("ZOROZO_DB_PASSWORD");
    settings.database = "app_reg";
    configure(settings);
    const std::string t = database + ".reg_oprema";
    if (!fill(t)) {
        return 1;
    }

    Connection plain;
    Diagnostic failure;
    if (!plain.connect(failure)) {
        std::fprintf(stderr, "connect: %s\n", failure.message.c_str());
        return 1;
    }
    const std::string sql = "select * from " + t;
    double best_channel = 0, best_plain = 0;
    long channel_rows = 0, plain_rows = 0;
    for (int round = 0; round < 3; ++round) {
        best_plain = std::max(best_plain, plain_rate(plain.handle(), sql, plain_rows));
        best_channel = std::max(best_channel, channel_rate(sql, channel_rows));
    }
    std::printf("rows: channel %ld, plain ODBC %ld\n", channel_rows, plain_rows);
    std::printf("plain ODBC fetch loop: %.0f rows/s\n", best_plain);
    std::printf("channel into records:  %.0f rows/s (%.0f%% of plain)\n", best_channel,
                100.0 * best_channel / best_plain);

    File& kw = file(FileId::kwbrowse);
    set_table_name(FileId::kwbrowse, "app_reg.kwbrowse");
    if (kw.open() == 0) {
        run(kw, "DROP DATABASE IF EXISTS " + database);
    }
    close_thread_files();
    return channel_rows == rows && best_channel >= 0.8 * best_plain ? 0 : 1;
}
