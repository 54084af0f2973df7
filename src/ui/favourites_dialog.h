#pragma once

#include <functional>
#include <memory>

#include <QDialog>
#include <QListWidget>

#include "select/favourites.h"

class QPushButton;

namespace dravicor {

class Program;

// A list of game names that takes names dragged from its partner list.
class GameNameList final : public QListWidget {
    Q_OBJECT

public:
    explicit GameNameList(QWidget* parent = nullptr);
    void setPartner(GameNameList* partner) { partner_ = partner; }

signals:
    // The partner's selected names were dropped here.
    void namesDropped();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    bool fromPartner(const QDropEvent* event) const;
    GameNameList* partner_ = nullptr;
};

// "Favorite games": every game on the left, the favourites on the right;
// OK writes the favourites in their alphabetical order.
class TfrmFavorite final : public QDialog {
    Q_OBJECT

public:
    explicit TfrmFavorite(Program& program, QWidget* parent = nullptr);
    ~TfrmFavorite() override;

    // "&?" opens this; without it the button is disabled.
    void setHelp(std::function<void()> help);

    // ">": the names selected in the games list become favourites; "<" the
    // reverse; "<<" every favourite goes back.
    void btnAddClick();
    void btnRemoveClick();
    void btnRemoveAllClick();

private:
    void FormCreate();
    void showLists();
    void btnOKClick();

    Program& program_;
    std::unique_ptr<FavouritesChoice> choice_;
    std::function<void()> help_;
    GameNameList* lbAll_ = nullptr;
    GameNameList* lbSelected_ = nullptr;
    QPushButton* btnHelp_ = nullptr;
};

}  // namespace dravicor
