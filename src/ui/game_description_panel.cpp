#include "ui/game_description_panel.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "select/game_description.h"
#include "ui/game_preview_pane.h"
#include "ui/qt_text.h"
#include "ui/resource_library.h"

namespace dravicor {

namespace {

QLabel* NamedLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

}  // namespace

GameDescriptionPanel::GameDescriptionPanel(const ResourceLibrary& library, bool fewColours, QWidget* parent)
    : QStackedWidget(parent), library_(library) {
    productPage_ = new QWidget(this);
    auto* product = NamedLabel("imgProduct", productPage_);
    product->setPixmap(library_.LoadNamedBitmap(kProductPicture));
    product->setAlignment(Qt::AlignCenter);
    auto* productLayout = new QVBoxLayout(productPage_);
    productLayout->setContentsMargins(0, 0, 0, 0);
    productLayout->addWidget(product);
    addWidget(productPage_);

    gamePage_ = new QWidget(this);
    lblName_ = NamedLabel("lblGameName", gamePage_);
    QFont bold = lblName_->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    lblName_->setFont(bold);
    lblName_->setWordWrap(true);
    lblProblem_ = NamedLabel("lblProblem", gamePage_);
    lblProblem_->setWordWrap(true);
    lblProblem_->setStyleSheet(QStringLiteral("color: #a00000"));

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    time_ = addGauge(*grid, 0, "Game time:", "Time");
    difficulty_ = addGauge(*grid, 1, "Difficulty:", "Difficulty");
    chance_ = addGauge(*grid, 2, "Chance of winning:", "Chance");
    grid->addWidget(new QLabel(QStringLiteral("Decks:"), gamePage_), 3, 0);
    lblDecks_ = NamedLabel("lblDecks", gamePage_);
    grid->addWidget(lblDecks_, 3, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Redeals:"), gamePage_), 4, 0);
    lblRedeals_ = NamedLabel("lblRedeals", gamePage_);
    grid->addWidget(lblRedeals_, 4, 1, 1, 2);
    grid->setColumnStretch(2, 1);

    preview_ = new GamePreviewPane(fewColours, gamePage_);
    preview_->setObjectName(QStringLiteral("imgPreview"));

    auto* layout = new QVBoxLayout(gamePage_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(lblName_);
    layout->addWidget(lblProblem_);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addWidget(preview_, 0, Qt::AlignHCenter);
    addWidget(gamePage_);
    showProduct();
}

GameDescriptionPanel::GaugeRow GameDescriptionPanel::addGauge(QGridLayout& grid, int row, const char* caption,
                                                              const char* name) {
    grid.addWidget(new QLabel(QLatin1String(caption), gamePage_), row, 0);
    GaugeRow gauge{NamedLabel((std::string("img") + name).c_str(), gamePage_),
                   NamedLabel((std::string("lbl") + name).c_str(), gamePage_)};
    gauge.picture->setFixedSize(80, 14);
    grid.addWidget(gauge.picture, row, 1);
    grid.addWidget(gauge.text, row, 2);
    return gauge;
}

void GameDescriptionPanel::showGauge(const GaugeRow& row, const std::string& text, const std::string& picture) {
    row.text->setText(ToQString(text));
    row.picture->setPixmap(picture.empty() ? QPixmap() : library_.LoadNamedBitmap(picture));
}

void GameDescriptionPanel::showProduct() { setCurrentWidget(productPage_); }

bool GameDescriptionPanel::showsGame() const { return currentWidget() == gamePage_; }

void GameDescriptionPanel::showGame(const GameDescription& description, bool preview) {
    lblName_->setText(ToQString(description.name));
    lblProblem_->setText(ToQString(description.problem));
    lblProblem_->setVisible(!description.problem.empty());
    showGauge(time_, description.time.text, description.time.picture);
    showGauge(difficulty_, description.difficulty.text, description.difficulty.picture);
    showGauge(chance_, description.chance.text, description.chance.picture);
    lblDecks_->setText(ToQString(description.decks));
    lblRedeals_->setText(ToQString(description.redeals));
    preview_->setPicture(preview && !description.preview.empty() ? library_.LoadNamedBitmap(description.preview)
                                                                 : QPixmap());
    setCurrentWidget(gamePage_);
}

}  // namespace dravicor
