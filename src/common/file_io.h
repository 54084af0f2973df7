#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace dravicor {

// The whole content of a file as bytes, or nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);

// The steps of an atomic rewrite, in order; None when all succeeded.
enum class WriteStep { None, Create, Write, Flush, Rename };

// Makes one step of the rewrite fail, for tests of what a failure leaves.
struct WriteFaults {
    WriteStep failAt = WriteStep::None;
};

// Replaces the file's content so that at every instant the file holds either
// its complete old content or the complete new one: the bytes go to a
// temporary file in the same folder, are flushed to disk, and the temporary
// file is renamed over the target. Returns the step that failed (the target
// is then as it was and no temporary file is left), or None.
WriteStep ReplaceFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                                const WriteFaults* faults = nullptr);
inline bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    return ReplaceFileAtomically(path, bytes) == WriteStep::None;
}

}  // namespace dravicor
