#pragma once

#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QWidget>

#include "shell/program.h"
#include "support/fake_platform.h"
#include "support/temp_dir.h"
#include "ui/resource_library.h"

namespace dravicor::test {

// The library and pictures the build drew.
inline const std::filesystem::path kBuiltProgramDir = DRAVICOR_BUILT_PROGRAM_DIR;

// A started program over a scratch folder with the built catalogue; its
// messages and questions go to the fake platform.
struct ScratchProgram {
    // The DATA folder is there before start-up, so a test may write
    // preferences for start-up to read.
    ScratchProgram() { std::filesystem::create_directories(dir / "DATA"); }
    bool start() { return program.initialise(); }

    ScratchProgramDir dir;
    FakePlatform fake;
    Platform platform = fake.platform();
    Program program{dir.path(), platform};
};

// Runs `step` once the modal dialog is on the screen (again): its exec()
// has started its event loop by then. A dialog the step leaves open is
// cancelled, so a failed check never leaves the test waiting.
inline void WhenShown(QDialog& dialog, std::function<void()> step, int tries = 300) {
    QTimer::singleShot(tries == 300 ? 0 : 10, &dialog, [&dialog, step, tries] {
        if (dialog.isVisible()) {
            step();
            if (dialog.isVisible()) dialog.reject();
        } else if (tries > 0) {
            WhenShown(dialog, step, tries - 1);
        } else {
            ADD_FAILURE() << "the dialog was not shown";
        }
    });
}

// Once the window of that name is on the screen, lets `look` see it and
// closes it.
inline void CloseWhenShown(const QString& objectName, std::function<void(QWidget&)> look, int tries = 300) {
    QTimer::singleShot(tries == 300 ? 0 : 10, qApp, [objectName, look, tries] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() == objectName && window->isVisible()) {
                look(*window);
                window->close();
                return;
            }
        }
        if (tries > 0) {
            CloseWhenShown(objectName, look, tries - 1);
        } else {
            ADD_FAILURE() << objectName.toStdString() << " was not shown";
        }
    });
}

}  // namespace dravicor::test
