#pragma once

#include <filesystem>
#include <functional>
#include <string>

namespace dravicor::test {

// What became of a scenario run in a child process.
struct IsolatedRun {
    std::string skipped;  // why it could not run (no private mounts allowed); empty when it ran
    std::string failure;  // what went wrong; empty when every check held
};

// Runs the scenario in a child process with a mount namespace of its own
// (a user namespace too when the process may not make one alone), so that
// it may mount small file systems and leaves none behind. The scenario
// returns what went wrong, or the empty text.
IsolatedRun RunWithPrivateMounts(const std::function<std::string()>& scenario);

// Inside such a scenario: a memory file system of `bytes` at the folder
// (created when missing), and the same made read-only. They raise
// std::runtime_error when the system refuses.
void MountSmallFileSystem(const std::filesystem::path& folder, size_t bytes);
void RemountReadOnly(const std::filesystem::path& folder);

// Collects the checks of a scenario that runs where gtest cannot report.
class Checks {
public:
    void expect(bool condition, const std::string& what) {
        if (!condition) failures_ += what + "\n";
    }
    const std::string& failures() const { return failures_; }

private:
    std::string failures_;
};

}  // namespace dravicor::test
