#include "common/settings_record.h"

#include <gtest/gtest.h>

#include <set>

namespace dravicor {
namespace {

TEST(SettingsRecord, PutFieldPadsCutsAndDropsLeadingSpaces) {
    SettingsRecord record;
    record.PutField(21, 3, "7");
    EXPECT_EQ(record.GetField(21, 3), "7");
    record.PutField(21, 3, "12345");
    EXPECT_EQ(record.GetField(21, 3), "123");
    record.PutField(21, 3, "  9");
    EXPECT_EQ(record.GetField(21, 3), "9");
    record.PutField(77, 30, "Ann  ");
    EXPECT_EQ(record.GetField(77, 30), "Ann");
    // Inner spaces stay.
    record.PutField(77, 30, "Mary Ann");
    EXPECT_EQ(record.GetField(77, 30), "Mary Ann");
}

TEST(SettingsRecord, PutFieldLeavesNeighboursAlone) {
    SettingsRecord record;
    record.PutField(20, 1, "X");
    record.PutField(24, 1, "Y");
    record.PutField(21, 3, "123456");
    EXPECT_EQ(record.GetField(20, 1), "X");
    EXPECT_EQ(record.GetField(24, 1), "Y");
    EXPECT_EQ(record.GetField(20, 5), "X123Y");
    record.PutField(21, 3, "");
    EXPECT_EQ(record.GetField(20, 5), "X   Y");
}

TEST(SettingsRecord, ThirdBlockHoldsTheProgramDirectory) {
    SettingsRecord record;
    const std::string dir(200, 'd');
    record.put(Field::ProgramDir, dir);
    EXPECT_EQ(record.GetField(501, 200), dir);
    // The first block is untouched by writes to the third.
    EXPECT_EQ(record.GetField(1, 249), "");
}

TEST(SettingsRecord, PositionsOutsideTheRecordDoNothing) {
    SettingsRecord record;
    record.PutField(750, 5, "abc");
    EXPECT_EQ(record.GetField(750, 5), "");
    record.PutField(0, 5, "abc");
    EXPECT_EQ(record.GetField(0, 5), "");
    record.PutField(-3, 5, "abc");
    EXPECT_EQ(record.GetField(1, 249), "");
}

TEST(SettingsRecord, FieldsNeverSpillIntoTheNextBlock) {
    SettingsRecord record;
    record.PutField(245, 20, "ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(record.GetField(245, 6), "ABCDE");
    EXPECT_EQ(record.GetField(251, 10), "");
    record.PutField(745, 20, "ABCDEFGHIJ");
    EXPECT_EQ(record.GetField(745, 20), "ABCDE");
}

TEST(SettingsRecord, NumbersAndFlags) {
    SettingsRecord record;
    record.put(Field::CurrentGame, "0053");
    EXPECT_EQ(record.getNumber(Field::CurrentGame), 53);
    record.put(Field::BackgroundColour, "-2147483633");
    EXPECT_EQ(record.getNumber(Field::BackgroundColour), -2147483633LL);
    record.put(Field::CardBack, "");
    EXPECT_EQ(record.getNumber(Field::CardBack), 0);
    record.put(Field::CardBack, "1x");
    EXPECT_EQ(record.getNumber(Field::CardBack), 0);
    record.put(Field::ShowTime, "Y");
    record.put(Field::ShowScore, "N");
    record.put(Field::LastWasUndo, "1");
    EXPECT_TRUE(record.isYes(Field::ShowTime));
    EXPECT_FALSE(record.isYes(Field::ShowScore));
    EXPECT_TRUE(record.isYes(Field::LastWasUndo));
}

TEST(FormatField, PadsWithZerosAndStarsWhatDoesNotFit) {
    EXPECT_EQ(FormatField(11, 3), "011");
    EXPECT_EQ(FormatField(1234, 3), "***");
    EXPECT_EQ(FormatField(-5, 4), "-005");
    EXPECT_EQ(FormatField(-5, 2), "-5");
    EXPECT_EQ(FormatField(-50, 2), "**");
    EXPECT_EQ(FormatField(0, 4), "0000");
    EXPECT_EQ(FormatField(53, 4), "0053");
    EXPECT_EQ(FormatField(9999, 4), "9999");
    EXPECT_EQ(FormatField(10000, 4), "****");
    EXPECT_EQ(FormatField(std::numeric_limits<long long>::min(), 25), "-00000" "9223372036854775808");
}

TEST(SettingsFields, CatalogueIsOrderedAndFieldsDoNotOverlap) {
    const auto fields = AllSettingsFields();
    ASSERT_FALSE(fields.empty());
    std::set<std::string_view> names;
    int end = 0;
    for (const auto& entry : fields) {
        EXPECT_GE(entry.field.position, end) << "field at " << entry.field.position << " overlaps the one before";
        const int blockEnd = entry.field.position < 250 ? 250 : entry.field.position < 500 ? 500 : 750;
        EXPECT_LE(entry.field.position + entry.field.width, blockEnd) << "field at " << entry.field.position;
        end = entry.field.position + entry.field.width;
        if (!entry.name.empty()) {
            EXPECT_TRUE(names.insert(entry.name).second) << entry.name;
        }
    }
}

}  // namespace
}  // namespace dravicor
