// Draws the application icon into a hicolor icon theme folder:
// scalable/apps/dravicor.svg and NxN/apps/dravicor.png for each size.
//
//   dravicor-icon --output FOLDER SIZE...
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include <QGuiApplication>

#include "app_icon.h"

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    std::filesystem::path output;
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--output" && i + 1 < argc) {
            output = argv[++i];
        } else if (const int size = std::atoi(argument.c_str()); size > 0) {
            sizes.push_back(size);
        } else {
            output.clear();
            break;
        }
    }
    if (output.empty() || sizes.empty()) {
        std::cerr << "usage: dravicor-icon --output FOLDER SIZE...\n";
        return 2;
    }
    const std::string svg = dravicor::AppIconSvg();
    const std::filesystem::path scalable = output / "scalable" / "apps";
    std::filesystem::create_directories(scalable);
    std::ofstream(scalable / "dravicor.svg", std::ios::binary) << svg;
    for (const int size : sizes) {
        const std::string folder = std::to_string(size) + "x" + std::to_string(size);
        const std::filesystem::path apps = output / folder / "apps";
        std::filesystem::create_directories(apps);
        const QImage icon = dravicor::RenderAppIcon(svg, size);
        if (icon.isNull() || !icon.save(QString::fromStdString((apps / "dravicor.png").string()), "PNG")) {
            std::cerr << "dravicor-icon: cannot draw the " << folder << " icon\n";
            return 1;
        }
    }
    return 0;
}
