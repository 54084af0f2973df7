#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace dravicor::resources {

struct SoundFile {
    std::string fileName;  // as stored in SOUNDS/
    std::vector<std::int16_t> samples;
};

// Every sound the program plays, synthesized: one file per name, however
// the events and the sound previews write its letters.
std::vector<SoundFile> MakeSounds();

// Writes them into the folder (created when missing); the names of the
// files that could not be written are returned.
std::vector<std::string> WriteSounds(const std::filesystem::path& folder, const std::vector<SoundFile>& sounds);

}  // namespace dravicor::resources
