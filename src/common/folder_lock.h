#pragma once

#include <chrono>
#include <filesystem>

namespace dravicor {

// An exclusive advisory lock on a folder, held while the object lives, so
// that two running copies of the program never interleave their changes of
// the folder's files. The folder is locked rather than a file because
// every change replaces its file. A copy that holds the lock longer than
// `patience` makes the lock fail (held() false).
class FolderLock {
public:
    FolderLock(const std::filesystem::path& folder, std::chrono::milliseconds patience);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    bool held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

}  // namespace dravicor
