#include "ui/sound_folder.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <system_error>

namespace dravicor {

namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

}  // namespace

std::optional<std::filesystem::path> SoundFolder::find(std::string_view name) const {
    if (name.empty() || name.find('/') != std::string_view::npos) return std::nullopt;
    std::string fileName(name);
    if (fileName.find('.') == std::string::npos) fileName += ".wav";

    std::error_code error;
    const std::filesystem::path exact = folder_ / fileName;
    if (std::filesystem::is_regular_file(exact, error)) return exact;

    for (std::filesystem::directory_iterator it(folder_, error), end; !error && it != end; it.increment(error)) {
        if (SameIgnoringCase(it->path().filename().string(), fileName) && it->is_regular_file(error))
            return it->path();
    }
    return std::nullopt;
}

}  // namespace dravicor
