#pragma once
// The program's global data: the settings of kw_zezido.ini, the login values,
// the first command-line argument, the file names of the import and OS-data
// features and the print data. One instance per process, shared by every
// thread; reset() starts it afresh (a new program run in the same process, as
// the end-to-end tests do).
//
// Any thread. The values live behind one mutex: read a copy with values(), or
// read and change them in place with with(). APP:OVLASTI, written by the login
// and read by the frame's timer, is an atomic of its own. The report lines are
// the messages layer's list (messages/report_lines.h); reset() empties it too.

#include "platform/text.h"
#include "platform/window/binding.h"

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace zorozo::app {

// The eight values of kw_zezido.ini.
struct Settings {
    text::Text<32> my_naziv;     // MY:NAZIV, the ODBC data source
    text::Text<55> my_host;      // MY:HOST
    std::int32_t my_port = 0;    // MY:PORT
    text::Text<55> my_user;      // MY:USER
    text::Text<55> my_db;        // MY:DB, the database the table names begin with
    text::Text<35> my_psw;       // MY:PSW, plain in memory
    text::Text<20> app_inv_broj; // APP_INV_BROJ, this workstation's inventory number
    text::Text<20> app_korisnik; // APP:KORISNIK, the client whose rows the registers show
};

// KW:KWIPIS, the print header.
struct PrintHeader {
    text::Text<80> kwrnaziv;
    text::Text<80> kwradresa;
    text::Text<80> kwrmjesto;
    text::Text<60> kwrdokument;
    text::Text<222> kwrdokopis;
    text::Text<200> kwruvjeti;
    text::Text<200> kwrnapomena;
    text::Text<1024> kwrpolja;
    text::Text<1024> kwrindex;
    text::Text<1024> kwrfilter;
};

// One row of KW:PODACI, the print columns.
struct PrintRow {
    text::Text<100> naziv;
    std::vector<text::Text<255>> polje = std::vector<text::Text<255>>(29);
    double num = 0; // two decimals
    text::Text<150> nazivgrupe;
    text::Text<4800> opis;
};

struct Globals {
    Settings settings;
    text::Text<20> app_idusera; // APP:IDUSERA, the user name typed at login
    text::Text<20> app_lozinka; // APP:LOZINKA, the password typed at login
    text::Text<255> app_com;    // APP:COM, the first command-line argument
    text::Text<222> glo_filename;
    text::Text<222> glo_filename1;
    text::Text<220> glo_filename2;
    PrintHeader kw_kwipis;
    std::vector<PrintRow> kw_podaci;
};

class ProgramState {
public:
    Globals values() const {
        std::lock_guard lock(mutex_);
        return values_;
    }
    template <class F> decltype(auto) with(F&& f) {
        std::lock_guard lock(mutex_);
        return f(values_);
    }
    // Every text blank, every number 0, every list empty.
    void reset();

    std::atomic<std::int32_t> app_ovlasti{0}; // APP:OVLASTI; 0 = nobody logged in

private:
    mutable std::mutex mutex_;
    Globals values_;
};

// The process's program state.
ProgramState& program();

// A window binding to one global text or number, taking the lock on every read
// and write, so a window can edit the global itself while other threads read it.
window::Binding bind_global(std::int32_t Settings::*member);
template <std::size_t N> window::Binding bind_global(text::Text<N> Settings::*member) {
    return window::Binding(
        [member] { return program().with([&](Globals& g) { return (g.settings.*member).str(); }); },
        [member](std::string_view v) {
            program().with([&](Globals& g) { g.settings.*member = v; });
        });
}
template <std::size_t N> window::Binding bind_global(text::Text<N> Globals::*member) {
    return window::Binding(
        [member] { return program().with([&](Globals& g) { return (g.*member).str(); }); },
        [member](std::string_view v) { program().with([&](Globals& g) { g.*member = v; }); });
}

} // namespace zorozo::app
