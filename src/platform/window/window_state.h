#pragma once
// The state of one window as a backend reads it: a consistent copy taken under
// the window's mutex (WindowCore::snapshot()). Plain data; any thread may hold
// and read a copy.
//
// Versions: `WindowState::version` grows with every change the procedure makes;
// a backend that already drew version v ignores a notification or snapshot
// older than v. `ControlState::revision` grows when the procedure changes that
// control's text or value: a backend writes a text into a widget only when the
// revision differs from the one it last applied, so it never overwrites what
// the user is typing with an unchanged value.

#include "platform/window/column_format.h"
#include "platform/window/definition.h"
#include "platform/window/list_rows.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zorozo::window {

using ProcedureId = std::uint64_t;

struct ListState {
    std::string format_text{};      // the current column-format text (dragged widths included)
    ColumnFormat format{};          // the same, parsed
    ListRowsPtr rows{};             // never null
    std::uint64_t rows_version = 0; // grows with every publish
    int current_row = 0;            // 1-based; 0 = none
    int current_column = 0;         // 1-based; 0 = none
    std::vector<std::string> icons{};
};

struct ControlState {
    int number = 0;
    int parent = 0;                  // the group, sheet or tab holding it; 0 = the window
    const ControlDef* def = nullptr; // static parts (font, icon, tooltip, flags); lives
                                     // as long as WindowState::def
    std::string text{};              // what the control shows (an entry: the formatted value)
    std::int32_t value = 0;          // check box 0/1, sheet: chosen tab's number, spin value
    std::uint64_t revision = 1;
    bool visible = true; // its own flag; a control inside a hidden parent is not drawn either
    bool enabled = true;
    bool read_only = false;
    Color font_colour = default_color;
    Color background = default_color;
    Rect rect{};
    std::optional<ListState> list{}; // list controls
};

struct MenuState {
    int number = 0; // -1, -2 ...
    int parent = 0; // the menu holding it (negative), 0 = the menu bar
    const MenuDef* def = nullptr;
    std::string text{};
    bool enabled = true;
};

struct WindowState {
    std::uint64_t id = 0;
    ProcedureId procedure = 0;
    std::string procedure_name{};
    std::uint64_t version = 0;
    std::shared_ptr<const WindowDef> def{};
    bool open = false;
    bool takes_input = false; // the newest open window of its procedure thread
    bool busy = true;         // its procedure is not waiting in next()
    std::string caption{};
    Rect rect{}; // normal (restored) placement in dialog units
    bool maximized = false;
    bool minimized = false;
    int timer = 0;                        // hundredths of a second
    int focus = 0;                        // the selected control
    std::vector<std::string> status{};    // status bar fields
    std::vector<ControlState> controls{}; // control n is controls[n - 1]
    std::vector<MenuState> menu{};        // entry -n is menu[n - 1]

    const ControlState* control(int n) const;
    const MenuState* menu_entry(int n) const;
    // The first control whose use name equals name (case-insensitive), else the
    // first whose text (without '&') equals it; 0 when none.
    int find(std::string_view name) const;
};

} // namespace zorozo::window
