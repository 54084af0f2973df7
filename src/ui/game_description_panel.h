#pragma once

#include <QStackedWidget>

class QGridLayout;
class QLabel;

namespace dravicor {

class GamePreviewPane;
class ResourceLibrary;
struct GameDescription;

// The right side of the open-game dialog: the product picture while a
// folder is selected, otherwise the game's name, its three gauges with their
// texts, its decks and redeals, and its preview.
class GameDescriptionPanel final : public QStackedWidget {
    Q_OBJECT

public:
    // The picture shown while a folder is selected.
    static constexpr std::string_view kProductPicture = "PROG_PRODUCT";

    GameDescriptionPanel(const ResourceLibrary& library, bool fewColours, QWidget* parent = nullptr);

    void showProduct();
    void showGame(const GameDescription& description, bool preview);
    bool showsGame() const;

    const GamePreviewPane& preview() const { return *preview_; }

private:
    struct GaugeRow {
        QLabel* picture;
        QLabel* text;
    };
    GaugeRow addGauge(QGridLayout& grid, int row, const char* caption, const char* name);
    void showGauge(const GaugeRow& row, const std::string& text, const std::string& picture);

    const ResourceLibrary& library_;
    QWidget* productPage_ = nullptr;
    QWidget* gamePage_ = nullptr;
    QLabel* lblName_ = nullptr;
    QLabel* lblProblem_ = nullptr;
    GaugeRow time_{};
    GaugeRow difficulty_{};
    GaugeRow chance_{};
    QLabel* lblDecks_ = nullptr;
    QLabel* lblRedeals_ = nullptr;
    GamePreviewPane* preview_ = nullptr;
};

}  // namespace dravicor
