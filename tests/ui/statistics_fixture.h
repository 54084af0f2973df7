#pragma once

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QPieSeries>
#include <QPieSlice>
#include <QWidget>

#include "dialog_test_support.h"
#include "rules/catalogue.h"
#include "ui/statistics_charts.h"

namespace dravicor::test {

// A started program over a scratch program folder whose players are Ann
// (current) and Bob, with FreeCell (code 1) the current game.
class StatisticsFixture : public ::testing::Test, protected ScratchProgram {
protected:
    StatisticsFixture() {
        WriteFile(dir / "DATA" / "CFG.DAT",
                  "[Users]\r\nUser001=Ann\r\nUser002=Bob\r\n[Preference]\r\nUserDefault=Ann\r\nGame=1\r\n");
        EXPECT_TRUE(program.initialise());
        for (const int code : ListedGameCodes(program.gameList())) {
            if (code != kFreeCell) {
                otherGame = code;
                break;
            }
        }
    }

    // STAT.DAT holding these lines after the version section.
    void writeStatistics(const std::string& sections) {
        WriteFile(dir / "DATA" / "STAT.DAT", "[Version]\r\nVersion=0300\r\n" + sections);
    }
    std::string nameOf(int code) const { return GameNameOf(program.gameList(), code, program.customGames()); }

    static QString textOf(const QWidget& window, const char* group, const char* label) {
        const auto* box = window.findChild<QGroupBox*>(QLatin1String(group));
        if (box == nullptr) return QStringLiteral("<no group %1>").arg(QLatin1String(group));
        const auto* shown = box->findChild<QLabel*>(QLatin1String(label));
        return shown != nullptr ? shown->text() : QStringLiteral("<no label %1>").arg(QLatin1String(label));
    }
    // Won, lost, total and the two shares of a results group, in one line.
    static QString figuresOf(const QWidget& window, const char* group) {
        QStringList parts;
        for (const char* label : {"lblWon", "lblLost", "lblTotal", "lblWonPercent", "lblLostPercent"}) {
            parts << textOf(window, group, label);
        }
        return parts.join(u' ');
    }
    // The slices of the window's pie: "Won=3 Lost=6".
    static QString pieOf(const QWidget& window) {
        const auto* pie = window.findChild<ResultsPieChart*>(QStringLiteral("chtResults"));
        if (pie == nullptr) return QStringLiteral("<no pie>");
        QStringList slices;
        for (const QPieSlice* slice : pie->series().slices()) {
            slices << slice->label() + '=' + QString::number(slice->value());
        }
        return slices.join(u' ');
    }

    static constexpr int kFreeCell = 1;
    int otherGame = -1;
};

}  // namespace dravicor::test
