#include "support/temp_dir.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace dravicor::test {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "dravicor-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path());
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file) throw std::runtime_error("cannot write " + path.string());
}

std::filesystem::path BuiltCatalogue() { return DRAVICOR_BUILT_GAMES_DAT; }

void InstallBuiltCatalogue(const std::filesystem::path& programDir) {
    std::filesystem::create_directories(programDir);
    std::filesystem::copy_file(BuiltCatalogue(), programDir / "GAMES.DAT",
                               std::filesystem::copy_options::overwrite_existing);
}

ScratchProgramDir::ScratchProgramDir() { InstallBuiltCatalogue(path()); }

std::vector<std::string> FolderEntries(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return "<missing>";
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

}  // namespace dravicor::test
