// The open-file dialog and the printer setup are shown without blocking the
// GUI and answer the procedure that asked.

#include "platform/window/dialogs.h"
#include "platform/window/procedure.h"
#include "qt_fixture.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <optional>

namespace zorozo::qtview::testing {
namespace {

using namespace zorozo::window;

template <class D> D* shown_dialog() {
    for (auto* w : QApplication::topLevelWidgets()) {
        if (auto* d = qobject_cast<D*>(w); d && d->isVisible()) {
            return d;
        }
    }
    return nullptr;
}

class FileDialogTest : public QtFixture {
protected:
    void SetUp() override {
        QtFixture::SetUp();
        folder_ = std::filesystem::temp_directory_path() /
                  ("zorozo-file-dialog-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_);
        std::ofstream(folder_ / "zadaci.lst") << "x\n";
    }
    void TearDown() override {
        QtFixture::TearDown();
        std::filesystem::remove_all(folder_);
    }

    // Starts a procedure that asks for a file; the answer lands in chosen_.
    void ask_for_file() {
        window::start(
            [this] {
                auto answer = open_file({.title = "Odaberite listu zadataka",
                                         .filter = "All Files|*.lst",
                                         .folder = folder_.string()});
                std::lock_guard lock(mutex_);
                chosen_ = answer;
                answered_ = true;
            },
            "UVOZ");
    }
    bool answered() {
        std::lock_guard lock(mutex_);
        return answered_;
    }

    std::filesystem::path folder_;
    std::mutex mutex_;
    bool answered_ = false;
    std::optional<std::string> chosen_;
};

TEST_F(FileDialogTest, AChosenFileReachesTheProcedureAndTheFolderStays) {
    const auto before = std::filesystem::current_path();
    ask_for_file();
    QFileDialog* dialog = nullptr;
    ASSERT_TRUE(pump_until([&] { return (dialog = shown_dialog<QFileDialog>()) != nullptr; }));
    EXPECT_EQ(dialog->windowModality(), Qt::NonModal);
    EXPECT_EQ(dialog->windowTitle(), "Odaberite listu zadataka");
    EXPECT_TRUE(dialog->nameFilters().join(";").contains("*.lst"));
    EXPECT_FALSE(answered()); // the procedure waits while the GUI goes on
    const QString file = QString::fromStdString((folder_ / "zadaci.lst").string());
    // As a person does: the file's name typed into the dialog's name field.
    auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
    ASSERT_NE(name, nullptr);
    name->setText("zadaci.lst");
    ASSERT_TRUE(pump_until([&] { return dialog->selectedFiles() == QStringList{file}; }))
        << dialog->selectedFiles().join(",").toStdString();
    static_cast<QDialog*>(dialog)->accept(); // QFileDialog keeps its accept() protected
    ASSERT_TRUE(pump_until([&] { return answered(); }));
    std::lock_guard lock(mutex_);
    ASSERT_TRUE(chosen_.has_value());
    EXPECT_EQ(std::filesystem::path(*chosen_), folder_ / "zadaci.lst");
    EXPECT_EQ(std::filesystem::current_path(), before);
}

TEST_F(FileDialogTest, CancellingGivesNoFile) {
    ask_for_file();
    QFileDialog* dialog = nullptr;
    ASSERT_TRUE(pump_until([&] { return (dialog = shown_dialog<QFileDialog>()) != nullptr; }));
    dialog->reject();
    ASSERT_TRUE(pump_until([&] { return answered(); }));
    std::lock_guard lock(mutex_);
    EXPECT_FALSE(chosen_.has_value());
}

TEST_F(FileDialogTest, PrinterSetupAnswersWhetherItWasConfirmed) {
    for (bool confirm : {true, false}) {
        SCOPED_TRACE(confirm ? "confirmed" : "cancelled");
        std::atomic<int> result = -1;
        window::start([&] { result = printer_setup() ? 1 : 0; }, "ISPIS");
        QPageSetupDialog* dialog = nullptr;
        ASSERT_TRUE(
            pump_until([&] { return (dialog = shown_dialog<QPageSetupDialog>()) != nullptr; }));
        EXPECT_EQ(result, -1);
        confirm ? dialog->accept() : dialog->reject();
        ASSERT_TRUE(pump_until([&] { return result.load() != -1; }));
        EXPECT_EQ(result, confirm ? 1 : 0);
    }
}

} // namespace
} // namespace zorozo::qtview::testing
