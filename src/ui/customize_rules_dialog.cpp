#include "ui/customize_rules_dialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

#include "common/product.h"
#include "rules/catalogue.h"
#include "select/custom_game_creation.h"
#include "select/open_game_choice.h"
#include "shell/program.h"
#include "ui/customize_rules_name_dialog.h"
#include "ui/dialog_buttons.h"
#include "ui/qt_text.h"
#include "ui/up_down.h"

namespace dravicor {

namespace {

QRadioButton* Radio(const char* name, const QString& caption, QWidget* parent) {
    auto* radio = new QRadioButton(caption, parent);
    radio->setObjectName(QLatin1String(name));
    return radio;
}

QLineEdit* NumberBox(const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setMaxLength(kRuleBoxLength);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    return edit;
}

}  // namespace

TfrmCustomizeRules::TfrmCustomizeRules(Program& program, QWidget* parent) : QDialog(parent), program_(program) {
    FormCreate();
}

TfrmCustomizeRules::~TfrmCustomizeRules() = default;

void TfrmCustomizeRules::FormCreate() {
    setObjectName(QStringLiteral("frmCustomizeRules"));

    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("pgcRules"));
    stockPage_ = buildStockPage();
    pages_->addTab(stockPage_, QStringLiteral(" &Stock "));
    pages_->addTab(buildTableauPage(), QStringLiteral(" &Tableau "));

    btnDelete_ = new QPushButton(QStringLiteral("De&lete"), this);
    btnDelete_->setObjectName(QStringLiteral("btnDelete"));
    btnDelete_->setAutoDefault(false);
    const DialogButtons buttons = MakeOkCancelHelp(this);
    btnOK_ = buttons.ok;
    btnHelp_ = buttons.help;
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(btnDelete_);
    bottom->addStretch(1);
    bottom->addWidget(buttons.box);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnOK_, &QPushButton::clicked, this, &TfrmCustomizeRules::btnOKClick);
    connect(buttons.cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnHelp_, &QPushButton::clicked, this, [this] {
        if (showHelp_) showHelp_();
    });
    connect(btnDelete_, &QPushButton::clicked, this, &TfrmCustomizeRules::btnDeleteClick);
}

QWidget* TfrmCustomizeRules::buildStockPage() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("tabStock"));

    edtCards_ = NumberBox("edtCards", page);
    spnCards_ = new UpDown(edtCards_, kMinCardsPerClick, kMaxCardsPerClick, page);
    spnCards_->setObjectName(QStringLiteral("spnCards"));
    lblCards_ = new QLabel(QStringLiteral("&Cards dealt by clicking on the stock:"), page);
    lblCards_->setObjectName(QStringLiteral("lblCards"));
    lblCards_->setBuddy(edtCards_);
    auto* cards = new QHBoxLayout;
    cards->addWidget(lblCards_);
    cards->addWidget(edtCards_);
    cards->addWidget(spnCards_);
    cards->addStretch(1);

    grpRedeals_ = new QGroupBox(QStringLiteral("&Redeals of the stock: "), page);
    grpRedeals_->setObjectName(QStringLiteral("grpRedeals"));
    rbtUnlimited_ = Radio("rbtUnlimited", QStringLiteral("&Unlimited"), grpRedeals_);
    rbtNoRedeals_ = Radio("rbtNoRedeals", QStringLiteral("No redeals (&only 1 deal)"), grpRedeals_);
    rbtSpecified_ = Radio("rbtSpecified", QStringLiteral("Specified nu&mber:"), grpRedeals_);
    edtRedeals_ = NumberBox("edtRedeals", grpRedeals_);
    spnRedeals_ = new UpDown(edtRedeals_, kMinRedeals, kMaxRedeals, grpRedeals_);
    spnRedeals_->setObjectName(QStringLiteral("spnRedeals"));
    auto* specified = new QHBoxLayout;
    specified->addWidget(rbtSpecified_);
    specified->addWidget(edtRedeals_);
    specified->addWidget(spnRedeals_);
    specified->addStretch(1);
    auto* redeals = new QVBoxLayout(grpRedeals_);
    redeals->addWidget(rbtUnlimited_);
    redeals->addWidget(rbtNoRedeals_);
    redeals->addLayout(specified);

    lblDeals_ = new QLabel(page);
    lblDeals_->setObjectName(QStringLiteral("lblDeals"));
    // Room for the longest text, kept while hidden: the dialog does not
    // change its width as the player picks a redeal choice.
    lblDeals_->setMinimumWidth(lblDeals_->fontMetrics().horizontalAdvance(QStringLiteral("(999 deals in all)")));
    QSizePolicy keepRoom = lblDeals_->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    lblDeals_->setSizePolicy(keepRoom);
    auto* redealRow = new QHBoxLayout;
    redealRow->addWidget(grpRedeals_);
    redealRow->addWidget(lblDeals_, 0, Qt::AlignBottom);
    redealRow->addStretch(1);

    auto* layout = new QVBoxLayout(page);
    layout->addLayout(cards);
    layout->addSpacing(8);
    layout->addLayout(redealRow);
    layout->addStretch(1);

    connect(edtCards_, &QLineEdit::textChanged, this, &TfrmCustomizeRules::controlsChanged);
    connect(edtRedeals_, &QLineEdit::textChanged, this, &TfrmCustomizeRules::controlsChanged);
    for (QRadioButton* radio : {rbtUnlimited_, rbtNoRedeals_, rbtSpecified_}) {
        connect(radio, &QRadioButton::toggled, this, &TfrmCustomizeRules::controlsChanged);
    }
    return page;
}

