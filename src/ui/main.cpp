#include <iostream>
#include <memory>
#include <optional>

#include <QApplication>
#include <QSplashScreen>

#include "common/profile_file.h"
#include "engine/sounds.h"
#include "shell/preferences.h"
#include "shell/program.h"
#include "ui/command_line.h"
#include "ui/image_folder.h"
#include "ui/main_window.h"
#include "ui/table_setup.h"
#include "ui/qt_platform.h"
#include "ui/resource_library.h"
#include "ui/splash_picture.h"
#include "ui/table_appearance.h"
#include "ui/startup_clock.h"
#include "ui/table_widget.h"
#include "ui/termination_signals.h"

namespace {

using namespace dravicor;

// The splash sound is wanted before the preferences are read into the
// settings record, so its two switches come from the file itself.
void PlaySplashSound(QtPlatform& platform, const Program& program) {
    const ProfileFile config = ConfigFile(program.settings());
    if (config.ReadString(kPreferenceSection, "Sounds_Enabled", "Y") != "Y" ||
        config.ReadString(kPreferenceSection, "Sounds_Splash", "Y") != "Y") {
        return;
    }
    platform.play(Sound::Splash, SoundMode::Async);
}

// Prints the start-up time, phase by phase, once the first deal has been painted, then ends
// the program without recording that deal.
void ReportStartupTime(StartupClock& clock, TfrmMain& window, const Program& program) {
    auto reported = std::make_shared<bool>(false);
    QObject::connect(&window.table(), &TableWidget::tablePainted, &window, [&clock, &program, reported] {
        if (*reported || !program.game().inProgress) return;
        *reported = true;
        clock.mark("first-paint");
        std::cout << clock.report() << std::flush;
        QApplication::exit(0);
    });
    QObject::connect(&window, &TfrmMain::firstActivationDone, &window, [&program, reported] {
        if (*reported || program.game().inProgress) return;
        *reported = true;
        std::cerr << "dravicor: no game was dealt at start-up\n";
        QApplication::exit(1);
    });
}

}  // namespace

int main(int argc, char** argv) {
    // First of all: the fallback for when the process's start is unknown.
    StartupClock startupClock;

    // Built next: it takes Qt's own options (-platform, -display ...) out of argv.
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dravicor"));
    // The desktop entry the installation puts in share/applications.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.dravicor.Dravicor"));
    startupClock.mark("qt");

    const auto commandLine = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!commandLine) {
        std::cerr << kDesktopUsage;
        return 2;
    }

    QtPlatform qtPlatform;
    Platform platform = qtPlatform.platform();
    std::optional<BusyScope> busy(std::in_place, qtPlatform);
    std::unique_ptr<Program> program;
    try {
        program = std::make_unique<Program>(DecideProgramFolders(MachineFolderFacts(commandLine->programDir)), platform);
    } catch (const StartupError& error) {
        busy.reset();
        qtPlatform.showMessage(error.what(), "Dravicor", MessageIcon::Error);
        return 1;
    }

    auto splash = std::make_unique<QSplashScreen>(DrawSplashPicture());
    splash->setObjectName(QStringLiteral("frmSplash"));
    splash->show();
    QApplication::processEvents();  // painted before the slow part begins
    qtPlatform.setSoundFolder(program->programDir() / "SOUNDS");
    PlaySplashSound(qtPlatform, *program);
    startupClock.mark("splash");

    // A start-up failure ends the program: the splash goes, the message stays.
    auto fail = [&](std::string_view message) {
        splash.reset();
        busy.reset();
        if (!message.empty()) qtPlatform.showMessage(message, "Dravicor", MessageIcon::Error);
    };

    // The pictures and cursors of the windows: without them the program
    // cannot show itself, so it says so and ends.
    const auto library = ResourceLibrary::Open(program->programDir());
    if (!library) {
        fail(ResourceLibrary::LoadFailureMessage(program->programDir()));
        return 1;
    }
    startupClock.mark("resource-library");
    // Without its game catalogue the program has nothing to offer; the
    // message has been shown.
    if (!program->initialise()) {
        fail({});
        return 0;
    }
    startupClock.mark("catalogue");

    // The card pictures of the chosen size, face set and back; without them
    // the table cannot be drawn and the program ends (the message was shown).
    const ImageFolder images(program->programDir());
    if (!CheckImageFile(images.PathOf("CB001C"), platform.messages)) {
        fail({});
        return 1;
    }
    const auto appearance = TableAppearance::Load(program->settings(), images, *library, platform.messages,
                                                  platform.screen.info().colourDepth);
    if (!appearance) {
        fail({});
        return 1;
    }
    startupClock.mark("pictures");

    TfrmMain window(*program, *library);
    window.table().showGame(program->engine(), *appearance);
    if (commandLine->gameNumber) window.setFirstDealNumber(*commandLine->gameNumber);
    PrepareTable(window.table(), *library, program->settings());
    // A termination request closes the window as the close box would.
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &window, &TfrmMain::closeWithoutAsking);
    if (commandLine->startupTime) {
        // Measured to the first painted deal: the dialog would wait for a person.
        window.dealLastGameAtStart();
        ReportStartupTime(startupClock, window, *program);
    }

    startupClock.mark("main-window");
    splash.reset();
    busy.reset();
    window.show();
    // The window's first activation deals the last game played.
    window.activateWindow();
    return QApplication::exec();
}
