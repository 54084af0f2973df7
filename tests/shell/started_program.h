#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

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

}  // namespace dravicor::test
