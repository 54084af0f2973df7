#pragma once

#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "built_files.h"
#include "common/profile_file.h"
#include "shell/preferences.h"
#include "shell/program.h"
#include "support/fake_platform.h"
#include "support/temp_dir.h"
#include "ui/resource_library.h"

namespace dravicor::test {

// A started program over a scratch folder with the built catalogue; its
// messages and questions go to the fake platform.
struct ScratchProgram {
    // The DATA folder is there before start-up, so a test may write
    // preferences for start-up to read.
    ScratchProgram() { std::filesystem::create_directories(dir / "DATA"); }
    bool start() { return program.initialise(); }

    // A preference as DATA/CFG.DAT holds it ("<none>" when it is not there),
    // and writing one for the program to read.
    std::string preference(std::string_view key) const {
        return ProfileFile(dir / "DATA/CFG.DAT").ReadString(kPreferenceSection, key, "<none>");
    }
    void setPreference(std::string_view key, std::string_view value) const {
        ProfileFile(dir / "DATA/CFG.DAT").WriteString(kPreferenceSection, key, value);
    }

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

// The window's child of that name; a test that looks for one it lacks fails.
template <class T>
T& ChildOf(const QWidget& window, const char* name) {
    T* found = window.findChild<T*>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return *found;
}

// The first window of that kind on the screen, if any.
template <class Window>
Window* VisibleWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<Window*>(widget); window != nullptr && window->isVisible()) return window;
    }
    return nullptr;
}

// Runs the action on the next dialog of that kind once it is on the screen;
// the action plays the user and must end the dialog. So that a failing test
// cannot hang, a dialog the action left open is closed after five seconds.
template <class Dialog>
void WhenDialogShows(std::function<void(Dialog&)> action) {
    auto* poll = new QTimer;
    poll->setInterval(10);
    auto polls = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, [poll, polls, action = std::move(action)] {
        Dialog* dialog = VisibleWindow<Dialog>();
        if (dialog == nullptr) {
            if (++*polls < 500) return;
            ADD_FAILURE() << "no " << Dialog::staticMetaObject.className() << " was shown";
        } else {
            action(*dialog);
            QTimer::singleShot(5000, [left = QPointer<Dialog>(dialog)] {
                if (left.isNull() || !left->isVisible()) return;
                ADD_FAILURE() << "the " << Dialog::staticMetaObject.className() << " was left open";
                static_cast<QDialog*>(left.data())->done(0);
            });
        }
        poll->deleteLater();
    });
    poll->start();
}

}  // namespace dravicor::test
