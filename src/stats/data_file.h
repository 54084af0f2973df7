#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "common/file_io.h"
#include "common/platform.h"
#include "stats/section_file.h"

namespace dravicor {

// The data files of the records (statistics, log, hi-scores, overall
// scores) live in one DATA folder. Every change of one of them is a
// transaction: an exclusive lock on the folder for the whole operation (so
// that two running copies of the program never interleave their updates),
// the file read whole, changed in memory, and replaced in one step (so that
// a crash leaves either the old or the new file, never a half-written one).
class DataFiles {
public:
    DataFiles(std::filesystem::path dataDir, Messages& messages) : dataDir_(std::move(dataDir)), messages_(messages) {}

    const std::filesystem::path& dataDir() const { return dataDir_; }
    std::filesystem::path path(std::string_view name) const { return dataDir_ / std::string(name); }

    // Reads a file's content (nothing when it does not exist or cannot be read).
    std::optional<std::string> read(std::string_view name) const;
    std::optional<SectionDocument> readSections(std::string_view name) const;

    // Changes a file under the lock. `change` receives the current content
    // (`initial` when the file does not exist) and returns false to leave the
    // file alone. Failures are reported with their messages ("Open error: ",
    // "Error creating temp file.", "Error renaming file: ") and leave the
    // file as it was; the result is false then.
    bool change(std::string_view name, const std::function<bool(std::string&)>& change,
                std::string_view initial = {});
    bool changeSections(std::string_view name, const std::function<bool(SectionDocument&)>& change,
                        const SectionDocument& initial = SectionDocument::WithVersion());
    // Adds lines at the end of a file under the lock, creating it, flushed
    // to disk before the lock is released. A line left incomplete by a crash
    // during an earlier append is cut off first, so a torn write never runs
    // into the next line. Cheaper than a rewrite for files that only grow.
    bool append(std::string_view name, std::string_view lines);
    // Deletes the temporary files that updates cut short by a crash left
    // behind (under the lock, no update can be writing one).
    void removeStaleTemporaries();
    // Deletes a file under the lock.
    bool remove(std::string_view name);

    // Whether the folder can take the records: it is created when missing,
    // and a small file is written to it and removed again. Writes no
    // message. The write faults make its creation or its write fail.
    bool probeWritable();
    // For a folder that cannot be written (the player was told once):
    // reads go on, changes are worked out but never written, and change,
    // append and remove return false without a message.
    void dropWrites() { writesDropped_ = true; }
    bool writesDropped() const { return writesDropped_; }

    // Tests make a step of the rewrite fail through this.
    void setWriteFaults(const WriteFaults* faults) { faults_ = faults; }
    // How long a copy waits for another one's lock before giving up.
    void setLockPatience(std::chrono::milliseconds patience) { patience_ = patience; }

private:
    class Lock;

    std::filesystem::path dataDir_;
    Messages& messages_;
    const WriteFaults* faults_ = nullptr;
    std::chrono::milliseconds patience_{2000};
    bool writesDropped_ = false;
};

}  // namespace dravicor
