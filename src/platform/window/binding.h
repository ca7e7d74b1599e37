#pragma once
// The procedure variable behind a control, reached through a small accessor that
// reads it as its stored text and writes it from a stored text (the text a
// picture parses to: numbers and day numbers as decimal text).
//
// The accessor is called on the procedure thread that owns the window only
// (display() and next()); a variable shared with other threads is bound through
// a custom getter and setter that take its lock.

#include "platform/text.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace zorozo::window {

class Binding {
public:
    using Getter = std::function<std::string()>;
    using Setter = std::function<void(std::string_view)>;

    Binding() = default;
    Binding(Getter get, Setter set) : get_(std::move(get)), set_(std::move(set)) {}
    Binding(std::string& s)
        : get_([&s] { return s; }), set_([&s](std::string_view v) { s = std::string(v); }) {}
    Binding(std::int32_t& n)
        : get_([&n] { return text::from_number(n); }),
          set_([&n](std::string_view v) { n = text::to_number(v); }) {}
    template <std::size_t N>
    Binding(text::Text<N>& t)
        : get_([&t] { return t.str(); }), set_([&t](std::string_view v) { t = v; }) {}

    bool bound() const { return static_cast<bool>(get_); }
    std::string get() const { return get_ ? get_() : std::string(); }
    void set(std::string_view stored) const {
        if (set_) {
            set_(stored);
        }
    }

private:
    Getter get_;
    Setter set_;
};

} // namespace zorozo::window
