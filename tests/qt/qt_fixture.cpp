#include "qt_fixture.h"

#include "platform/window/procedure.h"
#include "platform/window/procedure_context.h"

#include <QApplication>
#include <QElapsedTimer>
#include <chrono>
#include <cstdlib>

namespace zorozo::qtview::testing {

namespace {

QApplication& application() {
    static int argc = 1;
    static char name[] = "qt_test";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        auto* a = new QApplication(argc, argv);
        prepare_application();
        return a;
    }();
    return *app;
}

} // namespace

void QtFixture::SetUp() {
    application();
    window::wait_until_ended(std::chrono::seconds(5));
    window::detail::reset_program();
    backend_ = std::make_shared<QtBackend>();
    window::set_backend(backend_);
}

void QtFixture::TearDown() {
    window::close_down_all();
    EXPECT_TRUE(pump_until([] { return window::running_procedures() == 0; }));
    QApplication::processEvents();
    window::set_backend(nullptr);
    backend_.reset();
    QApplication::processEvents();
}

bool QtFixture::pump_until(const std::function<bool()>& done) {
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > 10000) {
            return false;
        }
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

WindowView* QtFixture::view(const std::string& caption) {
    WindowView* found = nullptr;
    pump_until([&] {
        for (auto* v : QApplication::allWidgets()) {
            auto* w = qobject_cast<WindowView*>(v);
            if (w && w->state().caption == caption && w->core()->snapshot().open) {
                found = w;
            }
        }
        return found != nullptr;
    });
    return found;
}

} // namespace zorozo::qtview::testing
