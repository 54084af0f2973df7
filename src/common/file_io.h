#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace dravicor {

// The whole content of a file as bytes, or nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);

// Replaces the file's content so that at every instant the file holds either
// its complete old content or the complete new one: the bytes go to a
// temporary file in the same folder, are flushed to disk, and the temporary
// file is renamed over the target. Returns false (and leaves the target as
// it was) when any step fails.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace dravicor
