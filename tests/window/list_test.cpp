#include "platform/testing/driver.h"
#include "platform/window/list_rows.h"
#include "platform/window/window.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zorozo::window {
namespace {

using testing::Driver;

const char* const format = "13R(2)|_M*I~Idp~C@n_6@66L(2)|M*~Kor~C@s35@40R(2)|M~Datum~C@d6.@";

// Idp with four colours and an icon, Kor with four colours, a plain date.
ListRow row(std::int32_t idp, int icon, std::string kor, Color kor_background, std::string day) {
    return {
        {idp, -1, -1, -1, -1, icon, std::move(kor), -1, kor_background, -1, -1, std::move(day)}};
}

TEST(ListCells, FormatCellsWithTheirColoursAndIcons) {
    ListRows rows{row(7, 2, "abc", 0xF0F0F0, "81527"), row(8, 0, "d", -1, "0")};
    auto fmt = *parse_column_format(format).format;
    struct Case {
        std::size_t row, column;
        std::string text;
        Color background;
        int icon;
    };
    const Case cases[] = {
        {1, 1, "     7", -1, 2}, {1, 2, "abc", 0xF0F0F0, 0}, {1, 3, "15.03.2024", -1, 0},
        {2, 1, "     8", -1, 0}, {2, 2, "d", -1, 0},         {2, 3, "", -1, 0},
        {3, 1, "", -1, 0}, // no such row
        {1, 4, "", -1, 0}, // no such column
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.row) + "," + std::to_string(c.column));
        Cell got = cell(rows, fmt, c.row, c.column);
        EXPECT_EQ(got.text.substr(0, c.text.size()), c.text);
        EXPECT_EQ(got.colours.background, c.background);
        EXPECT_EQ(got.colours.text, -1);
        EXPECT_EQ(got.icon, c.icon);
    }
    // A row shorter than the format shows empty cells rather than failing.
    ListRows short_rows{{{std::int32_t{5}}}};
    EXPECT_EQ(cell(short_rows, fmt, 1, 2).text, "");
}

TEST(ListControl, WidthsDraggedOrSetShowInTheTextReadBack) {
    Driver d;
    std::string read_back;
    int columns = 0;
    std::string header;
    d.start(
        [&] {
            WindowDef def;
            def.caption = "Lista";
            def.controls.push_back({.kind = ControlKind::list, .use = "?LIST1", .format = format});
            def.controls.push_back({.kind = ControlKind::button, .text = "Čitaj"});
            Window w(std::move(def));
            ASSERT_TRUE(w.open());
            auto list = w.list(1);
            list.set_rows(ListRows{row(1, 1, "a", -1, "0"), row(2, 0, "b", -1, "0")});
            while (auto e = w.next()) {
                if (e->kind == EventKind::accepted) {
                    list.set_width(3, 45);
                    read_back = list.format();
                    columns = list.column_count();
                    header = list.header(2) + "/" + list.picture(2) + "/" +
                             std::to_string(list.field(2)) + "/" +
                             std::to_string(list.current_row()) + "," +
                             std::to_string(list.current_column());
                }
            }
        },
        "LISTA");
    ASSERT_TRUE(d.wait());
    auto w = *d.window("Lista");
    ASSERT_TRUE(d.drag_column(w, "?LIST1", 2, 90));
    ASSERT_TRUE(d.select(w, "?LIST1", 2, 2));
    ASSERT_TRUE(d.press(w, "Čitaj"));
    ASSERT_TRUE(d.wait());
    EXPECT_EQ(read_back, "13R(2)|_M*I~Idp~C@n_6@90L(2)|M*~Kor~C@s35@45R(2)|M~Datum~C@d6.@");
    EXPECT_EQ(columns, 3);
    EXPECT_EQ(header, "Kor/@s35/7/2,2");
    EXPECT_EQ(d.cells(w, "?LIST1").size(), 2u);
    EXPECT_EQ(d.cells(w, "?LIST1")[1][1].text, "b");
}

} // namespace
} // namespace zorozo::window
