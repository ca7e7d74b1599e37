#include "platform/qtview/qt_player.h"

#include "platform/qtview/desktop.h"
#include "platform/qtview/mirror_backend.h"
#include "platform/qtview/qt_backend.h"
#include "platform/qtview/window_view.h"
#include "platform/window/procedure.h"

#include <QApplication>
#include <QDir>
#include <QMetaObject>
#include <QPixmap>
#include <cstdio>
#include <fstream>
#include <thread>

namespace zorozo::qtview {

int play_drawn(int& argc, char** argv, std::istream& script, testing::PlayOptions options,
               const std::string& snaps_dir) {
    QApplication app(argc, argv);
    prepare_application();
    auto view = std::make_shared<QtBackend>();
    // The player installs its own backend; the first procedure puts the mirror
    // in front of it before the program opens anything.
    const auto first = options.program;
    options.program = [view, first] {
        window::set_backend(std::make_shared<MirrorBackend>(window::backend(), view));
        first();
    };
    if (!snaps_dir.empty()) {
        QDir().mkpath(QString::fromStdString(snaps_dir));
    }
    options.snap = [&view, snaps_dir](bool whole_frame, const std::string& name) {
        if (snaps_dir.empty()) {
            return;
        }
        const QString file = QString::fromStdString(snaps_dir + "/" + name + ".png");
        // The player's thread waits for the GUI; the GUI never waits for it.
        QMetaObject::invokeMethod(
            &view->desktop(),
            [&view, whole_frame, file] {
                auto& desktop = view->desktop();
                desktop.refresh_all();
                QApplication::processEvents();
                QWidget* target = nullptr;
                if (whole_frame && desktop.frame()) {
                    target = desktop.frame();
                } else if (auto* v = desktop.newest_view()) {
                    target = desktop.host(v->state().id);
                }
                if (target == nullptr || !target->grab().save(file)) {
                    std::fprintf(stderr, "cannot save %s\n", qPrintable(file));
                }
            },
            Qt::BlockingQueuedConnection);
    };
    int code = testing::play_failed;
    std::thread player([&] {
        code = testing::play_stream(script, options);
        QMetaObject::invokeMethod(
            &app, [] { QApplication::quit(); }, Qt::QueuedConnection);
    });
    QApplication::exec();
    player.join();
    window::set_backend(nullptr);
    view.reset();
    return code;
}

PlayerOptions take_player_options(const std::vector<std::string>& args) {
    PlayerOptions out;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--headless") {
            out.headless = true;
        } else if (args[i] == "--snaps" && i + 1 < args.size()) {
            out.snaps = args[++i];
        } else {
            out.rest.push_back(args[i]);
        }
    }
    return out;
}

int play_file(int& argc, char** argv, const std::string& script, const PlayerOptions& player,
              testing::PlayOptions options) {
    std::ifstream in(script);
    if (!in) {
        std::printf("FAILED at line 0: cannot read %s\n", script.c_str());
        return testing::play_failed;
    }
    if (player.headless) {
        return testing::play_stream(in, options);
    }
    return play_drawn(argc, argv, in, options, player.snaps);
}

} // namespace zorozo::qtview
