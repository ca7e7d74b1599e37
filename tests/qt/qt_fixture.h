#pragma once
// A Qt backend installed for one test, on the test's (GUI) thread; the
// procedures run on their own threads. The GUI is driven by processing its
// events until a condition holds.

#include "platform/qtview/desktop.h"
#include "platform/qtview/qt_backend.h"
#include "platform/qtview/window_view.h"

#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace zorozo::qtview::testing {

class QtFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Processes GUI events until done() is true; false when 10 s pass first.
    bool pump_until(const std::function<bool()>& done);
    // The view of the newest open window whose caption is caption.
    WindowView* view(const std::string& caption);
    template <class W> W* find(WindowView* v, const char* name) {
        return v ? v->findChild<W*>(name) : nullptr;
    }
    Desktop& desktop() { return backend_->desktop(); }

    std::shared_ptr<QtBackend> backend_;
};

} // namespace zorozo::qtview::testing
