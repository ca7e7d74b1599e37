#include "platform/testing/player.h"

#include "platform/testing/driver.h"
#include "platform/text.h"

#include <fstream>
#include <iostream>
#include <mutex>
#include <optional>
#include <sstream>
#include <vector>

namespace zorozo::testing {

using namespace zorozo::window;

namespace {

// Splits off `count` leading words (a word in double quotes may hold blanks);
// the rest of the line, trimmed, is the last element.
std::vector<std::string> split(std::string_view line, std::size_t count) {
    std::vector<std::string> out;
    std::size_t i = 0;
    auto skip_blanks = [&] {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) {
            ++i;
        }
    };
    for (std::size_t k = 0; k < count; ++k) {
        skip_blanks();
        if (i >= line.size()) {
            return out;
        }
        std::string word;
        if (line[i] == '"') {
            auto end = line.find('"', i + 1);
            end = end == std::string_view::npos ? line.size() : end;
            word = std::string(line.substr(i + 1, end - i - 1));
            i = std::min(line.size(), end + 1);
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t') {
                word += line[i++];
            }
        }
        out.push_back(word);
    }
    skip_blanks();
    std::string rest = text::rtrim(line.substr(std::min(i, line.size())));
    if (rest.size() >= 2 && rest.front() == '"' && rest.back() == '"') {
        rest = rest.substr(1, rest.size() - 2);
    }
    if (!rest.empty()) {
        out.push_back(rest);
    }
    return out;
}

std::string trim_both(std::string_view s) {
    std::string t = text::rtrim(s);
    auto start = t.find_first_not_of(' ');
    return start == std::string::npos ? std::string() : t.substr(start);
}

std::string kind_name(ControlKind k) {
    static const char* names[] = {"prompt", "entry", "text", "button", "check",
                                  "image",  "line",  "box",  "group",  "sheet",
                                  "tab",    "list",  "spin", "string", "rich text"};
    return names[static_cast<int>(k)];
}

class Player {
public:
    Player(const PlayOptions& o, std::ostream& out) : options_(o), out_(out), driver_(o.timeout) {
        driver_.backend().set_sink([this](const std::string& line) { print(line); });
    }

    ~Player() { driver_.backend().set_sink({}); }

    // Transcript lines come from procedure threads too: one writer at a time.
    void print(const std::string& line) {
        std::lock_guard lock(out_mutex_);
        out_ << line << '\n';
    }

    int run(std::istream& script) {
        driver_.start(options_.program, options_.program_name);
        if (!driver_.wait()) {
            return fail(0, "the program did not become idle");
        }
        std::string line;
        int number = 0;
        while (std::getline(script, line)) {
            ++number;
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            std::string trimmed = text::rtrim(line);
            auto first = trimmed.find_first_not_of(" \t");
            if (first == std::string::npos || trimmed[first] == '#') {
                continue;
            }
            print("> " + trimmed.substr(first));
            if (auto error = step(trimmed.substr(first))) {
                return fail(number, *error);
            }
            if (!driver_.failures().empty()) {
                return fail(number, "a procedure failed: " + driver_.failures().front());
            }
        }
        if (auto h = driver_.halted()) {
            print("program ended with exit code " + std::to_string(h->code));
            return h->code;
        }
        print("end of script; closing the program down");
        return 0;
    }

private:
    int fail(int line, const std::string& what) {
        print("FAILED at line " + std::to_string(line) + ": " + what);
        return play_failed;
    }

    std::optional<WindowState> current() {
        if (chosen_) {
            if (auto w = driver_.window(*chosen_)) {
                return w;
            }
        }
        return driver_.active();
    }

