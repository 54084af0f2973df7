#pragma once

#include <gtest/gtest.h>

#include <filesystem>

#include "stats/data_file.h"
#include "support/fake_platform.h"
#include "support/temp_dir.h"

namespace dravicor {

namespace fs = std::filesystem;
using test::FakePlatform;
using test::FolderEntries;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

// A scratch folder with the program's data files in its DATA folder, and a
// platform that records what is shown.
class DataFilesFixture : public ::testing::Test {
protected:
    TempDir dir;
    fs::path data = dir / "DATA";
    FakePlatform platform;
    DataFiles files{data, platform};
};

}  // namespace dravicor
