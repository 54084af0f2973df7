#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "shell/preferences.h"
#include "shell/program.h"
#include "support/fake_platform.h"
#include "support/temp_dir.h"

namespace dravicor::test {

// A started program over a scratch folder holding the built catalogue; the
// default game is FreeCell.
class StartedProgram : public ::testing::Test {
protected:
    StartedProgram() { EXPECT_TRUE(program.initialise()); }

    // Lines of the game log: one per recorded deal.
    size_t recordedDeals() const {
        const std::string log = ReadFile(dir / "DATA/STAT_LOG.DAT");
        if (log == "<missing>") return 0;
        return static_cast<size_t>(std::count(log.begin(), log.end(), '\n'));
    }

    ScratchProgramDir dir;
    FakePlatform fake;
    Platform platform = fake.platform();
    Program program{dir.path(), platform};
};

// A settings record over a scratch program folder with an empty DATA folder,
// as start-up leaves it before the preferences are read.
class ScratchPreferences : public ::testing::Test {
protected:
    ScratchPreferences() {
        settings.put(Field::ProgramDir, dir.path().string() + "/");
        settings.put(Field::ConfigName, kConfigName);
        std::filesystem::create_directories(dir / "DATA");
    }
    void writeConfig(const std::string& text) const { WriteFile(dir / "DATA" / "CFG.DAT", text); }
    std::string config() const { return ReadFile(dir / "DATA" / "CFG.DAT"); }
    std::string preference(std::string_view key) const {
        return ConfigFile(settings).ReadString(kPreferenceSection, key, "<none>");
    }
    void load() {
        Platform p = platform.platform();
        LoadPreferences(settings, p);
    }

    TempDir dir;
    FakePlatform platform;
    SettingsRecord settings;
};

}  // namespace dravicor::test
