#pragma once

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <thread>

#include "stats/data_file.h"
#include "support/fake_platform.h"

namespace dravicor::test {

// Another running copy of the program: a child process that takes the data
// folder's lock through its own DataFiles, changes a file with `change`
// while holding it, and keeps the lock until released (or for a fixed time).
class LockHolder {
public:
    LockHolder(const std::filesystem::path& dataDir, std::string file, std::function<void(std::string&)> change,
               std::chrono::milliseconds holdFor = std::chrono::milliseconds(-1)) {
        if (::pipe(held_) != 0 || ::pipe(go_) != 0) throw std::runtime_error("pipe");
        pid_ = ::fork();
        if (pid_ < 0) throw std::runtime_error("fork");
        if (pid_ == 0) {
            ::close(held_[0]);
            ::close(go_[1]);
            FakePlatform platform;
            DataFiles files(dataDir, platform);
            const bool ok = files.change(file, [&](std::string& content) {
                const char byte = 'L';
                if (::write(held_[1], &byte, 1) != 1) ::_exit(3);
                if (holdFor.count() < 0) {
                    char ignored = 0;
                    if (::read(go_[0], &ignored, 1) != 1) ::_exit(4);
                } else {
                    std::this_thread::sleep_for(holdFor);
                }
                change(content);
                return true;
            });
            ::_exit(ok ? 0 : 1);
        }
        ::close(held_[1]);
        ::close(go_[0]);
    }
    ~LockHolder() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        ::close(held_[0]);
        ::close(go_[1]);
    }
    LockHolder(const LockHolder&) = delete;
    LockHolder& operator=(const LockHolder&) = delete;

    // True once the child holds the lock.
    bool waitUntilHeld() {
        char byte = 0;
        return ::read(held_[0], &byte, 1) == 1;
    }
    void release() {
        const char byte = 'G';
        [[maybe_unused]] const auto written = ::write(go_[1], &byte, 1);
    }
    // The child's exit status (0 when its change went through).
    int finish() {
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 100;
    }

private:
    pid_t pid_ = -1;
    int held_[2] = {-1, -1};
    int go_[2] = {-1, -1};
};

}  // namespace dravicor::test
