// Timing of the window services:
//  - publishing a list of 3000 rows x 40 columns, and formatting every cell
//    through the column pictures the way a view does on demand;
//  - an event's round trip: a backend posts a button press, the procedure
//    thread takes it from next() and changes a control, the backend sees the
//    change.
// Prints medians. Run: build/bin/window_bench

#include "platform/testing/driver.h"
#include "platform/window/window.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <string>
#include <vector>

using namespace zorozo;
using namespace zorozo::window;
using Clock = std::chrono::steady_clock;

namespace {

double ms_since(Clock::time_point t) {
    return std::chrono::duration<double, std::milli>(Clock::now() - t).count();
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// A headless backend that lets the timing thread wait for the next state change.
class SignallingBackend : public testing::HeadlessBackend {
public:
    void window_changed(const std::shared_ptr<WindowCore>&) override {
        std::lock_guard lock(mutex_);
        ++changes_;
        cv_.notify_all();
    }
    std::uint64_t changes() {
        std::lock_guard lock(mutex_);
        return changes_;
    }
    void wait_beyond(std::uint64_t n) {
        std::unique_lock lock(mutex_);
        cv_.wait(lock, [&] { return changes_ > n; });
    }

private:
    std::mutex mutex_;
    std::condition_variable cv_;
    std::uint64_t changes_ = 0;
};

std::string list_format() {
    std::string f = "13R(2)|_M*I~Idp~C@n_6@";
    for (int c = 2; c <= 40; ++c) {
        f += c % 10 == 0 ? "40R(2)|M*~Datum~C@d6.@" : "66L(2)|M*~Kolona~C@s35@";
    }
    return f;
}

ListRows make_rows() {
    ListRows rows;
    rows.reserve(3000);
    for (int r = 0; r < 3000; ++r) {
        ListRow row;
        row.fields.reserve(6 + 39 * 5);
        row.fields.insert(row.fields.end(), {r + 1, -1, -1, -1, -1, r % 3});
        for (int c = 2; c <= 40; ++c) {
            if (c % 10 == 0) {
                row.fields.emplace_back(std::to_string(81527 + r));
            } else {
                row.fields.emplace_back("red " + std::to_string(r) + " kolona " +
                                        std::to_string(c));
            }
            row.fields.insert(row.fields.end(), {-1, r % 2 ? 0xF0F0F0 : -1, -1, -1});
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

void bench_publish() {
    testing::Driver driver;
    WindowDef def;
    def.caption = "Lista";
    def.controls.push_back({.kind = ControlKind::list, .format = list_format()});
    Window w(std::move(def));
    if (!w.open()) {
        std::puts("cannot open the window");
        return;
    }
    const ListRows prepared = make_rows();
    std::vector<double> publish, publish_and_format;
    for (int run = 0; run < 15; ++run) {
        ListRows copy = prepared; // the procedure's rows, built by its load
        auto t = Clock::now();
        w.list(1).set_rows(std::move(copy));
        publish.push_back(ms_since(t));
        // What a view does when it draws every cell once.
        auto state = w.core()->snapshot();
        const auto& l = *state.controls[0].list;
        std::size_t chars = 0;
        for (std::size_t r = 1; r <= l.rows->size(); ++r) {
            for (std::size_t c = 1; c <= l.format.columns.size(); ++c) {
                chars += cell(*l.rows, l.format, r, c).text.size();
            }
        }
        publish_and_format.push_back(ms_since(t));
        if (chars == 0) {
            std::puts("nothing formatted");
        }
    }
    std::printf("publish 3000 x 40 list:            median %.3f ms\n", median(publish));
    std::printf("publish + format all 120000 cells: median %.3f ms\n", median(publish_and_format));
    w.close();
}

void bench_round_trip() {
    testing::Driver driver;
    auto signalling = std::make_shared<SignallingBackend>();
    set_backend(signalling);
    start(
        [] {
            WindowDef def;
            def.caption = "Krug";
            def.controls.push_back({.kind = ControlKind::button, .text = "Klik"});
            def.controls.push_back({.kind = ControlKind::string});
            Window w(std::move(def));
            if (!w.open()) {
                return;
            }
            int n = 0;
            while (auto e = w.next()) {
                if (e->kind == EventKind::accepted) {
                    w.set_text(2, std::to_string(++n));
                }
            }
        },
        "KRUG");
    if (!wait_until_idle(std::chrono::seconds(5)) || signalling->windows().empty()) {
        std::puts("the procedure did not start");
        return;
    }
    auto core = signalling->windows().front();
    std::vector<double> trips;
    for (int i = 0; i < 3000; ++i) {
        const std::string expected = std::to_string(i + 1);
        auto t = Clock::now();
        std::uint64_t seen = signalling->changes();
        core->post(UserAction::press(1));
        for (;;) {
            signalling->wait_beyond(seen);
            seen = signalling->changes();
            if (core->snapshot().controls[1].text == expected) {
                break;
            }
        }
        trips.push_back(ms_since(t) * 1000.0);
    }
    std::sort(trips.begin(), trips.end());
    std::printf("event round trip (%zu): median %.1f us, 90%% %.1f us, 99%% %.1f us\n",
                trips.size(), trips[trips.size() / 2], trips[trips.size() * 9 / 10],
                trips[trips.size() * 99 / 100]);
    close_down_all();
    wait_until_ended(std::chrono::seconds(5));
}

} // namespace

int main() {
    bench_publish();
    bench_round_trip();
    return 0;
}
