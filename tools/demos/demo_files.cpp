#include "demo_files.h"

#include <algorithm>
#include <system_error>

#include "common/settings_record.h"
#include "common/text.h"

namespace dravicor {

namespace {
constexpr std::string_view kPrefix = "G";
constexpr std::string_view kSuffix = ".GAM";
constexpr size_t kCodeDigits = 4;
}  // namespace

std::string DemoFileName(int code) {
    return std::string(kPrefix) + FormatField(code, static_cast<int>(kCodeDigits)) + std::string(kSuffix);
}

bool IsDemoFileName(std::string_view name) {
    return name.size() == kPrefix.size() + kCodeDigits + kSuffix.size() && name.starts_with(kPrefix) &&
           name.ends_with(kSuffix) && IsDigits(name.substr(kPrefix.size(), kCodeDigits));
}

std::vector<std::string> RemoveStaleDemos(const std::filesystem::path& folder, const std::vector<std::string>& keep) {
    std::vector<std::string> removed;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        if (!IsDemoFileName(name) || std::find(keep.begin(), keep.end(), name) != keep.end()) continue;
        std::error_code removeError;
        if (std::filesystem::remove(entry.path(), removeError)) removed.push_back(name);
    }
    std::sort(removed.begin(), removed.end());
    return removed;
}

}  // namespace dravicor
