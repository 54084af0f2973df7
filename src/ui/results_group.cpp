#include "ui/results_group.h"

#include <QGridLayout>
#include <QLabel>

#include "ui/qt_text.h"
#include "ui/chart_maker.h"

namespace dravicor {

QLabel* NewFigureLabel(QWidget* parent, const char* objectName) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(objectName));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("000000")));
    return label;
}

ResultsGroup::ResultsGroup(const char* objectName, bool withPie, QWidget* parent)
    : QGroupBox(parent),
      lblWon_(NewFigureLabel(this, "lblWon")),
      lblLost_(NewFigureLabel(this, "lblLost")),
      lblTotal_(NewFigureLabel(this, "lblTotal")),
      lblWonPercent_(NewFigureLabel(this, "lblWonPercent")),
      lblLostPercent_(NewFigureLabel(this, "lblLostPercent")) {
    setObjectName(QLatin1String(objectName));
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(12);
    grid->addWidget(new QLabel(QStringLiteral("Perc.:"), this), 0, 3, Qt::AlignRight);
    grid->addWidget(new QLabel(QStringLiteral("Won:"), this), 1, 1);
    grid->addWidget(lblWon_, 1, 2);
    grid->addWidget(lblWonPercent_, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Lost:"), this), 2, 1);
    grid->addWidget(lblLost_, 2, 2);
    grid->addWidget(lblLostPercent_, 2, 3);
    grid->addWidget(new QLabel(QStringLiteral("Total:"), this), 3, 1);
    grid->addWidget(lblTotal_, 3, 2);
    grid->setRowStretch(4, 1);
    grid->setColumnStretch(4, 1);
    ChartMaker* charts = withPie ? LoadChartMaker() : nullptr;
    if (charts != nullptr) {
        grid->addWidget(NewChartSwatch(0, this), 1, 0);
        grid->addWidget(NewChartSwatch(1, this), 2, 0);
        pie_ = charts->newResultsPie(this);
        pie_->widget()->setObjectName(QStringLiteral("chtResults"));
        grid->addWidget(pie_->widget(), 0, 4, 5, 1);
    }
}

void ResultsGroup::showFigures(const QString& title, const ResultFigures& figures,
                               const std::array<ChartValue, 2>& pie) {
    setTitle(title);
    lblWon_->setText(QString::number(figures.won));
    lblLost_->setText(QString::number(figures.lost));
    lblTotal_->setText(QString::number(figures.total));
    lblWonPercent_->setText(ToQString(PercentText(figures.percent.won)));
    lblLostPercent_->setText(ToQString(PercentText(figures.percent.lost)));
    if (pie_ != nullptr) pie_->setSlices(pie);
}

}  // namespace dravicor