    // Runs one line; an error text when it failed.
    std::optional<std::string> step(const std::string& line) {
        auto words = split(line, 1);
        const std::string verb = words.empty() ? "" : words[0];
        const std::string rest = words.size() > 1 ? words[1] : "";
        if (verb == "wait") {
            return settle();
        }
        if (verb == "show") {
            show();
            return std::nullopt;
        }
        if (verb == "snap" || verb == "snap-frame") {
            if (rest.empty()) {
                return verb + " needs a name";
            }
            if (auto error = settle()) {
                return error;
            }
            if (options_.snap) {
                options_.snap(verb == "snap-frame", rest);
            }
            return std::nullopt;
        }
        if (verb == "window") {
            if (!driver_.window(rest)) {
                return "no open window " + rest;
            }
            chosen_ = rest;
            return std::nullopt;
        }
        if (verb == "menu") {
            return acted(driver_.menu(rest), "no usable menu item " + rest);
        }
        if (verb == "answer") {
            if (!driver_.message()) {
                return std::string("no message is open");
            }
            return acted(driver_.answer(rest), "the message has no button " + rest);
        }
        if (verb == "file") {
            bool ok =
                rest == "cancel" ? driver_.answer_file(std::nullopt) : driver_.answer_file(rest);
            return acted(ok, "no file dialog is open");
        }
        if (verb == "printer") {
            return acted(driver_.answer_printer(rest != "cancel"), "no printer setup is open");
        }
        if (verb == "expect") {
            return expect(rest);
        }
        auto w = current();
        if (!w) {
            return std::string("no window takes input");
        }
        if (verb == "type") {
            auto a = split(rest, 1);
            if (a.empty()) {
                return std::string("type needs a control");
            }
            return acted(driver_.type(*w, a[0], a.size() > 1 ? a[1] : ""),
                         "cannot type into " + a[0]);
        }
        if (verb == "press") {
            return acted(driver_.press(*w, rest), "cannot press " + rest);
        }
        if (verb == "check" || verb == "uncheck") {
            return acted(driver_.check(*w, rest, verb == "check"), "no check box " + rest);
        }
        if (verb == "tab") {
            return acted(driver_.choose_tab(*w, rest), "no tab " + rest);
        }
        if (verb == "spin") {
            auto a = split(rest, 1);
            return acted(a.size() == 2 && driver_.spin(*w, a[0], text::to_number(a[1])),
                         "cannot spin " + rest);
        }
        if (verb == "select") {
            auto a = split(rest, 3);
            return acted(a.size() >= 2 && driver_.select(*w, a[0], text::to_number(a[1]),
                                                         a.size() > 2 ? text::to_number(a[2]) : 0),
                         "cannot select " + rest);
        }
        if (verb == "key") {
            auto k = parse_key(rest);
            if (!k) {
                return "unknown key " + rest;
            }
            return acted(driver_.key(*w, *k), "the window takes no key");
        }
        if (verb == "close") {
            return acted(driver_.close(*w), "cannot close the window");
        }
        if (verb == "tick") {
            return acted(driver_.tick(*w), "the window takes no timer event");
        }
        return "unknown command " + verb;
    }

    std::optional<std::string> settle() {
        if (!driver_.wait()) {
            return std::string("timed out waiting for the program");
        }
        return std::nullopt;
    }

    std::optional<std::string> acted(bool ok, const std::string& error) {
        if (!ok) {
            return error;
        }
        return settle();
    }

