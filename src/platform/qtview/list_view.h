#pragma once
// The list control: a table view over a ListModel with the column format's
// widths, alignments, borders and underlines, cell colours and mark icons. It
// reports a chosen row or column and a dragged column edge through `post`.
// GUI thread.

#include "platform/qtview/dialog_units.h"
#include "platform/qtview/list_model.h"
#include "platform/window/user_action.h"

#include <QTableView>
#include <functional>

namespace zorozo::qtview {

class ListView : public QTableView {
public:
    ListView(int control, const window::ControlDef& def, const DialogUnits& units,
             std::function<void(window::UserAction)> post, QWidget* parent);

    void apply(const window::ControlState& state);
    ListModel& list_model() { return model_; }

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    void column_resized(int column, int old_width, int new_width);

    int control_;
    DialogUnits units_;
    std::function<void(window::UserAction)> post_;
    ListModel model_;
    std::vector<QIcon> icons_;
    std::vector<std::string> icon_names_;
    bool applying_ = false;
};

} // namespace zorozo::qtview
