#include "platform/qtview/list_view.h"

#include "platform/qtview/resources.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

namespace zorozo::qtview {

namespace {

// Draws the selected colours a cell asks for, then the column's right border
// and underline in the list's grid colour.
class CellDelegate : public QStyledItemDelegate {
public:
    CellDelegate(const ListModel& model, QColor grid, QObject* parent)
        : QStyledItemDelegate(parent), model_(model), grid_(grid) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem opt = option;
        if (opt.state & QStyle::State_Selected) {
            const QVariant text = index.data(selected_text_role);
            const QVariant back = index.data(selected_background_role);
            if (text.isValid()) {
                opt.palette.setColor(QPalette::HighlightedText, text.value<QColor>());
            }
            if (back.isValid()) {
                opt.palette.setColor(QPalette::Highlight, back.value<QColor>());
            }
        }
        const QVariant back = index.data(Qt::BackgroundRole);
        if (back.isValid() && !(opt.state & QStyle::State_Selected)) {
            painter->fillRect(opt.rect, back.value<QColor>());
        }
        QStyledItemDelegate::paint(painter, opt, index);
        const auto& columns = model_.list().format.columns;
        const auto c = static_cast<std::size_t>(index.column());
        if (c >= columns.size()) {
            return;
        }
        painter->save();
        painter->setPen(grid_);
        if (columns[c].right_border) {
            painter->drawLine(opt.rect.topRight(), opt.rect.bottomRight());
        }
        if (columns[c].underline) {
            painter->drawLine(opt.rect.bottomLeft(), opt.rect.bottomRight());
        }
        painter->restore();
    }

private:
    const ListModel& model_;
    QColor grid_;
};

} // namespace

ListView::ListView(int control, const window::ControlDef& def, const DialogUnits& units,
                   std::function<void(window::UserAction)> post, QWidget* parent)
    : QTableView(parent), control_(control), units_(units), post_(std::move(post)), model_(this) {
    setModel(&model_);
    const QColor grid =
        def.grid == window::default_color ? QColor(0xe1, 0xe1, 0xe1) : to_qcolor(def.grid);
    setItemDelegate(new CellDelegate(model_, grid, this));
    setShowGrid(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollBarPolicy((def.flags & window::flag::vscroll) ? Qt::ScrollBarAsNeeded
                                                                   : Qt::ScrollBarAsNeeded);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    const int line = def.line_height > 0 ? units_.y(def.line_height) : units_.char_height() + 4;
    verticalHeader()->setDefaultSectionSize(std::max(line, fontMetrics().height() + 1));
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setMinimumSectionSize(4);
    horizontalHeader()->setStretchLastSection(false);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int c, int o, int n) { column_resized(c, o, n); });
}

void ListView::apply(const window::ControlState& state) {
    if (!state.list) {
        return;
    }
    const auto& list = *state.list;
    applying_ = true;
    if (list.icons != icon_names_) {
        icon_names_ = list.icons;
        icons_.clear();
        for (const auto& name : icon_names_) {
            icons_.push_back(resource_icon(name));
        }
    }
    model_.apply(list, icons_);
    auto* header = horizontalHeader();
    for (std::size_t c = 0; c < list.format.columns.size(); ++c) {
        const auto& column = list.format.columns[c];
        const int section = static_cast<int>(c);
        header->setSectionResizeMode(section, column.resizable ? QHeaderView::Interactive
                                                               : QHeaderView::Fixed);
        const int px = units_.x(column.width);
        if (header->sectionSize(section) != px &&
            units_.to_x(header->sectionSize(section)) != column.width) {
            header->resizeSection(section, px);
        }
    }
    const int row = list.current_row - 1;
    const int column = std::max(0, list.current_column - 1);
    if (row >= 0 && row < model_.rowCount()) {
        const QModelIndex want = model_.index(row, std::min(column, model_.columnCount() - 1));
        if (currentIndex() != want) {
            setCurrentIndex(want);
            scrollTo(want);
        }
    } else if (currentIndex().isValid()) {
        selectionModel()->clear();
    }
    applying_ = false;
}

void ListView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (applying_ || !current.isValid()) {
        return;
    }
    post_(window::UserAction::choose(control_, current.row() + 1, current.column() + 1));
}

void ListView::column_resized(int column, int, int new_width) {
    if (applying_) {
        return;
    }
    post_(window::UserAction::width(control_, column + 1, units_.to_x(new_width)));
}

} // namespace zorozo::qtview
