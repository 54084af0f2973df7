#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace dravicor {

// Customized games: codes 8000 and above, each derived from a built-in game
// with a settings text that overrides a few rules.
inline constexpr int kFirstCustomCode = 8000;

struct CustomGame {
    int code = 0;
    int baseCode = 0;      // the built-in game it derives from
    std::string name;
    std::string settings;  // characters 1-3 cards per stock click, 4-6 redeals, 7 empty-tableau rule
};

// Where the catalogue readers look up customized games.
class CustomGames {
public:
    virtual ~CustomGames() = default;
    virtual std::optional<CustomGame> find(int code) const = 0;
    virtual std::optional<int> codeOf(std::string_view name) const = 0;
};

// A program without customized games.
class NoCustomGames final : public CustomGames {
public:
    std::optional<CustomGame> find(int) const override { return std::nullopt; }
    std::optional<int> codeOf(std::string_view) const override { return std::nullopt; }
};

}  // namespace dravicor
