#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>

#include "support/temp_dir.h"
#include "ui/qt_platform.h"
#include "dialog_test_support.h"

namespace dravicor::test {
namespace {

std::optional<Qt::CursorShape> OverrideShape() {
    const QCursor* cursor = QApplication::overrideCursor();
    if (cursor == nullptr) return std::nullopt;
    return cursor->shape();
}

TEST(QtPlatformCursor, BusyCursorNestsAndEndsWithThePlatform) {
    {
        QtPlatform platform;
        platform.beginBusy();
        EXPECT_EQ(OverrideShape(), Qt::WaitCursor);
        platform.beginBusy();
        platform.endBusy();
        EXPECT_EQ(OverrideShape(), Qt::WaitCursor);  // the outer operation is still running
        platform.endBusy();
        EXPECT_EQ(OverrideShape(), std::nullopt);
        platform.beginBusy();
        platform.beginBusy();
    }
    EXPECT_EQ(OverrideShape(), std::nullopt);
    // An unmatched end leaves other overrides alone.
    QtPlatform platform;
    QApplication::setOverrideCursor(Qt::PointingHandCursor);
    platform.endBusy();
    EXPECT_EQ(OverrideShape(), Qt::PointingHandCursor);
    QApplication::restoreOverrideCursor();
}

// What the next file dialog showed; the action then plays the user.
struct DialogSeen {
    QString title;
    QStringList filters;
    QString directory;
};

void WhenFileDialogShows(DialogSeen& seen, std::function<void(QFileDialog&)> action) {
    WhenDialogShows<QFileDialog>([&seen, action = std::move(action)](QFileDialog& dialog) {
        seen = {dialog.windowTitle(), dialog.nameFilters(), dialog.directory().absolutePath()};
        action(dialog);
    });
}

TEST(QtPlatformFiles, OpenDialogShowsTitleFolderAndFilterAndReturnsTheChoice) {
    TempDir dir;
    WriteFile(dir / "saved.gam", "game");
    const QString folder = QString::fromStdString(dir.path().string());
    QtPlatform platform;
    DialogSeen seen;
    WhenFileDialogShows(seen, [&](QFileDialog& dialog) {
        // Typed as a user would: selectFile leaves a focused name box alone.
        auto* nameBox = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (nameBox == nullptr) {
            ADD_FAILURE() << "the dialog has no file name box";
            dialog.reject();
            return;
        }
        nameBox->setText(QStringLiteral("saved.gam"));
        static_cast<QDialog&>(dialog).accept();  // QFileDialog hides its override
    });
    const auto chosen = platform.chooseFileToOpen("Open a game", dir.path().string(), "Game|*.gam");
    EXPECT_EQ(seen.title, QStringLiteral("Open a game"));
    EXPECT_EQ(seen.filters, QStringList{QStringLiteral("Game (*.gam)")});
    EXPECT_EQ(seen.directory, folder);
    EXPECT_EQ(chosen, (dir / "saved.gam").string());
}

TEST(QtPlatformFiles, CancelledSaveDialogReturnsNothing) {
    TempDir dir;
    QtPlatform platform;
    DialogSeen seen;
    WhenFileDialogShows(seen, [](QFileDialog& dialog) { dialog.reject(); });
    EXPECT_EQ(platform.chooseFileToSave("Save the game", dir.path().string(), "Game|*.gam"), std::nullopt);
    EXPECT_EQ(seen.title, QStringLiteral("Save the game"));
    EXPECT_EQ(seen.filters, QStringList{QStringLiteral("Game (*.gam)")});
}

}  // namespace
}  // namespace dravicor::test