QWidget* TfrmCustomizeRules::buildTableauPage() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("tabTableau"));

    grpTableau_ = new QGroupBox(QStringLiteral("Spaces in empty tableau piles can be filled with: "), page);
    grpTableau_->setObjectName(QStringLiteral("grpTableau"));
    rbtKing_ = Radio("rbtKing", QStringLiteral("&King only (or pile with a King at the top);"), grpTableau_);
    // The choice's second line: a click on it chooses it too.
    lblKingBelowBase_ = new QLabel(QStringLiteral("or 1 rank below the base card"), grpTableau_);
    lblKingBelowBase_->setObjectName(QStringLiteral("lblKingBelowBase"));
    lblKingBelowBase_->installEventFilter(this);
    rbtAnyCard_ = Radio("rbtAnyCard", QStringLiteral("&Any card (or legal sequence)"), grpTableau_);
    rbtNone_ = Radio("rbtNone", QStringLiteral("&None (spaces cannot be filled)"), grpTableau_);
    // A group of its own, so the three can all be cleared.
    tableauChoices_ = new QButtonGroup(this);
    tableauChoices_->addButton(rbtKing_, static_cast<int>(TableauChoice::KingOnly));
    tableauChoices_->addButton(rbtAnyCard_, static_cast<int>(TableauChoice::AnyCard));
    tableauChoices_->addButton(rbtNone_, static_cast<int>(TableauChoice::None));

    const int indent = rbtKing_->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                       rbtKing_->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
    auto* kingSecondLine = new QHBoxLayout;
    kingSecondLine->addSpacing(indent);
    kingSecondLine->addWidget(lblKingBelowBase_);
    kingSecondLine->addStretch(1);
    auto* choices = new QVBoxLayout(grpTableau_);
    choices->addWidget(rbtKing_);
    choices->addLayout(kingSecondLine);
    choices->addWidget(rbtAnyCard_);
    choices->addWidget(rbtNone_);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(grpTableau_);
    layout->addStretch(1);

    connect(tableauChoices_, &QButtonGroup::idToggled, this, &TfrmCustomizeRules::controlsChanged);
    return page;
}

void TfrmCustomizeRules::setHelp(std::function<void()> showHelp) {
    showHelp_ = std::move(showHelp);
    btnHelp_->setEnabled(static_cast<bool>(showHelp_));
}

bool TfrmCustomizeRules::FormShow() {
    const int code = program_.game().gameCode;
    if (code == kNoGame) return false;
    gameName_ = GameNameOf(program_.gameList(), code, program_.customGames());
    CustomRulesControls start;
    try {
        // The rules as loaded: a deal may have rewritten the empty-tableau
        // entries (a rank below a base card drawn for the deal).
        const GameRules rules = LoadGameRules(program_.cataloguePath(), code, program_.customGames());
        start = StartingControls(rules, program_.customGameFile().customizableRules(program_.cataloguePath(), code));
    } catch (const CatalogueError& error) {
        program_.platform().messages.showMessage(error.what(), kProductName, MessageIcon::Error);
        return false;
    }

    setWindowTitle(QStringLiteral("Customize rules [") + ToQString(gameName_) + QStringLiteral("]"));
    btnDelete_->setEnabled(code >= kFirstCustomCode);
    pages_->setCurrentWidget(stockPage_);

    edtCards_->setText(ToQString(start.cardsText));
    lblCards_->setEnabled(start.cardsEnabled);
    edtCards_->setEnabled(start.cardsEnabled);
    spnCards_->setEnabled(start.cardsEnabled);

    edtRedeals_->setText(ToQString(start.redealsText));
    switch (start.redealChoice) {
        case RedealChoice::Unlimited: rbtUnlimited_->setChecked(true); break;
        case RedealChoice::NoRedeal: rbtNoRedeals_->setChecked(true); break;
        case RedealChoice::Specified: rbtSpecified_->setChecked(true); break;
    }
    grpRedeals_->setEnabled(start.redealsEnabled);

    tableauChoices_->setExclusive(false);
    for (QAbstractButton* choice : tableauChoices_->buttons()) choice->setChecked(false);
    tableauChoices_->setExclusive(true);
    if (start.tableauChoice) tableauChoices_->button(static_cast<int>(*start.tableauChoice))->setChecked(true);
    grpTableau_->setEnabled(start.tableauEnabled);

    start_ = ReadCustomRulesControls(start);
    controlsChanged();
    return true;
}

