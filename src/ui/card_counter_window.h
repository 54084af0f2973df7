#pragma once

#include <map>
#include <string>
#include <string_view>

#include <QPixmap>
#include <QWidget>

#include "engine/card_counter.h"

class QAction;

namespace dravicor {

class Program;
class ResourceLibrary;

// "Card counter": a small tool window over the main window showing, for every
// card of the game, whether the player has seen it. It follows the table by
// recounting from the position (recount()) after each change the caller
// reports; its options and place live in the configuration file.
class TfrmCardCounter final : public QWidget {
    Q_OBJECT

public:
    // Reads the stored options and place; the window is not shown yet.
    TfrmCardCounter(Program& program, const ResourceLibrary& library, QWidget* parent = nullptr);

    // After any change of the table: marks the cards afresh from the
    // position as far as the options look (see CardCounter::Refresh).
    // Nothing while the window is hidden: showing it recounts.
    void recount();
    // A new deal (or another game): every mark is counted anew and the
    // window takes the game's height.
    void resetForGame();

    const CardCounter& counter() const { return counter_; }
    // The painted area: kCardCounterWidth by the game's height.
    QWidget& canvas() const { return *imgCounter_; }

signals:
    // The window was closed by the user (or by close()); its preferences
    // say it is hidden.
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    class Canvas;

    void FormCreate();
    void mnuTableauClick();
    void mnuStockClick();
    void mnuInvertedClick();
    void optionsChanged();
    void showCounter();
    void savePreferences(bool visible);
    // The library's picture of that name; a null pixmap when it has none.
    const QPixmap& picture(std::string_view name) const;

    Program& program_;
    std::map<std::string, QPixmap, std::less<>> pictures_;
    CardCounter counter_;
    QWidget* imgCounter_ = nullptr;  // a Canvas
    QAction* mnuTableau_ = nullptr;
    QAction* mnuStock_ = nullptr;
    QAction* mnuInverted_ = nullptr;
};

// Whether the stored preferences ask for the card counter at start-up.
bool CardCounterShownAtStartup(const Program& program);

}  // namespace dravicor
