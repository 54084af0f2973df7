#include "demo_settings.h"

#include <string>
#include <utility>

#include "shell/preferences.h"

namespace dravicor {

void PutDemoSettings(SettingsRecord& settings) {
    const std::pair<FieldSpec, std::string> values[] = {
        {Field::CardSize, "B"},
        {Field::CardSet, "001"},
        {Field::CardBack, "011"},
        {Field::BackgroundPicture, "0"},
        {Field::BackgroundColour, std::to_string(kButtonFaceColour)},
        {Field::BackgroundDefault, "N"},
        {Field::ScoringSystem, "01"},
        {Field::AutomaticFaceUp, "Y"},
        {Field::UndoEnabled, "0"},
        {Field::ConfirmQuitGame, "N"},
        {Field::RedealAnimation, "N"},
        {Field::DealAnimation, "N"},
        {Field::CardsAnimate, "N"},
        {Field::SoundsEnabled, "N"},
        {Field::LanguageBase, "20000"},
        {Field::LastWasUndo, "0"},
        {Field::LastWasRedo, "0"},
        {Field::CurrentPlayer, std::string(kDemoPlayer)},
    };
    for (const auto& [field, value] : values) settings.put(field, value);
}

}  // namespace dravicor
