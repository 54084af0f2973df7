#include "stats/data_file.h"

#include "common/folder_lock.h"
#include "common/product.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace dravicor {

// The data folder's lock; the folder is created first when it is missing.
class DataFiles::Lock : public FolderLock {
public:
    Lock(const std::filesystem::path& folder, std::chrono::milliseconds patience)
        : FolderLock(CreatedFolder(folder), patience) {}

private:
    static const std::filesystem::path& CreatedFolder(const std::filesystem::path& folder) {
        std::error_code ec;
        std::filesystem::create_directories(folder, ec);
        return folder;
    }
};

std::optional<std::string> DataFiles::read(std::string_view name) const { return ReadWholeFile(path(name)); }

std::optional<SectionDocument> DataFiles::readSections(std::string_view name) const {
    const auto content = read(name);
    if (!content) return std::nullopt;
    return SectionDocument::Parse(*content);
}

bool DataFiles::probeWritable() {
    std::error_code ec;
    std::filesystem::create_directories(dataDir_, ec);
    // Named for this process: two copies starting together never meet. Not
    // flushed: a full disk refuses the bytes already, and a flush would cost
    // the start-up milliseconds.
    const std::filesystem::path probe = path(".write-test-" + std::to_string(::getpid()));
    const bool failCreate = faults_ && faults_->failAt == WriteStep::Create;
    const bool failWrite = faults_ && faults_->failAt == WriteStep::Write;
    const int fd = failCreate ? -1 : ::open(probe.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    constexpr std::string_view kProbe = "Dravicor\n";
    bool written = !failWrite && ::write(fd, kProbe.data(), kProbe.size()) == static_cast<ssize_t>(kProbe.size());
    written = ::close(fd) == 0 && written;
    std::filesystem::remove(probe, ec);
    return written;
}

bool DataFiles::change(std::string_view name, const std::function<bool(std::string&)>& change,
                       std::string_view initial) {
    const std::filesystem::path file = path(name);
    if (writesDropped_) {
        // The change is worked out, so that its caller learns what it would
        // have been, and then dropped: true only when it wanted no write.
        const auto found = read(name);
        std::string content = found ? *found : std::string(initial);
        return !change(content);
    }
    const Lock lock(dataDir_, patience_);
    if (!lock.held()) {
        messages_.showMessage("Open error: " + file.string(), kProductName, MessageIcon::Information);
        return false;
    }
    std::error_code ec;
    const bool exists = std::filesystem::exists(file, ec);
    std::optional<std::string> content = exists ? ReadWholeFile(file) : std::optional<std::string>(std::string(initial));
    if (!content) {
        messages_.showMessage("Open error: " + file.string(), kProductName, MessageIcon::Information);
        return false;
    }
    const std::string before = exists ? *content : std::string();
    if (!change(*content)) return true;
    if (exists && *content == before) return true;
    switch (ReplaceFileAtomically(file, *content, faults_)) {
        case WriteStep::None: return true;
        case WriteStep::Create:
            messages_.showMessage("Error creating temp file.", kProductName, MessageIcon::Information);
            return false;
        case WriteStep::Write:
        case WriteStep::Flush:
            messages_.showMessage("Error writing file: " + file.string(), kProductName, MessageIcon::Information);
            return false;
        case WriteStep::Rename:
            messages_.showMessage("Error renaming file: " + file.string() + ".rpl\rwith: " + file.string(), kProductName,
                                  MessageIcon::Information);
            return false;
    }
    return false;
}

bool DataFiles::changeSections(std::string_view name, const std::function<bool(SectionDocument&)>& change,
                               const SectionDocument& initial) {
    return this->change(
        name,
        [&](std::string& content) {
            SectionDocument document = SectionDocument::Parse(content);
            if (!change(document)) return false;
            content = document.Serialize();
            return true;
        },
        initial.Serialize());
}

bool DataFiles::append(std::string_view name, std::string_view lines) {
    if (writesDropped_) return false;
    const std::filesystem::path file = path(name);
    const Lock lock(dataDir_, patience_);
    const int fd = lock.held() ? ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644) : -1;
    if (fd < 0) {
        messages_.showMessage("Open error: " + file.string(), kProductName, MessageIcon::Information);
        return false;
    }
    // Where the last complete line ends: everything after it is a torn tail.
    off_t end = ::lseek(fd, 0, SEEK_END);
    off_t keep = end;
    char tail[4096];
    while (keep > 0) {
        const off_t from = keep > static_cast<off_t>(sizeof tail) ? keep - static_cast<off_t>(sizeof tail) : 0;
        const ssize_t got = ::pread(fd, tail, static_cast<size_t>(keep - from), from);
        if (got <= 0) break;
        const std::string_view block(tail, static_cast<size_t>(got));
        const auto newline = block.rfind('\n');
        if (newline != std::string_view::npos) {
            keep = from + static_cast<off_t>(newline) + 1;
            break;
        }
        keep = from;
    }
    const bool failWrite = faults_ && faults_->failAt == WriteStep::Write;
    const bool failFlush = faults_ && faults_->failAt == WriteStep::Flush;
    bool ok = keep == end || ::ftruncate(fd, keep) == 0;
    ok = ok && !failWrite && ::lseek(fd, 0, SEEK_END) >= 0;
    for (std::string_view rest = lines; ok && !rest.empty();) {
        const ssize_t written = ::write(fd, rest.data(), rest.size());
        if (written < 0 && errno == EINTR) continue;
        ok = written > 0;
        if (ok) rest.remove_prefix(static_cast<size_t>(written));
    }
    ok = ok && !failFlush && ::fdatasync(fd) == 0;
    // A write cut short (a full disk) takes back what it wrote, so the file
    // ends with its last complete line as before.
    if (!ok && ::ftruncate(fd, keep) == 0) ::fdatasync(fd);
    ::close(fd);
    if (!ok) messages_.showMessage("Error writing file: " + file.string(), kProductName, MessageIcon::Information);
    return ok;
}

void DataFiles::removeStaleTemporaries() {
    if (writesDropped_) return;
    const Lock lock(dataDir_, patience_);
    if (!lock.held()) return;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(dataDir_, ec)) {
        const std::string name = entry.path().filename().string();
        // The temporary files of ReplaceFileAtomically: "<file>.rpl" and six
        // characters. Every writer of the folder's files holds the lock while
        // its temporary file exists (the configuration file's as well).
        const auto mark = name.rfind(".rpl");
        if (mark != std::string::npos && name.size() == mark + 4 + 6 && mark >= 4 &&
            name.compare(mark - 4, 4, ".DAT") == 0) {
            std::filesystem::remove(entry.path(), ec);
        }
    }
}

bool DataFiles::remove(std::string_view name) {
    if (writesDropped_) return false;
    const Lock lock(dataDir_, patience_);
    if (!lock.held()) {
        messages_.showMessage("Open error: " + path(name).string(), kProductName, MessageIcon::Information);
        return false;
    }
    std::error_code ec;
    std::filesystem::remove(path(name), ec);
    return !ec;
}

}  // namespace dravicor
