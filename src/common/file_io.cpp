#include "common/file_io.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dravicor {

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return std::nullopt;
    std::string content;
    char buffer[1 << 16];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) content.append(buffer, got);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) return std::nullopt;
    return content;
}

namespace {

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

}  // namespace

WriteStep ReplaceFileAtomically(const std::filesystem::path& path, std::string_view bytes, const WriteFaults* faults) {
    const auto failing = [&](WriteStep step) { return faults && faults->failAt == step; };
    // The temporary file lives beside the target so that the rename never
    // crosses file systems.
    std::string temporary = path.string() + ".rplXXXXXX";
    const int fd = failing(WriteStep::Create) ? -1 : ::mkstemp(temporary.data());
    if (fd < 0) return WriteStep::Create;
    WriteStep failed = WriteStep::None;
    // mkstemp creates the file readable by its owner only; data files are
    // ordinary user files.
    if (::fchmod(fd, 0644) != 0 || failing(WriteStep::Write) || !WriteAll(fd, bytes)) {
        failed = WriteStep::Write;
    } else if (failing(WriteStep::Flush) || ::fdatasync(fd) != 0) {
        failed = WriteStep::Flush;
    }
    if (::close(fd) != 0 && failed == WriteStep::None) failed = WriteStep::Flush;
    if (failed == WriteStep::None && (failing(WriteStep::Rename) || std::rename(temporary.c_str(), path.c_str()) != 0)) {
        failed = WriteStep::Rename;
    }
    if (failed != WriteStep::None) {
        ::unlink(temporary.c_str());
        return failed;
    }
    // The folder is not flushed: a crash right after the rename may bring
    // back the old file, but never a damaged one, and the saving is large.
    return WriteStep::None;
}

}  // namespace dravicor
