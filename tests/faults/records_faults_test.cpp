// The records of finished deals under faults of the system: a full disk, a
// read-only DATA folder, a data file replaced by a folder. After each, the
// data files read as the program writes them, what was recorded before is
// still there, the failure is reported, and the program plays on.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>

#include "common/text.h"
#include "faults/isolated.h"
#include "faults/records_check.h"
#include "shell/program.h"
#include "stats/game_log.h"
#include "stats/statistics.h"
#include "support/fake_platform.h"
#include "support/temp_dir.h"

namespace dravicor::test {
namespace {

namespace fs = std::filesystem;

// A program over a folder, and the deals it finishes.
struct Player {
    FakePlatform fake;
    Platform platform = fake.platform();
    Program program;
    int next = 1;

    explicit Player(const fs::path& dir) : program(dir, platform) {}

    // Start-up and the first game; what went wrong, or empty.
    std::string start() {
        if (!program.initialise()) return "start-up ended\n";
        return program.selectGame(0) ? "" : "Klondike cannot be chosen\n";
    }
    // Deals and abandons one game; false when no deal could be made.
    bool finishDeal() {
        program.settings().put(Field::CurrentGameNumber, std::to_string(next++));
        if (!program.engine().StartGame(true, false, 0, true)) return false;
        program.engine().EndGame();
        return true;
    }
};

// The data folder's files, their bytes by name.
std::map<std::string, std::string> Files(const fs::path& dir) {
    std::map<std::string, std::string> files;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(dir, ec)) {
        if (entry.is_regular_file()) files[entry.path().filename().string()] = ReadFile(entry.path());
    }
    return files;
}

// Writes until the file system is full.
void FillUp(const fs::path& file) {
    std::ofstream out(file, std::ios::binary);
    const std::string block(512, 'f');
    while (out.write(block.data(), static_cast<std::streamsize>(block.size())) && out.flush()) {
    }
}

// Lines added to the log so that its last page has less room than a line
// needs: a full disk then cuts an append in the middle of its line.
void LeaveTheLogsLastPageShort(const fs::path& dataDir) {
    const fs::path log = dataDir / std::string(kGameLogFile);
    const std::string line = SplitLines(ReadFile(log)).front() + "\r\n";
    std::ofstream out(log, std::ios::binary | std::ios::app);
    for (auto size = fs::file_size(log); size % 4096 == 0 || 4096 - size % 4096 >= line.size(); size += line.size()) {
        out << line << std::flush;
    }
}

// Runs the scenario over a program folder whose DATA folder is a file system
// of `bytes` of its own; skipped where none can be mounted.
using Scenario = std::function<void(const fs::path& programDir, const fs::path& data, Checks& checks)>;
void OnASmallDataFolder(size_t bytes, const Scenario& scenario) {
    const TempDir scratch;
    const IsolatedRun run = RunWithPrivateMounts([&] {
        Checks checks;
        MountSmallFileSystem(scratch / "DATA", bytes);
        InstallBuiltCatalogue(scratch.path());
        scenario(scratch.path(), scratch / "DATA", checks);
        return checks.failures();
    });
    if (!run.skipped.empty()) GTEST_SKIP() << "no small file system can be mounted here: " << run.skipped;
    EXPECT_EQ(run.failure, "");
}

TEST(RecordsFaults, AFullDiskLosesNoRecordAndTheNextDealAfterItIsRecordedWhole) {
    OnASmallDataFolder(256 * 1024, [](const fs::path& programDir, const fs::path& data, Checks& checks) {
        // The log's lines and the deals counted, and data files that read whole.
        const auto expectRecords = [&](size_t logged, long long counted, const std::string& when) {
            checks.expect(LoggedNumbers(data).size() == logged && CountedDeals(data, 0, "Player 1") == counted,
                          when + ": the deals logged and counted");
            checks.expect(RecordsProblems(data) == "", when + ": " + RecordsProblems(data));
        };
        Player player(programDir);
        checks.expect(player.start().empty(), "start-up");
        for (int i = 0; i < 3; ++i) checks.expect(player.finishDeal(), "a deal with room on the disk");
        checks.expect(player.fake.messages.empty(), "messages with room on the disk");
        LeaveTheLogsLastPageShort(data);
        const auto logged = LoggedNumbers(data).size();

        FillUp(data / "filler");
        auto before = Files(data);
        before.erase("filler");
        checks.expect(player.finishDeal(), "a deal on a full disk");
        checks.expect(!player.fake.messages.empty(), "a full disk is reported");
        auto after = Files(data);
        after.erase("filler");
        checks.expect(after == before, "a full disk changed a data file");
        {
            Player another(programDir);
            checks.expect(another.start().empty() && another.finishDeal(), "a program starts and plays on a full disk");
        }
        expectRecords(logged, 3, "on a full disk");

        // Room for the log line and the statistics, not always for the
        // hi-scores and their copy.
        fs::remove(data / "filler");
        FillUp(data / "filler");
        fs::resize_file(data / "filler", fs::file_size(data / "filler") - 8192);
        checks.expect(player.finishDeal(), "a deal on a nearly full disk");
        expectRecords(logged + 1, 4, "on a nearly full disk");

        fs::remove(data / "filler");
        const size_t messages = player.fake.messages.size();
        checks.expect(player.finishDeal(), "a deal after the disk has room again");
        checks.expect(player.fake.messages.size() == messages, "messages once the disk has room again");
        expectRecords(logged + 2, 5, "once the disk has room");
    });
}

TEST(RecordsFaults, AReadOnlyDataFolderKeepsItsRecordsAndThePlayGoesOn) {
    OnASmallDataFolder(1024 * 1024, [](const fs::path& programDir, const fs::path& data, Checks& checks) {
        {
            Player player(programDir);
            checks.expect(player.start().empty(), "start-up");
            checks.expect(player.finishDeal() && player.finishDeal(), "two deals");
        }
        const auto before = Files(data);
        RemountReadOnly(data);
        Player player(programDir);
        checks.expect(player.start().empty(), "start-up over a read-only folder");
        checks.expect(player.finishDeal(), "a deal over a read-only folder");
        checks.expect(!player.fake.messages.empty(), "a read-only folder is reported");
        checks.expect(player.finishDeal(), "the next deal over a read-only folder");
        checks.expect(Files(data) == before, "a read-only folder changed");
        checks.expect(RecordsProblems(data) == "", "read-only: " + RecordsProblems(data));
    });
}

TEST(RecordsFaults, ADataFileReplacedByAFolderFailsAloneAndTheFolderStays) {
    for (const std::string name : {"STAT.DAT", "STAT_LOG.DAT", "STAT_SCR.DAT", "STAT_GLO.DAT", "CFG.DAT", "GAM_CUST.DAT"}) {
        SCOPED_TRACE(name);
        const ScratchProgramDir dir;
        const fs::path data = dir / "DATA";
        {
            Player player(dir.path());
            ASSERT_EQ(player.start(), "");
            ASSERT_TRUE(player.finishDeal());
        }
        fs::remove(data / name);
        WriteFile(data / name / "inside", "kept");
        Player player(dir.path());
        player.next = 100;
        ASSERT_EQ(player.start(), "") << "start-up";
        ASSERT_TRUE(player.finishDeal());
        EXPECT_EQ(ReadFile(data / name / "inside"), "kept");
        const bool recordsFile = name.starts_with("STAT");
        if (recordsFile) {
            ASSERT_FALSE(player.fake.messages.empty());
            EXPECT_NE(player.fake.messages.front().text.find(name), std::string::npos) << player.fake.messages.front().text;
        }
        if (name != "STAT_LOG.DAT") {
            EXPECT_EQ(LoggedNumbers(data).back(), "100");
        }
        if (name != "STAT.DAT") {
            EXPECT_EQ(CountedDeals(data, 0, "Player 1"), 2);
        }
        EXPECT_EQ(RecordsProblems(data), name == "CFG.DAT" ? "CFG.DAT: no player\n" : "");
    }
}

}  // namespace
}  // namespace dravicor::test
