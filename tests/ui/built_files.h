#pragma once

#include <filesystem>

#include <gtest/gtest.h>

#include <QImage>

namespace dravicor::test {

// The library, pictures, pages and demos the build made.
inline const std::filesystem::path kBuiltProgramDir = DRAVICOR_BUILT_PROGRAM_DIR;

// Writes the picture as a bitmap file, its folder made first.
inline void SaveBitmap(const std::filesystem::path& path, const QImage& image) {
    std::filesystem::create_directories(path.parent_path());
    ASSERT_TRUE(image.save(QString::fromStdString(path.string()), "BMP"));
}

}  // namespace dravicor::test
