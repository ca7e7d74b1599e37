#include "app/standard_warning.h"

#include "data/error_state.h"
#include "platform/text.h"
#include "platform/window/dialogs.h"
#include "platform/window/halt.h"

namespace zorozo::app {

using window::Icon;
using window::button::no;
using window::button::ok;
using window::button::yes;

namespace {

// A warning box with OK, then the program stops with the final text.
[[noreturn]] void stop_after(const std::string& text, std::string_view caption,
                             std::string_view final_text) {
    window::message(text, caption, Icon::exclamation, ok, ok);
    window::halt(warning_exit_code, final_text);
}

} // namespace

std::string warning_error_text() {
    const data::ErrorState& e = data::error();
    std::string t;
    if (e.number == data::errors::server_error) {
        t = text::rtrim(e.server_text) + " (" + text::rtrim(e.server_code) + ")";
    } else {
        t = text::rtrim(e.text) + " (" + text::from_number(e.number) + ")";
    }
    return text::clip(t, 150);
}

int standard_warning(int id, std::string_view text1, std::string_view) {
    const std::string name = text::rtrim(text1);
    const std::string err = text::rtrim(warning_error_text());
    switch (id) {
    case 1:
        stop_after("Greška : (" + err + ") kod pregleda datoteke " + name +
                       ".  Pritisnite  OK za izlazak.",
                   "Neispravna datoteka", "Neispravna datoteka !");
    case 2: {
        const int answer = window::message(
            name + " Kljuć datoteke je neispravan. Dali želite da " + "se kreira novi kljuć?",
            "Neispravan kljuć datoteke", Icon::question, yes | no, yes);
        if (answer != yes) {
            window::halt(warning_exit_code, "Neispravan kljuć!");
        }
        return yes;
    }
    case 3:
        stop_after("Greška : (" + err + ") repariranja ključeva za " + name +
                       ".  Pritisnite  OK za izlazak. ",
                   "Greška repariranja ključeva datoteke", "Greška kod izrade ključeva!");
    case 4:
        stop_after("Greška: (" + err + ") kod kreiranja " + name + ".  Pritisnite  OK za izlazak. ",
                   "Greška kod kreiranja ", "Greška kod kreiranja!");
    case 5:
        stop_after("Greška: (" + err + ") kod kreiranja, otvaranja  " + "datoteke:" + name +
                       ".  Pritisnite  OK za izlazak , provjerite server ,",
                   "Greška kod kreiranja datoteke ", "Greška kod kreiranja datoteke!");
    case 6:
        return window::message("Procedura  " + name + " nije dostupna " +
                                   "provjerite kod programera da je ukljući.",
                               "Procedura nije dostupna", Icon::exclamation, ok, ok);
    case 30:
        return window::message("Datoteku: (" + name + ") ne mogu otvoriti " + "  Greska: " + err +
                                   ".",
                               "Nemate dozvolljen pristup datoteci", Icon::exclamation, ok, ok);
    default:
        return 0;
    }
}

} // namespace zorozo::app
