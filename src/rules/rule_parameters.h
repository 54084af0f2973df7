#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace dravicor {

// Which pile count bounds a per-pile block of parameters.
enum class PileBlock { None, Foundation, Tableau, Reserve };

// One named parameter, or a block of one parameter per pile.
struct ParameterInfo {
    std::string_view name;  // as written in the catalogue sources
    int index;              // first index
    PileBlock block;        // None for a single value
    int blockSize;          // entries in the block (1 for a single value)
    int min;
    int max;
    std::string_view meaning;
};

// Every named parameter, in index order. Some indices carry two names
// because two parts of the engine read the same value for different
// purposes; a game source must not give them different values.
std::span<const ParameterInfo> AllParameters();

// The parameter of that name (exact spelling), or nothing.
const ParameterInfo* FindParameter(std::string_view name);

// The first name for an index (used as the readable label of its matrix line).
std::string_view ParameterName(int index);

}  // namespace dravicor
