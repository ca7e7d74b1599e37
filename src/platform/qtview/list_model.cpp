#include "platform/qtview/list_model.h"

namespace zorozo::qtview {

QColor to_qcolor(window::Color c) {
    return QColor(c & 0xff, (c >> 8) & 0xff, (c >> 16) & 0xff);
}

Qt::Alignment to_alignment(char align) {
    switch (align) {
    case 'R':
    case 'D':
        return Qt::AlignRight | Qt::AlignVCenter;
    case 'C':
        return Qt::AlignHCenter | Qt::AlignVCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

void ListModel::apply(const window::ListState& list, const std::vector<QIcon>& icons) {
    const bool same_shape = applied_ && list.rows->size() == list_.rows->size() &&
                            list.format.columns.size() == list_.format.columns.size();
    const bool same_headers = same_shape && list.format == list_.format;
    const bool new_rows =
        !applied_ || list.rows_version != list_.rows_version || list.rows != list_.rows;
    if (!same_shape) {
        beginResetModel();
        list_ = list;
        icons_ = icons;
        endResetModel();
        applied_ = true;
        return;
    }
    list_ = list;
    icons_ = icons;
    if (!same_headers) {
        emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    }
    if ((new_rows || !same_headers) && rowCount() > 0 && columnCount() > 0) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    }
}

int ListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(list_.rows ? list_.rows->size() : 0);
}

int ListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(list_.format.columns.size());
}

QVariant ListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !list_.rows) {
        return {};
    }
    const auto col = static_cast<std::size_t>(index.column());
    const auto& format_column = list_.format.columns[col];
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(to_alignment(format_column.align));
    }
    if (role != Qt::DisplayRole && role != Qt::ForegroundRole && role != Qt::BackgroundRole &&
        role != Qt::DecorationRole && role != selected_text_role &&
        role != selected_background_role && role != Qt::AccessibleTextRole) {
        return {};
    }
    const auto c =
        window::cell(*list_.rows, list_.format, static_cast<std::size_t>(index.row()) + 1, col + 1);
    auto colour = [](window::Color v) {
        return v == window::default_color ? QVariant() : QVariant(to_qcolor(v));
    };
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return QString::fromStdString(c.text);
    case Qt::ForegroundRole:
        return colour(c.colours.text);
    case Qt::BackgroundRole:
        return colour(c.colours.background);
    case selected_text_role:
        return colour(c.colours.selected_text);
    case selected_background_role:
        return colour(c.colours.selected_background);
    case Qt::DecorationRole:
        if (c.icon > 0 && static_cast<std::size_t>(c.icon) <= icons_.size()) {
            return icons_[static_cast<std::size_t>(c.icon) - 1];
        }
        return {};
    default:
        return {};
    }
}

QVariant ListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    const auto& format_column = list_.format.columns[static_cast<std::size_t>(section)];
    if (role == Qt::DisplayRole) {
        return QString::fromStdString(format_column.header);
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(to_alignment(
            format_column.header_align ? format_column.header_align : format_column.align));
    }
    return {};
}

} // namespace zorozo::qtview
