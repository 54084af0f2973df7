#include "ui/custom_help_dialog.h"

#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/dialog_buttons.h"

namespace dravicor {

namespace {

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QLabel* Label(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

}  // namespace

TfrmCustomHelp::TfrmCustomHelp(const CustomRulesComparison& comparison, std::function<void()> showBaseRules,
                               QWidget* parent)
    : QDialog(parent), showBaseRules_(std::move(showBaseRules)) {
    FormCreate(comparison);
}

void TfrmCustomHelp::FormCreate(const CustomRulesComparison& comparison) {
    setObjectName(QStringLiteral("frmCustomHelp"));
    setWindowTitle(QStringLiteral("Help [") + Text(comparison.name) + QStringLiteral("]"));

    QLabel* lblName = Label(this, "lblName", Text(comparison.name));
    QFont bold = lblName->font();
    bold.setBold(true);
    lblName->setFont(bold);

    auto* origin = new QHBoxLayout;
    origin->addWidget(Label(this, "lblComesFrom", QStringLiteral("This game comes from:")));
    origin->addWidget(Label(this, "lblBaseName", Text(comparison.baseName)));
    origin->addStretch();

    auto* btnRules = NewDialogButton(this, QStringLiteral("&Rules"), "btnRules");
    auto* rules = new QHBoxLayout;
    rules->addWidget(btnRules);
    rules->addWidget(Label(this, "lblRulesHint",
                           QStringLiteral("Click this button to view ") + Text(comparison.baseName) +
                               QStringLiteral(" rules")));
    rules->addStretch();

    auto* grid = new QGridLayout;
    grid->addWidget(Label(this, "lblCardsDealt", QStringLiteral("Cards dealt:")), 0, 0);
    grid->addWidget(Label(this, "lblRedeals", QStringLiteral("Redeals:")), 0, 1);
    grid->addWidget(Label(this, "lblTableauSpaces", QStringLiteral("Tableau spaces:")), 0, 2);
    const RulesComparisonRow* rows[2] = {&comparison.custom, &comparison.base};
    static const char* const kNames[2][3] = {{"edtCustomCards", "edtCustomRedeals", "edtCustomTableau"},
                                             {"edtBaseCards", "edtBaseRedeals", "edtBaseTableau"}};
    for (int row = 0; row < 2; ++row) {
        const std::string* values[3] = {&rows[row]->cardsDealt, &rows[row]->redeals, &rows[row]->tableauSpaces};
        for (int column = 0; column < 3; ++column) {
            auto* edit = new QLineEdit(Text(*values[column]), this);
            edit->setObjectName(QLatin1String(kNames[row][column]));
            edit->setReadOnly(true);
            grid->addWidget(edit, row + 1, column);
            boxes_[row][column] = edit;
        }
    }

    auto* btnOK = NewDialogButton(this, QStringLiteral("OK"), "btnOK", ButtonKind::Default);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(btnOK);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblName);
    layout->addLayout(origin);
    layout->addLayout(rules);
    layout->addLayout(grid);
    layout->addLayout(bottom);

    connect(btnRules, &QPushButton::clicked, this, [this] {
        if (showBaseRules_) showBaseRules_();
    });
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
}

QLineEdit& TfrmCustomHelp::box(int row, int column) const { return *boxes_[row][column]; }

}  // namespace dravicor