    std::optional<std::string> expect(const std::string& what) {
        auto words = split(what, 1);
        const std::string kind = words.empty() ? "" : words[0];
        const std::string rest = words.size() > 1 ? words[1] : "";
        if (kind == "window") {
            return driver_.window(rest) ? std::nullopt
                                        : std::optional<std::string>("no open window " + rest);
        }
        if (kind == "closed") {
            return driver_.window(rest) ? std::optional<std::string>("window still open: " + rest)
                                        : std::nullopt;
        }
        if (kind == "message") {
            auto m = driver_.message();
            if (!m) {
                return std::string("no message is open");
            }
            if (m->text.find(rest) == std::string::npos) {
                return "the message says " + m->text;
            }
            return std::nullopt;
        }
        if (kind == "halt") {
            auto h = driver_.halted();
            if (!h) {
                return std::string("the program has not ended");
            }
            if (h->code != text::to_number(rest)) {
                return "exit code " + std::to_string(h->code);
            }
            return std::nullopt;
        }
        auto w = current();
        if (!w) {
            return std::string("no window takes input");
        }
        if (kind == "text" || kind == "value" || kind == "enabled" || kind == "disabled" ||
            kind == "hidden" || kind == "visible") {
            auto a = split(rest, 1);
            auto s = a.empty() ? std::nullopt : driver_.state(*w, a[0]);
            if (!s) {
                return "no control " + rest;
            }
            const std::string want = a.size() > 1 ? a[1] : "";
            if (kind == "text" && trim_both(s->text) != want) {
                return "it shows \"" + s->text + "\"";
            }
            if (kind == "value" && s->value != text::to_number(want)) {
                return "its value is " + std::to_string(s->value);
            }
            if ((kind == "enabled" && !s->enabled) || (kind == "disabled" && s->enabled) ||
                (kind == "hidden" && s->visible) || (kind == "visible" && !s->visible)) {
                return "it is not " + kind;
            }
            return std::nullopt;
        }
        if (kind == "cell") {
            auto a = split(rest, 3);
            if (a.size() < 3) {
                return std::string("expect cell LIST ROW COLUMN TEXT");
            }
            auto cells = driver_.cells(*w, a[0]);
            std::size_t r = text::to_number(a[1]);
            std::size_t c = text::to_number(a[2]);
            if (r < 1 || r > cells.size() || c < 1 || c > cells[r - 1].size()) {
                return "no cell " + a[1] + "," + a[2];
            }
            const std::string want = a.size() > 3 ? a[3] : "";
            const std::string got = cells[r - 1][c - 1].text;
            if (trim_both(got) != want) {
                return "the cell shows \"" + got + "\"";
            }
            return std::nullopt;
        }
        return "unknown check " + kind;
    }

    void show() {
        auto w = current();
        if (!w) {
            print("(no window)");
            return;
        }
        std::ostringstream out_;
        out_ << "window \"" << w->caption << "\"" << (w->takes_input ? "" : " (disabled)") << '\n';
        for (const auto& c : w->controls) {
            if (!c.visible) {
                continue;
            }
            out_ << "  " << c.number << " " << kind_name(c.def->kind);
            if (!c.def->use.empty()) {
                out_ << " " << c.def->use;
            }
            out_ << " \"" << c.text << "\"";
            if (c.def->kind == ControlKind::check || c.def->kind == ControlKind::spin ||
                c.def->kind == ControlKind::sheet) {
                out_ << " value " << c.value;
            }
            if (!c.enabled) {
                out_ << " (disabled)";
            }
            out_ << '\n';
            if (c.list) {
                for (std::size_t r = 1; r <= c.list->rows->size(); ++r) {
                    out_ << "    " << (static_cast<int>(r) == c.list->current_row ? "*" : " ");
                    for (std::size_t col = 1; col <= c.list->format.columns.size(); ++col) {
                        out_ << " | " << cell(*c.list->rows, c.list->format, r, col).text;
                    }
                    out_ << '\n';
                }
            }
        }
        for (const auto& m : w->menu) {
            out_ << "  menu " << m.number << " \"" << m.text << "\""
                 << (m.enabled ? "" : " (disabled)") << '\n';
        }
        std::string all = out_.str();
        if (!all.empty() && all.back() == '\n') {
            all.pop_back();
        }
        print(all);
    }

    const PlayOptions& options_;
    std::ostream& out_;
    std::mutex out_mutex_;
    Driver driver_;
    std::optional<std::string> chosen_;
};

} // namespace

int play_stream(std::istream& script, const PlayOptions& options) {
    std::ostream& out = options.out ? *options.out : std::cout;
    if (!options.program) {
        out << "FAILED at line 0: no program to play\n";
        return play_failed;
    }
    int code = play_failed;
    {
        Player player(options, out);
        code = player.run(script);
    }
    out.flush();
    return code;
}

int play_script(const std::filesystem::path& script, const PlayOptions& options) {
    std::ifstream in(script);
    if (!in) {
        std::ostream& out = options.out ? *options.out : std::cout;
        out << "FAILED at line 0: cannot read " << script.string() << '\n';
        return play_failed;
    }
    return play_stream(in, options);
}

} // namespace zorozo::testing
