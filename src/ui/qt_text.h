#pragma once

#include <string>
#include <string_view>

#include <QString>

namespace dravicor {

// The core keeps text as UTF-8 bytes; widgets take QString.
inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string ToUtf8(const QString& text) { return text.toUtf8().toStdString(); }

}  // namespace dravicor
