// The list control over a large snapshot: zebra colours and mark icons drawn
// as the snapshot says, and a dragged column edge read back in the format text.

#include "platform/qtview/list_view.h"
#include "platform/window/procedure.h"
#include "platform/window/window.h"
#include "qt_fixture.h"

#include <QHeaderView>
#include <QImage>
#include <QTest>

namespace zorozo::qtview::testing {
namespace {

using namespace zorozo::window;

constexpr int row_count = 3000;
constexpr int column_count = 40;
const Color zebra = rgb(0xE0, 0xF0, 0xFF);

std::string big_format() {
    std::string f = "40L(2)|_M*I~Stupac 1~C@s12@";
    for (int c = 2; c <= column_count; ++c) {
        f += "50L(2)|M*~Stupac " + std::to_string(c) + "~C@s12@";
    }
    return f;
}

ListRows big_rows() {
    ListRows rows(row_count);
    for (int r = 0; r < row_count; ++r) {
        auto& fields = rows[static_cast<std::size_t>(r)].fields;
        const Color back = r % 2 ? zebra : default_color;
        for (int c = 1; c <= column_count; ++c) {
            fields.emplace_back("R" + std::to_string(r + 1) + "C" + std::to_string(c));
            fields.insert(fields.end(), {default_color, back, default_color, default_color});
            if (c == 1) {
                fields.emplace_back(r % 2 ? 2 : 1);
            }
        }
    }
    return rows;
}

void big_list_program() {
    Window w(WindowDef{.caption = "Velika lista",
                       .rect = {10, 10, 500, 300},
                       .controls = {{.kind = ControlKind::list,
                                     .use = "?LIST1",
                                     .rect = {4, 4, 492, 292},
                                     .format = big_format(),
                                     .icons = {"~checkoff.ico", "~checkon.ico"},
                                     .line_height = 11}}});
    if (!w.open()) {
        return;
    }
    w.list(1).set_rows(big_rows());
    while (w.next()) {
    }
}

class ListTest : public QtFixture {
protected:
    ListView* open_list() {
        window::start(big_list_program, "LISTA");
        WindowView* v = view("Velika lista");
        if (!v) {
            return nullptr;
        }
        auto* list = find<ListView>(v, "?LIST1");
        pump_until([&] {
            v->refresh();
            return list->model()->rowCount() == row_count;
        });
        v->host()->resize(900, 600);
        QApplication::processEvents();
        return list;
    }
};

TEST_F(ListTest, DrawsTheColoursAndIconsOfItsSnapshot) {
    ListView* list = open_list();
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->model()->rowCount(), row_count);
    ASSERT_EQ(list->model()->columnCount(), column_count);
    auto* m = list->model();
    EXPECT_EQ(m->index(2999, 39).data().toString(), "R3000C40");
    EXPECT_FALSE(m->index(0, 3).data(Qt::BackgroundRole).isValid());
    EXPECT_EQ(m->index(1, 3).data(Qt::BackgroundRole).value<QColor>(), QColor(0xE0, 0xF0, 0xFF));
    EXPECT_FALSE(m->index(0, 0).data(Qt::DecorationRole).value<QIcon>().isNull());
    EXPECT_FALSE(m->index(0, 1).data(Qt::DecorationRole).isValid());

    // What is on the screen: the zebra row's background and the two mark icons.
    const QImage shot = list->viewport()->grab().toImage();
    auto pixel = [&](int row, int column, int dx) {
        const QRect r = list->visualRect(m->index(row, column));
        return QColor(shot.pixel(r.right() - dx, r.center().y()));
    };
    EXPECT_EQ(pixel(3, 5, 3), QColor(0xE0, 0xF0, 0xFF));
    EXPECT_NE(pixel(2, 5, 3), QColor(0xE0, 0xF0, 0xFF));
    auto icon_area = [&](int row) {
        const QRect r = list->visualRect(m->index(row, 0));
        const int h = r.height() - 4;
        return shot.copy(r.x() + 3, r.y() + 2, h, h);
    };
    const QImage off = icon_area(2);
    const QImage on = icon_area(3);
    EXPECT_EQ(icon_area(4), off); // the same mark draws the same
    EXPECT_NE(on, off);           // a ticked mark differs from an empty one
}

TEST_F(ListTest, DraggingAColumnEdgeChangesTheWidthInTheFormatText) {
    ListView* list = open_list();
    ASSERT_NE(list, nullptr);
    auto* header = list->horizontalHeader();
    QWidget* port = header->viewport();
    const int edge = header->sectionViewportPosition(1) + header->sectionSize(1) - 1;
    const QPoint start(edge, header->height() / 2);
    QTest::mousePress(port, Qt::LeftButton, {}, start);
    QTest::mouseMove(port, start + QPoint(20, 0));
    QTest::mouseMove(port, start + QPoint(40, 0));
    QTest::mouseRelease(port, Qt::LeftButton, {}, start + QPoint(40, 0));
    const int dragged = header->sectionSize(1);
    ASSERT_GT(dragged, 50);

    auto* v = qobject_cast<WindowView*>(list->parentWidget());
    const int wanted = v->units().to_x(dragged);
    ASSERT_NE(wanted, 50);
    std::string text;
    EXPECT_TRUE(pump_until([&] {
        auto s = v->core()->snapshot();
        text = s.controls[0].list->format_text;
        return s.controls[0].list->format.columns[1].width == wanted;
    })) << text;
    EXPECT_NE(text.find(std::to_string(wanted) + "L(2)|M*~Stupac 2~"), std::string::npos) << text;
}

} // namespace
} // namespace zorozo::qtview::testing
