#pragma once

#include <string>
#include <string_view>

#include <QString>

namespace dravicor {

// The core's texts are UTF-8 bytes.
inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string ToStdString(const QString& text) { return text.toUtf8().toStdString(); }

}  // namespace dravicor
