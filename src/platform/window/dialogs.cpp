#include "platform/window/dialogs.h"

#include "platform/text.h"
#include "platform/window/backend.h"
#include "platform/window/procedure.h"
#include "platform/window/procedure_context.h"

namespace zorozo::window {
namespace {

std::vector<std::string> split_bars(std::string_view s) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (;;) {
        auto bar = s.find('|', start);
        out.emplace_back(s.substr(start, bar == std::string_view::npos ? bar : bar - start));
        if (bar == std::string_view::npos) {
            return out;
        }
        start = bar + 1;
    }
}

// Waits for an answer as a procedure waiting for the user; a stop of the
// program while waiting unwinds the procedure.
template <class T> T await(std::future<T> f) {
    T answer{};
    {
        detail::AnsweringScope scope;
        answer = f.get();
    }
    detail::throw_if_halted();
    return answer;
}

} // namespace

std::string button_text(int b) {
    switch (b) {
    case button::ok:
        return "OK";
    case button::yes:
        return "Yes";
    case button::no:
        return "No";
    case button::abort:
        return "Abort";
    case button::retry:
        return "Retry";
    case button::ignore:
        return "Ignore";
    case button::cancel:
        return "Cancel";
    default:
        return {};
    }
}

std::vector<std::string> MessageRequest::lines() const {
    return split_bars(text);
}

std::vector<std::pair<std::string, int>> MessageRequest::choices() const {
    std::vector<std::pair<std::string, int>> out;
    if (!custom.empty()) {
        for (std::size_t i = 0; i < custom.size(); ++i) {
            out.emplace_back(custom[i], static_cast<int>(i) + 1);
        }
        return out;
    }
    for (int b : {button::ok, button::yes, button::no, button::abort, button::retry, button::ignore,
                  button::cancel}) {
        if (buttons & b) {
            out.emplace_back(button_text(b), b);
        }
    }
    return out;
}

int message(MessageRequest request) {
    detail::throw_if_halted();
    auto b = backend();
    if (!b) {
        return button::none;
    }
    request.asking = current_procedure();
    if (request.custom.empty() && request.buttons == 0) {
        request.buttons = button::ok;
    }
    return await(b->message_box(request));
}

int message(std::string_view text, std::string_view caption, Icon icon, int buttons,
            int default_button) {
    MessageRequest r;
    r.text = std::string(text);
    r.caption = std::string(caption);
    r.icon = icon;
    r.buttons = buttons;
    r.default_button = default_button;
    return message(std::move(r));
}

int message_custom(std::string_view text, std::string_view caption, Icon icon,
                   std::string_view buttons, int default_button) {
    MessageRequest r;
    r.text = std::string(text);
    r.caption = std::string(caption);
    r.icon = icon;
    r.custom = split_bars(buttons);
    r.default_button = default_button;
    return message(std::move(r));
}

int stop_box(std::string_view text, std::string_view caption) {
    return message(text, caption, Icon::stop, button::abort | button::ignore, button::abort);
}

std::optional<std::string> open_file(FileRequest request) {
    detail::throw_if_halted();
    auto b = backend();
    if (!b) {
        return std::nullopt;
    }
    request.asking = current_procedure();
    return await(b->open_file(request));
}

bool printer_setup() {
    detail::throw_if_halted();
    auto b = backend();
    return b ? await(b->printer_setup(current_procedure())) : false;
}

void beep() {
    if (auto b = backend()) {
        b->beep();
    }
}

} // namespace zorozo::window
