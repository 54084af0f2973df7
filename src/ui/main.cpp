#include <iostream>
#include <memory>

#include <QApplication>
#include <QTimer>

#include "shell/preferences.h"
#include "shell/program.h"
#include "ui/card_images.h"
#include "ui/command_line.h"
#include "ui/image_folder.h"
#include "ui/main_window.h"
#include "ui/table_setup.h"
#include "ui/table_widget.h"
#include "ui/qt_platform.h"
#include "ui/resource_library.h"
#include "ui/termination_signals.h"

int main(int argc, char** argv) {
    using namespace dravicor;

    // Built first: it takes Qt's own options (-platform, -display ...) out of argv.
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dravicor"));

    const auto commandLine = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!commandLine) {
        std::cerr << kDesktopUsage;
        return 2;
    }

    QtPlatform qtPlatform;
    Platform platform = qtPlatform.platform();
    std::unique_ptr<Program> program;
    std::unique_ptr<ResourceLibrary> library;
    try {
        program = std::make_unique<Program>(commandLine->programDir.value_or(ExecutableDir()), platform);
        // The pictures and cursors of the windows: without them the program
        // cannot show itself, so it says so and ends.
        library = ResourceLibrary::Open(program->programDir());
        if (!library) {
            qtPlatform.showMessage(ResourceLibrary::LoadFailureMessage(program->programDir()), "Dravicor",
                                   MessageIcon::Error);
            return 1;
        }
        qtPlatform.setSoundFolder(program->programDir() / "SOUNDS");
        // Without its game catalogue the program has nothing to offer; the
        // message has been shown.
        if (!program->initialise()) return 0;
    } catch (const StartupError& error) {
        qtPlatform.showMessage(error.what(), "Dravicor", MessageIcon::Error);
        return 1;
    }

    // The card pictures of the chosen size, face set and back; without them
    // the table cannot be drawn and the program ends (the message was shown).
    const SettingsRecord& settings = program->settings();
    const ImageFolder images(program->programDir());
    if (!CheckImageFile(images.PathOf("CB001C"), platform.messages)) return 1;
    const CardImageChoice choice{settings.get(Field::CardSize).empty() ? 'B' : settings.get(Field::CardSize)[0],
                                 settings.get(Field::CardSet), settings.get(Field::CardBack)};
    const auto cards = LoadCardImages(choice, images, *library, platform.messages);
    if (!cards) return 1;

    TfrmMain window(*program);
    window.table().showGame(program->engine(), *cards);
    PrepareTable(window.table(), *library, program->settings());
    // A termination request closes the window as the close box would.
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &window, &TfrmMain::closeWithoutAsking);

    window.show();
    // The last game played is dealt afresh until the open-game dialog exists.
    program->engine().SetAutoplay(AutoplayPreference(program->settings()));
    window.refresh();
    // Dealt once the event loop runs: the deal's pause before autoplay then
    // keeps the window alive and a close request ends the program.
    QTimer::singleShot(0, &window, [&program, &window] {
        if (program->engine().game().gameCode != kNoGame) program->engine().StartGame(true, false, 2, false);
        window.refresh();
    });
    return QApplication::exec();
}
