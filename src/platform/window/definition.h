#pragma once
// Window definitions as data: a window and its controls are declared once, as a
// C++ initializer, and the backends build what they draw from it.
//
// Positions and sizes are in dialog units (x: a quarter of the average
// character width of the window font, y: an eighth of its height). Controls are
// numbered 1, 2, 3 ... in definition order (depth first through `children`);
// menu entries are numbered -1, -2 ... in definition order, separators take no
// number. A definition is plain data: build it on any thread, hand it to one
// Window.

#include "platform/window/binding.h"
#include "platform/window/key.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zorozo::window {

// A colour as 0x00BBGGRR; -1 means "the control's own colour".
using Color = std::int32_t;
inline constexpr Color default_color = -1;
constexpr Color rgb(int r, int g, int b) {
    return (b << 16) | (g << 8) | r;
}

// A rectangle in dialog units. A width or height of 0 means "the natural size"
// (a prompt as wide as its text, for example).
struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

namespace font_style {
inline constexpr std::uint32_t regular = 0;
inline constexpr std::uint32_t bold = 1;
inline constexpr std::uint32_t italic = 2;
inline constexpr std::uint32_t underline = 4;
inline constexpr std::uint32_t strikeout = 8;
inline constexpr std::uint32_t semibold = 16; // between regular and bold
} // namespace font_style

// An empty name or a size of 0 takes the window's font for that part.
struct Font {
    std::string name{};
    int size = 0; // points
    std::uint32_t style = font_style::regular;
    int charset = 0; // 238 = Central European; 0 = the default
    Color colour = default_color;
};

enum class ControlKind {
    prompt,    // a label; it names the entry that follows it
    entry,     // one line of typed text, bound through a picture
    text,      // multi-line text box
    button,    // push button (may carry an icon, may be flat)
    check,     // check box; value 1 ticked, 0 not
    image,     // a picture from the resources
    line,      // a straight line (width or height 0)
    box,       // a rectangle frame
    group,     // a (boxed) group holding children
    sheet,     // a tab sheet; its children are the tabs
    tab,       // one tab of a sheet; its children are the tab's controls
    list,      // a list bound to rows and a column-format text
    spin,      // a number with up/down arrows
    string,    // a text display (no input)
    rich_text, // a rich-text document box
};

// Control flags, combined with |.
namespace flag {
inline constexpr std::uint32_t none = 0;
inline constexpr std::uint32_t hidden = 1u << 0;
inline constexpr std::uint32_t disabled = 1u << 1;
inline constexpr std::uint32_t read_only = 1u << 2;
inline constexpr std::uint32_t skip = 1u << 3; // not reached by Tab
inline constexpr std::uint32_t password = 1u << 4;
inline constexpr std::uint32_t transparent = 1u << 5;
inline constexpr std::uint32_t flat = 1u << 6;
inline constexpr std::uint32_t vscroll = 1u << 7;
inline constexpr std::uint32_t hscroll = 1u << 8;
inline constexpr std::uint32_t centred = 1u << 9;
inline constexpr std::uint32_t right = 1u << 10;     // right-aligned text
inline constexpr std::uint32_t icon_left = 1u << 11; // icon left of the text
inline constexpr std::uint32_t boxed = 1u << 12;     // group drawn with a frame
inline constexpr std::uint32_t decimal = 1u << 13;   // decimal-aligned number
} // namespace flag

struct ControlDef {
    ControlKind kind = ControlKind::prompt;
    // The name the code and the tests use for it, e.g. "?LOC:FILTER". May be empty.
    std::string use{};
    std::string text{}; // prompt, button, check box, tab, group heading, initial text
    Rect rect{};
    Font font{};
    Color background = default_color;
    std::string icon{};                 // resource name, e.g. "11_ok.ico"
    std::string image{};                // resource name of an image control
    Key key = Key::none;                // pressing it anywhere in the window presses this control
    std::vector<std::string> tooltip{}; // lines
    std::string picture{};              // "@s35", "@n_6", "@d6." ...; empty = shown as stored
    std::uint32_t flags = flag::none;
    Binding binding{}; // the procedure variable behind an entry, check, spin, string, text
    // Lists: the column-format text, the icon list (index 1, 2 ...), grid colour and
    // line height in dialog units (0 = default).
    std::string format{};
    std::vector<std::string> icons{};
    Color grid = default_color;
    int line_height = 0;
    // Spin range.
    int low = 0;
    int high = 0;
    int step = 1;
    // Groups, sheets and tabs hold their controls here; they are numbered right
    // after their parent.
    std::vector<ControlDef> children{};
};

enum class MenuKind { menu, item, separator };

struct MenuDef {
    MenuKind kind = MenuKind::item;
    std::string use{};                // e.g. "OBRADA"; may be empty
    std::string text{};               // "&File" ('&' marks the mnemonic)
    std::string message{};            // help text shown in the status bar
    std::uint32_t flags = flag::none; // flag::disabled at start
    Key key = Key::none;
    std::vector<MenuDef> children{}; // for kind menu
};

struct WindowDef {
    std::string caption{};
    Rect rect{}; // x, y of 0: the backend places the window
    Font font{};
    Color background = default_color;
    std::string icon{};
    std::string image{};   // background image (frame)
    bool frame = false;    // the application frame holding every other window
    bool resizable = true; // a thin, fixed frame when false
    bool maximize_box = true;
    bool status_bar = false;
    int timer = 0;                 // period in hundredths of a second; 0 = none
    std::vector<Key> alert_keys{}; // keys the window captures: they give an alert-key event
    std::vector<MenuDef> menu{};
    std::vector<ControlDef> controls{};
};

} // namespace zorozo::window
