#include "common/text_resources.h"

#include <gtest/gtest.h>

#include "common/settings_record.h"

namespace dravicor {
namespace {

SettingsRecord WithLanguage(const char* base) {
    SettingsRecord record;
    record.put(Field::LanguageBase, base);
    return record;
}

TEST(TextResources, EnglishBlockIsComplete) {
    const SettingsRecord english = WithLanguage("20000");
    EXPECT_EQ(LoadText(english, TextId::Yes), "Yes");
    EXPECT_EQ(LoadText(english, TextId::Add), "A&dd");
    EXPECT_EQ(LoadText(english, TextId::Sample), "Sample ");
    EXPECT_EQ(LoadText(english, TextId::ReplaceExistingFile), "This file already exists.\nReplace existing file?");
    EXPECT_EQ(LoadText(english, TextId::SaveGameTitle), "Save game");
    EXPECT_EQ(LoadText(english, TextId::LogResult), "W/L");
    EXPECT_EQ(LoadText(english, TextId::QuitThisGame), "Quit this game?");
}

TEST(TextResources, ItalianBlockHasOnlyTheGenericWords) {
    const SettingsRecord italian = WithLanguage("10000");
    EXPECT_EQ(LoadText(italian, TextId::Cancel), "Annulla");
    EXPECT_EQ(LoadText(italian, TextId::Yes), "S\xC3\xAC");
    EXPECT_EQ(LoadText(italian, TextId::QuitThisGame), "");
    EXPECT_EQ(LoadText(italian, TextId::SaveGameTitle), "");
}

TEST(TextResources, MissingNumbersAndOddBasesGiveEmptyText) {
    EXPECT_EQ(LoadText(WithLanguage("20000"), 9), "");
    EXPECT_EQ(LoadText(WithLanguage(""), TextId::Yes), "");
    EXPECT_EQ(LoadText(WithLanguage("abc"), TextId::Yes), "");
    EXPECT_EQ(LoadText(WithLanguage("-99999"), TextId::Yes), "");
    EXPECT_EQ(LoadText(WithLanguage("999999"), TextId::Yes), "");
}

}  // namespace
}  // namespace dravicor
