#pragma once
// The table model of a list control over the published snapshot: cells are
// formatted on demand from the raw rows (never one item per cell). GUI thread.

#include "platform/window/window_state.h"

#include <QAbstractTableModel>
#include <QIcon>
#include <vector>

namespace zorozo::qtview {

// Extra roles the list's delegate reads.
inline constexpr int selected_text_role = Qt::UserRole + 1;
inline constexpr int selected_background_role = Qt::UserRole + 2;

class ListModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Takes a new snapshot of the list. The same shape refreshes the cells, so
    // the current row and the selection stay; another shape resets the model.
    void apply(const window::ListState& list, const std::vector<QIcon>& icons);
    const window::ListState& list() const { return list_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    window::ListState list_{};
    std::vector<QIcon> icons_{};
    bool applied_ = false;
};

QColor to_qcolor(window::Color c);
Qt::Alignment to_alignment(char align);

} // namespace zorozo::qtview
