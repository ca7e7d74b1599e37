// zorozo-play-qt [--headless] [--program gallery|frame|sample] [--snaps DIR] SCRIPT
//
// Plays a script like zorozo-play and prints the same transcript, while the
// Qt view draws every window (offscreen with QT_QPA_PLATFORM=offscreen). The
// lines "snap NAME" and "snap-frame NAME" save a picture of the newest window
// or of the whole frame as DIR/NAME.png; under --headless they are skipped, so
// one script gives one transcript under both.

#include "platform/qtview/desktop.h"
#include "platform/qtview/gallery_program.h"
#include "platform/qtview/mirror_backend.h"
#include "platform/qtview/qt_backend.h"
#include "platform/qtview/window_view.h"
#include "platform/testing/player.h"
#include "platform/testing/sample_program.h"
#include "platform/window/procedure.h"

#include <QApplication>
#include <QDir>
#include <QMetaObject>
#include <QPixmap>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iostream>
#include <streambuf>
#include <thread>

namespace {

using namespace zorozo;

// Hands the player one script line at a time. A snap line is acted on when the
// player asks for it (every earlier line has been played and settled) and
// reaches the player as a comment.
class ScriptFeed : public std::streambuf {
public:
    ScriptFeed(std::istream& in, std::function<void(const std::string&, const std::string&)> snap)
        : in_(in), snap_(std::move(snap)) {}

protected:
    int_type underflow() override {
        std::string line;
        if (!std::getline(in_, line)) {
            return traits_type::eof();
        }
        const auto first = line.find_first_not_of(" \t");
        const std::string body = first == std::string::npos ? "" : line.substr(first);
        for (const char* verb : {"snap-frame ", "snap "}) {
            if (body.rfind(verb, 0) == 0) {
                std::string name = body.substr(std::string(verb).size());
                while (!name.empty() && (name.back() == '\r' || name.back() == ' ')) {
                    name.pop_back();
                }
                if (snap_) {
                    snap_(verb, name);
                }
                line = "# " + body;
                break;
            }
        }
        buffer_ = line + "\n";
        setg(buffer_.data(), buffer_.data(), buffer_.data() + buffer_.size());
        return traits_type::to_int_type(buffer_[0]);
    }

private:
    std::istream& in_;
    std::function<void(const std::string&, const std::string&)> snap_;
    std::string buffer_;
};

int usage() {
    std::cerr
        << "usage: zorozo-play-qt [--headless] [--program gallery|frame|sample] [--snaps DIR] "
           "SCRIPT\n";
    return testing::play_failed;
}

} // namespace

int main(int argc, char** argv) {
    bool headless = false;
    std::string program = "sample";
    std::string snaps;
    std::string script;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--headless") {
            headless = true;
        } else if (a == "--program" && i + 1 < argc) {
            program = argv[++i];
        } else if (a == "--snaps" && i + 1 < argc) {
            snaps = argv[++i];
        } else if (script.empty() && !a.empty() && a[0] != '-') {
            script = a;
        } else {
            return usage();
        }
    }
    if (script.empty() || (program != "gallery" && program != "sample" && program != "frame")) {
        return usage();
    }
    std::ifstream in(script);
    if (!in) {
        std::cout << "FAILED at line 0: cannot read " << script << '\n';
        return testing::play_failed;
    }
    testing::PlayOptions options;
    if (program == "frame") {
        options.program = qtview::gallery_frame_program;
        options.program_name = "MAIN";
    } else if (program == "gallery") {
        options.program = qtview::gallery_program;
        options.program_name = "GALERIJA";
    } else {
        options.program = testing::sample_program;
        options.program_name = "UZORAK";
    }
    if (headless) {
        ScriptFeed feed(in, nullptr);
        std::istream lines(&feed);
        return testing::play_stream(lines, options);
    }

    QApplication app(argc, argv);
    qtview::prepare_application();
    auto view = std::make_shared<qtview::QtBackend>();
    // The player installs its own backend; the first procedure puts the mirror
    // in front of it before the program opens anything.
    const auto first = options.program;
    options.program = [view, first] {
        window::set_backend(std::make_shared<qtview::MirrorBackend>(window::backend(), view));
        first();
    };
    if (!snaps.empty()) {
        QDir().mkpath(QString::fromStdString(snaps));
    }
    auto snap = [&](const std::string& verb, const std::string& name) {
        if (snaps.empty()) {
            return;
        }
        const QString file = QString::fromStdString(snaps + "/" + name + ".png");
        // The player's thread may wait for the GUI; the GUI never waits for it.
        QMetaObject::invokeMethod(
            &view->desktop(),
            [&view, verb, file] {
                auto& desktop = view->desktop();
                desktop.refresh_all();
                QApplication::processEvents();
                QWidget* target = nullptr;
                if (verb == "snap-frame " && desktop.frame()) {
                    target = desktop.frame();
                } else if (auto* v = desktop.newest_view()) {
                    target = desktop.host(v->state().id);
                }
                if (target && !target->grab().save(file)) {
                    std::fprintf(stderr, "cannot save %s\n", qPrintable(file));
                }
            },
            Qt::BlockingQueuedConnection);
    };
    int code = testing::play_failed;
    std::thread player([&] {
        ScriptFeed feed(in, snap);
        std::istream lines(&feed);
        code = testing::play_stream(lines, options);
        QMetaObject::invokeMethod(
            &app, [] { QApplication::quit(); }, Qt::QueuedConnection);
    });
    QApplication::exec();
    player.join();
    window::set_backend(nullptr);
    view.reset();
    return code;
}
