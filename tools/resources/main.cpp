// dravicor-resources: draws the pictures of the resource library and
// synthesizes the sounds.
//
//   dravicor-resources --catalogue GAMES.DAT --pictures DIR --sounds DIR
//
// The pictures go to DIR as PNG files with the collection file kvr.qrc, which
// the build packs into KVR.RGF with rcc; the sounds go straight to the
// program's SOUNDS folder.
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>

#include <QGuiApplication>

#include "card_markers.h"
#include "cursors.h"
#include "dialog_pictures.h"
#include "game_previews.h"
#include "library_writer.h"
#include "sound_set.h"
#include "table_pictures.h"
#include "toolbar_pictures.h"
#include "tree_icons.h"

namespace {

struct Options {
    std::filesystem::path catalogue;
    std::filesystem::path pictures;
    std::filesystem::path sounds;
};

bool Parse(int argc, char** argv, Options& options) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string_view key = argv[i];
        if (key == "--catalogue")
            options.catalogue = argv[i + 1];
        else if (key == "--pictures")
            options.pictures = argv[i + 1];
        else if (key == "--sounds")
            options.sounds = argv[i + 1];
        else
            return false;
    }
    return argc % 2 == 1 && !options.catalogue.empty() && !options.pictures.empty() && !options.sounds.empty();
}

}  // namespace

int main(int argc, char** argv) {
    using namespace dravicor::resources;
    Options options;
    if (!Parse(argc, argv, options)) {
        std::cerr << "usage: dravicor-resources --catalogue GAMES.DAT --pictures DIR --sounds DIR\n";
        return 2;
    }
    // Drawing needs no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const auto start = std::chrono::steady_clock::now();

    PictureSet pictures;
    AddCardMarkers(pictures);
    AddCursors(pictures);
    AddToolbarPictures(pictures);
    AddTreeIcons(pictures);
    AddDialogPictures(pictures);
    AddTablePictures(pictures);
    std::vector<std::string> problems;
    AddGamePreviews(pictures, options.catalogue, problems);
    for (const std::string& problem : problems) std::cerr << "dravicor-resources: no preview: " << problem << '\n';

    bool failed = false;
    for (const std::string& name : WriteLibrarySources(options.pictures, pictures)) {
        std::cerr << "dravicor-resources: cannot write " << name << '\n';
        failed = true;
    }
    const std::vector<SoundFile> sounds = MakeSounds();
    for (const std::string& name : WriteSounds(options.sounds, sounds)) {
        std::cerr << "dravicor-resources: cannot write sound " << name << '\n';
        failed = true;
    }

    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    std::cout << "dravicor-resources: " << pictures.size() << " pictures, " << sounds.size() << " sounds in "
              << elapsed.count() << " ms\n";
    return failed || !problems.empty() ? 1 : 0;
}