CustomRulesControls TfrmCustomizeRules::controls() const {
    CustomRulesControls now;
    now.cardsEnabled = edtCards_->isEnabled();
    now.cardsText = ToUtf8(edtCards_->text());
    now.redealsEnabled = grpRedeals_->isEnabled();
    now.redealChoice = rbtUnlimited_->isChecked()   ? RedealChoice::Unlimited
                       : rbtNoRedeals_->isChecked() ? RedealChoice::NoRedeal
                                                    : RedealChoice::Specified;
    now.redealsText = ToUtf8(edtRedeals_->text());
    now.tableauEnabled = rbtKing_->isEnabled() && rbtAnyCard_->isEnabled() && rbtNone_->isEnabled();
    const int checked = tableauChoices_->checkedId();
    if (checked > 0) now.tableauChoice = static_cast<TableauChoice>(checked);
    return now;
}

void TfrmCustomizeRules::controlsChanged() {
    const CustomRulesControls now = controls();
    const bool specified = now.redealChoice == RedealChoice::Specified;
    edtRedeals_->setEnabled(specified);
    spnRedeals_->setEnabled(specified);
    const auto label = DealsLabel(now);
    lblDeals_->setText(label ? ToQString(*label) : QString());
    lblDeals_->setVisible(label.has_value());
    btnOK_->setEnabled(ReadCustomRulesControls(now) != start_);
}

bool TfrmCustomizeRules::checkNumbers(const CustomRulesReading& reading) {
    const auto box = BoxNeedingNumbers(reading);
    if (!box) return true;
    program_.platform().messages.showMessage(kOnlyNumbers, kProductName, MessageIcon::Information);
    pages_->setCurrentWidget(stockPage_);
    QLineEdit* edit = *box == RuleBox::Cards ? edtCards_ : edtRedeals_;
    edit->setFocus();
    edit->selectAll();
    return false;
}

void TfrmCustomizeRules::btnOKClick() {
    if (!checkNumbers(ReadCustomRulesControls(controls()))) return;
    TfrmCustomizeRules2 naming(program_, windowTitle(), gameName_, this);
    const auto name = naming.run();
    if (!name) return;
    const CustomRulesReading reading = ReadCustomRulesControls(controls());
    if (!checkNumbers(reading)) return;
    const auto code = AddCustomGame(program_, *name, *ValuesToSave(reading));
    if (!code) return;  // the reason was shown; the player may try again
    savedCode_ = *code;
    accept();
}

void TfrmCustomizeRules::btnDeleteClick() {
    if (!DeleteCustomGame(program_, program_.game().gameCode, DeleteCaller::CustomizeRulesDialog)) return;
    deleted_ = true;
    accept();
}

bool TfrmCustomizeRules::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lblKingBelowBase_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && rbtKing_->isEnabled()) {
        rbtKing_->setChecked(true);
        rbtKing_->setFocus();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

CustomizeRulesOutcome TfrmCustomizeRules::run() {
    savedCode_ = -1;
    deleted_ = false;
    if (!FormShow()) return CustomizeRulesOutcome::Cancelled;
    edtCards_->setFocus();
    exec();
    if (deleted_) return CustomizeRulesOutcome::Deleted;
    if (savedCode_ < 0) return CustomizeRulesOutcome::Cancelled;
    return OfferNewCustomGame(program_, savedCode_) == NewCustomGameStart::Added ? CustomizeRulesOutcome::Added
                                                                                 : CustomizeRulesOutcome::AddedAndDealt;
}

CustomizeRulesOutcome ShowCustomizeRules(Program& program, QWidget* parent, std::function<void()> showHelp) {
    TfrmCustomizeRules dialog(program, parent);
    if (showHelp) dialog.setHelp(std::move(showHelp));
    return dialog.run();
}

}  // namespace dravicor
