#include "shell/appearance.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <string_view>
#include <system_error>

#include "common/settings_record.h"

namespace dravicor {

namespace {

// "B257.bmp" -> 257 for prefix "B"; -1 for any other name.
int NumberedFile(std::string_view name, std::string_view prefix, std::string_view suffix = ".bmp") {
    if (name.size() != prefix.size() + 3 + suffix.size() || !name.starts_with(prefix) || !name.ends_with(suffix))
        return -1;
    int number = 0;
    for (const char c : name.substr(prefix.size(), 3)) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return -1;
        number = number * 10 + (c - '0');
    }
    return number;
}

// How many of 001, 002 ... are there before the first one missing.
int CountFromOne(const std::set<std::string>& files, auto&& present) {
    int count = 0;
    while (present(files, FormatField(count + 1, 3))) ++count;
    return count;
}

// Writes the field and says whether its text changed.
bool Put(SettingsRecord& settings, FieldSpec field, const std::string& value) {
    const std::string before = settings.get(field);
    settings.put(field, value);
    return settings.get(field) != before;
}

}  // namespace

std::vector<int> InstalledPictures::backgroundsFor(bool fewColours) const {
    if (!fewColours) return backgrounds;
    std::vector<int> low;
    std::copy_if(backgrounds.begin(), backgrounds.end(), std::back_inserter(low),
                 [](int number) { return number <= kLastLowColourBackground; });
    return low;
}

InstalledPictures ListInstalledPictures(const std::filesystem::path& imagesFolder) {
    std::set<std::string> files;
    std::error_code error;
    for (std::filesystem::directory_iterator it(imagesFolder, error), end; !error && it != end; it.increment(error)) {
        if (it->is_regular_file(error)) files.insert(it->path().filename().string());
    }

    InstalledPictures installed;
    for (const std::string& name : files) {
        // 0 and 1 are no picture to the record: the default and the custom colour.
        const int number = NumberedFile(name, "B");
        if (number >= 2) installed.backgrounds.push_back(number);
    }
    std::sort(installed.backgrounds.begin(), installed.backgrounds.end());
    installed.faceSets = CountFromOne(files, [](const auto& all, const std::string& set) {
        constexpr char kSuits[] = {'H', 'D', 'C', 'S'};
        return std::all_of(std::begin(kSuits), std::end(kSuits),
                           [&](char suit) { return all.contains("CB" + set + suit + ".bmp"); });
    });
    installed.backs = CountFromOne(files, [](const auto& all, const std::string& back) {
        return all.contains("DB" + back + ".bmp");
    });
    return installed;
}

AppearanceChange RandomizeAppearance(SettingsRecord& settings, const InstalledPictures& installed, bool fewColours,
                                     std::mt19937_64& random) {
    AppearanceChange change;
    if (settings.isYes(Field::RandomBackground)) {
        const std::vector<int> pictures = installed.backgroundsFor(fewColours);
        const int count = static_cast<int>(pictures.size());
        const int drawn = std::uniform_int_distribution<int>(0, count + 5)(random);
        std::string picture = "0";
        long long fixedColour = 0;
        if (drawn < count)
            picture = std::to_string(pictures[static_cast<size_t>(drawn)]);
        else
            fixedColour = kFixedBackgroundColours[static_cast<size_t>(drawn - count)];
        // Every field is written: no short-circuit may skip one.
        const bool def = Put(settings, Field::BackgroundDefault, "N");
        const bool bmp = Put(settings, Field::BackgroundPicture, picture);
        const bool fixed = Put(settings, Field::BackgroundFixedColour, std::to_string(fixedColour));
        change.background = def || bmp || fixed;
    }

    if (settings.get(Field::CardSize) != "B") return change;
    if (settings.isYes(Field::RandomCard) && installed.faceSets >= 1) {
        const int set = std::uniform_int_distribution<int>(1, installed.faceSets)(random);
        if (set != settings.getNumber(Field::CardSet))
            change.faces = Put(settings, Field::CardSet, FormatField(set, 3));
    }
    if (settings.isYes(Field::RandomDeck) && installed.backs >= 1) {
        const int back = std::uniform_int_distribution<int>(1, installed.backs)(random);
        if (back != settings.getNumber(Field::CardBack))
            change.back = Put(settings, Field::CardBack, FormatField(back, 3));
    }
    return change;
}

}  // namespace dravicor
