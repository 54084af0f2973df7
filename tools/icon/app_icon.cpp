#include "app_icon.h"

#include <cstdio>

#include <QPainter>
#include <QSvgRenderer>

namespace dravicor {

namespace {

constexpr double kCardWidth = 80;
constexpr double kCardHeight = 112;
// The fan turns about a point below the cards' middle.
constexpr double kPivotX = 128;
constexpr double kPivotY = 290;

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

// A point of a suit shape of the given size, about the shape's centre.
std::string At(double x, double y, double size) { return Number(x * size) + "," + Number(y * size); }

std::string HeartPath(double s) {
    return "M" + At(0, 0.45, s) + " C" + At(-0.9, -0.15, s) + " " + At(-0.45, -0.75, s) + " " + At(0, -0.25, s) +
           " C" + At(0.45, -0.75, s) + " " + At(0.9, -0.15, s) + " " + At(0, 0.45, s) + " Z";
}

std::string SpadePath(double s) {
    return "M" + At(0, -0.5, s) + " C" + At(-0.9, 0.1, s) + " " + At(-0.45, 0.7, s) + " " + At(0, 0.2, s) + " C" +
           At(0.45, 0.7, s) + " " + At(0.9, 0.1, s) + " " + At(0, -0.5, s) + " Z M" + At(0, 0.1, s) + " L" +
           At(0.2, 0.6, s) + " L" + At(-0.2, 0.6, s) + " Z";
}

std::string DiamondPath(double s) {
    return "M" + At(0, -0.55, s) + " L" + At(0.4, 0, s) + " L" + At(0, 0.55, s) + " L" + At(-0.4, 0, s) + " Z";
}

// One card of the fan, turned by the angle, with its suit in the middle and
// small in two corners.
std::string Card(double angle, const std::string& suit, const char* colour) {
    const double left = kPivotX - kCardWidth / 2, top = 62;
    std::string card = "  <g transform=\"rotate(" + Number(angle) + " " + Number(kPivotX) + " " + Number(kPivotY) +
                       ")\">\n";
    card += "    <rect x=\"" + Number(left) + "\" y=\"" + Number(top) + "\" width=\"" + Number(kCardWidth) +
            "\" height=\"" + Number(kCardHeight) +
            "\" rx=\"10\" fill=\"#fbfbf6\" stroke=\"#2f3a30\" stroke-width=\"3\"/>\n";
    const auto placed = [&](double x, double y, double scale) {
        return "    <path transform=\"translate(" + Number(x) + " " + Number(y) + ") scale(" + Number(scale) +
               ")\" fill=\"" + colour + "\" d=\"" + suit + "\"/>\n";
    };
    card += placed(kPivotX, top + kCardHeight / 2, 1.0);
    card += placed(left + 14, top + 18, 0.34);
    card += placed(left + kCardWidth - 14, top + kCardHeight - 18, 0.34);
    return card + "  </g>\n";
}

}  // namespace

std::string AppIconSvg() {
    const std::string side = std::to_string(kAppIconViewBox);
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + side + "\" height=\"" + side + "\" viewBox=\"0 0 " +
           side + " " + side + "\">\n";
    svg += "  <defs>\n    <radialGradient id=\"felt\" cx=\"50%\" cy=\"40%\" r=\"70%\">\n"
           "      <stop offset=\"0\" stop-color=\"#23964a\"/>\n"
           "      <stop offset=\"1\" stop-color=\"#0c4a1f\"/>\n"
           "    </radialGradient>\n  </defs>\n";
    svg += "  <rect x=\"8\" y=\"8\" width=\"240\" height=\"240\" rx=\"44\" fill=\"url(#felt)\" stroke=\"#083616\" "
           "stroke-width=\"4\"/>\n";
    const double size = 46;
    svg += Card(-24, SpadePath(size), "#1b1b1b");
    svg += Card(0, DiamondPath(size), "#c8102e");
    svg += Card(24, HeartPath(size), "#c8102e");
    return svg + "</svg>\n";
}

QImage RenderAppIcon(const std::string& svg, int side) {
    QSvgRenderer renderer(QByteArray::fromStdString(svg));
    if (!renderer.isValid()) return {};
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, side, side));
    return image;
}

}  // namespace dravicor
