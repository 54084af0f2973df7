#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace dravicor::test {

// A fresh folder under the system's temporary folder, removed with the object.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

// A scratch program directory: a fresh folder holding the built game catalogue.
class ScratchProgramDir : public TempDir {
public:
    ScratchProgramDir();
};

// Writes bytes to a file, creating its folder; the bytes go in unchanged.
void WriteFile(const std::filesystem::path& path, const std::string& bytes);
// Copies the game catalogue of the build into a program directory.
void InstallBuiltCatalogue(const std::filesystem::path& programDir);
// The path of the game catalogue of the build.
std::filesystem::path BuiltCatalogue();
// The names of a folder's entries, sorted.
std::vector<std::string> FolderEntries(const std::filesystem::path& folder);
// The file's bytes, or "<missing>" when it cannot be read.
std::string ReadFile(const std::filesystem::path& path);

}  // namespace dravicor::test
