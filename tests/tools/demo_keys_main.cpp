// Prints the keys that win a recorded demo's deal, for driving the desktop
// program with xdotool: the game number on the first line ("number 5"),
// then one key name a line.
//
//   demo_keys GAMES.DAT Demos/G0001.GAM
#include <iostream>

#include "common/file_io.h"
#include "demo_keys.h"

int main(int argc, char** argv) {
    using namespace dravicor;
    if (argc != 3) {
        std::cerr << "usage: demo_keys CATALOGUE DEMO_FILE\n";
        return 2;
    }
    const auto bytes = ReadWholeFile(argv[2]);
    if (!bytes) {
        std::cerr << argv[2] << ": cannot be read\n";
        return 1;
    }
    std::string error;
    const auto demo = ParseSavedGame(*bytes, error);
    if (!demo) {
        std::cerr << argv[2] << ": " << error << '\n';
        return 1;
    }
    const DemoByKeys played = WinDemoByKeys(argv[1], *demo);
    if (!played.won) {
        std::cerr << argv[2] << ": " << (played.error.empty() ? "the keys did not win the game" : played.error) << '\n';
        return 1;
    }
    if (played.shownDealDiffers) {
        std::cerr << argv[2] << ": autoplay acts on this deal as soon as it is shown, so the program would not follow the demo\n";
        return 1;
    }
    std::cout << "number " << played.gameNumber << '\n';
    for (const KeyCommand key : played.keys) std::cout << XdotoolKeyName(key) << '\n';
    return 0;
}
