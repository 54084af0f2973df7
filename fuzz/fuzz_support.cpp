#include "fuzz_support.h"

#include "common/settings_record.h"
#include "common/text.h"
#include "rules/catalogue.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

namespace dravicor::fuzz {

void Fail(std::string_view what, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: property failed: %.*s\n", file, line, static_cast<int>(what.size()), what.data());
    std::fflush(stderr);
    std::abort();
}

namespace {

// The process's scratch folder; removed when the process ends normally.
class Scratch {
public:
    Scratch() {
        std::string pattern = (std::filesystem::temp_directory_path() / "dravicor-fuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    ~Scratch() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

const Scratch& TheScratch() {
    static const Scratch scratch;
    return scratch;
}

void Empty(const std::filesystem::path& folder, std::string_view keep = {}) {
    std::error_code ec;
    // Tests of read-only folders leave them so; take the rights back first.
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        if (!keep.empty() && entry.path().filename() == keep) continue;
        std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(entry.path(), ec);
    }
}

}  // namespace

const std::filesystem::path& ScratchDir() { return TheScratch().path(); }

std::filesystem::path BuiltCatalogue() { return DRAVICOR_FUZZ_GAMES_DAT; }

namespace {

// The built catalogue cut down to its first games: every start-up reads it
// whole, and the programs the targets start need only a few games.
std::string SmallCatalogue() {
    constexpr int kGames = 32;
    std::string small;
    enum class Section { None, List, Matrix, Selected } section = Section::None;
    for (const auto& line : SplitLines(ReadBytes(BuiltCatalogue()).value_or(""))) {
        std::string kept = line;
        if (!line.empty() && line.front() == '[') {
            section = line.starts_with(kGameListHeader)     ? Section::List
                      : line.starts_with(kRuleMatrixHeader) ? Section::Matrix
                      : line.starts_with(kSelectedGamesHeader) ? Section::Selected
                                                               : Section::None;
        } else if (section == Section::List) {
            const std::string plain = RestoreText(line);
            if (plain.size() < 7 || !IsDigits(plain.substr(4, 3)) || std::stoi(plain.substr(4, 3)) >= kGames) continue;
        } else if (section == Section::Matrix) {
            kept = line.substr(0, kMatrixValueColumn + kMatrixColumnWidth * kGames);
        } else if (section == Section::Selected) {
            const std::string plain(Trim(RestoreText(line)));
            if (!IsDigits(plain) || std::stoi(plain) >= kGames) continue;
        }
        small += kept + "\r\n";
    }
    return small;
}

}  // namespace

// It lives in the scratch folder's "catalogue" folder, which emptying the
// scratch folder keeps.
const std::filesystem::path& SmallCataloguePath() {
    static const std::filesystem::path path = [] {
        const std::filesystem::path file = ScratchDir() / "catalogue" / "GAMES.DAT";
        WriteBytes(file, SmallCatalogue());
        return file;
    }();
    return path;
}

const std::filesystem::path& FreshScratchDir() {
    SmallCataloguePath();
    Empty(ScratchDir(), "catalogue");
    return ScratchDir();
}

const std::filesystem::path& FreshProgramDir() {
    static const std::filesystem::path program = ScratchDir() / "program";
    FreshScratchDir();
    std::filesystem::create_directories(program);
    std::filesystem::copy_file(SmallCataloguePath(), program / "GAMES.DAT",
                               std::filesystem::copy_options::overwrite_existing);
    return program;
}

void WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
    if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path());
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file) throw std::runtime_error("cannot write " + path.string());
}

std::optional<std::string> ReadBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

std::map<std::string, std::string> FolderState(const std::filesystem::path& folder) {
    std::map<std::string, std::string> state;
    std::error_code ec;
    for (auto it = std::filesystem::recursive_directory_iterator(folder, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
        if (!it->is_regular_file(ec)) continue;
        state[std::filesystem::relative(it->path(), folder).string()] = ReadBytes(it->path()).value_or("<unreadable>");
    }
    return state;
}

std::uint8_t InputReader::byte() {
    if (rest_.empty()) return 0;
    const auto value = static_cast<std::uint8_t>(rest_.front());
    rest_.remove_prefix(1);
    return value;
}

std::string_view InputReader::line() {
    const auto end = rest_.find('\n');
    const std::string_view text = rest_.substr(0, end);
    rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
    return text;
}

std::string PlayerName(std::string_view text) {
    SettingsRecord settings;
    settings.put(Field::CurrentPlayer, text);
    return std::string(TrimRight(settings.get(Field::CurrentPlayer)));
}

}  // namespace dravicor::fuzz
