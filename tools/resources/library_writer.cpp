#include "library_writer.h"

#include <fstream>
#include <system_error>

#include <QImageWriter>
#include <QString>

namespace dravicor::resources {

std::vector<std::string> WriteLibrarySources(const std::filesystem::path& folder, const PictureSet& pictures) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    std::vector<std::string> failed;
    std::string qrc = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    for (const NamedPicture& picture : pictures) {
        const std::string file = picture.name + ".png";
        QImage image = picture.image;
        if (picture.hotSpot) {
            image.setText(kHotSpotX, QString::number(picture.hotSpot->x()));
            image.setText(kHotSpotY, QString::number(picture.hotSpot->y()));
        }
        QImageWriter writer(QString::fromStdString((folder / file).string()), "png");
        if (!writer.write(image)) {
            failed.push_back(picture.name);
            continue;
        }
        qrc += "  <file alias=\"" + picture.name + "\">" + file + "</file>\n";
    }
    qrc += "</qresource>\n</RCC>\n";
    std::ofstream out(folder / "kvr.qrc", std::ios::trunc);
    out << qrc;
    if (!out) failed.push_back("kvr.qrc");
    return failed;
}

}  // namespace dravicor::resources
