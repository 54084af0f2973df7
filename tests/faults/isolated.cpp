#include "faults/isolated.h"

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <stdexcept>

namespace dravicor::test {

namespace {

bool WriteProcFile(const char* path, const std::string& text) {
    std::ofstream file(path);
    file << text;
    return static_cast<bool>(file.flush());
}

// A mount namespace of the process's own; the reason when there is none.
std::string EnterPrivateMounts() {
    if (::unshare(CLONE_NEWNS) != 0) {
        const uid_t uid = ::geteuid();
        const gid_t gid = ::getegid();
        if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) {
            return std::string("the system allows no private mount namespace (") + std::strerror(errno) + ")";
        }
        WriteProcFile("/proc/self/setgroups", "deny");
        if (!WriteProcFile("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1") ||
            !WriteProcFile("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1")) {
            return "the user namespace takes no identity map";
        }
    }
    // Nothing mounted here may show up outside.
    if (::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
        return std::string("the mounts cannot be made private (") + std::strerror(errno) + ")";
    }
    return {};
}

}  // namespace

IsolatedRun RunWithPrivateMounts(const std::function<std::string()>& scenario) {
    int channel[2];
    if (::pipe(channel) != 0) return {"no pipe", ""};
    const pid_t child = ::fork();
    if (child < 0) return {"no child process", ""};
    if (child == 0) {
        ::close(channel[0]);
        std::string report;
        const std::string refused = EnterPrivateMounts();
        if (!refused.empty()) {
            report = "S" + refused;
        } else {
            try {
                report = "F" + scenario();
            } catch (const std::exception& error) {
                report = std::string("F") + "the scenario raised: " + error.what();
            }
        }
        for (size_t done = 0; done < report.size();) {
            const ssize_t written = ::write(channel[1], report.data() + done, report.size() - done);
            if (written <= 0) break;
            done += static_cast<size_t>(written);
        }
        ::_exit(0);
    }
    ::close(channel[1]);
    std::string report;
    char buffer[4096];
    for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;) report.append(buffer, static_cast<size_t>(got));
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (report.empty()) return {"", "the scenario's process died (status " + std::to_string(status) + ")"};
    if (report[0] == 'S') return {report.substr(1), ""};
    return {"", report.substr(1)};
}

void MountSmallFileSystem(const std::filesystem::path& folder, size_t bytes) {
    std::filesystem::create_directories(folder);
    const std::string options = "size=" + std::to_string(bytes) + ",mode=0755";
    if (::mount("tmpfs", folder.c_str(), "tmpfs", 0, options.c_str()) != 0) {
        throw std::runtime_error("cannot mount a file system at " + folder.string() + ": " + std::strerror(errno));
    }
}

void RemountReadOnly(const std::filesystem::path& folder) {
    if (::mount("tmpfs", folder.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) != 0) {
        throw std::runtime_error("cannot make " + folder.string() + " read-only: " + std::strerror(errno));
    }
}

}  // namespace dravicor::test
