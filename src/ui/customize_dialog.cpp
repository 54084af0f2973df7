#include "ui/customize_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include "common/product.h"
#include "common/profile_file.h"
#include "common/settings_record.h"
#include "shell/preferences.h"
#include "shell/program.h"
#include "ui/bitmap_animated.h"
#include "ui/card_images.h"
#include "ui/qt_text.h"
#include "ui/resource_library.h"
#include "ui/table_background.h"

namespace dravicor {

namespace {

constexpr int kKeyRole = Qt::UserRole;
constexpr QSize kSampleSize(160, 110);
constexpr int kFaceSampleColumns = 4;
constexpr QSize kAnimationSize(160, 80);
constexpr long long kSilver = 12632256;

enum EffectRow { Shadowed = 0, Animated = 1, IrregularPiles = 2 };

QPixmap LibraryPicture(const ResourceLibrary* library, std::string_view name) {
    return library ? library->LoadNamedBitmap(name) : QPixmap();
}

// The preview strips: a card crossing a silver field, jumping in two
// frames or gliding in twelve.
QPixmap AnimationStrip(int frames) {
    QPixmap strip(kAnimationSize.width() * frames, kAnimationSize.height());
    strip.fill(QColor(192, 192, 192));
    QPainter painter(&strip);
    const QSize card(36, 50);
    const int travel = kAnimationSize.width() - card.width() - 20;
    for (int f = 0; f < frames; ++f) {
        const int x = f * kAnimationSize.width() + 10 + (frames > 1 ? travel * f / (frames - 1) : 0);
        const QRect rect(QPoint(x, 15), card);
        painter.setPen(Qt::black);
        painter.setBrush(Qt::white);
        painter.drawRoundedRect(rect, 3, 3);
        painter.setPen(Qt::red);
        painter.drawText(rect, Qt::AlignCenter, QStringLiteral("A\u2665"));
    }
    return strip;
}

QCheckBox* NamedCheck(const QString& name, const QString& caption, QWidget* parent) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    return box;
}

QPushButton* NamedButton(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

}  // namespace

TfrmCustomize::TfrmCustomize(Program& program, const ResourceLibrary* library, CustomizeLinks links,
                             QWidget* parent)
    : QDialog(parent), program_(program), library_(library), links_(std::move(links)),
      images_(program.programDir()) {
    FormCreate();
}

TfrmCustomize::~TfrmCustomize() = default;

void TfrmCustomize::FormCreate() {
    setObjectName(QStringLiteral("frmCustomize"));
    setWindowTitle(QStringLiteral("Customize"));

    auto* pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("pgcCustomize"));
    pages->addTab(createCardsPage(), QStringLiteral(" &Cards "));
    pages->addTab(createDecksPage(), QStringLiteral(" &Decks "));
    pages->addTab(createBackgroundsPage(), QStringLiteral("&Backgrounds"));
    pages->addTab(createTruePlayPage(), QStringLiteral("&True play"));
    pages->addTab(createSoundsPage(), QStringLiteral(" &Sounds "));
    pages->addTab(createCursorsPage(), QStringLiteral(" &Cursors "));

    auto* buttons = new QDialogButtonBox(this);
    auto* btnOK = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    auto* btnCancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    auto* btnApply = buttons->addButton(QStringLiteral("&Apply"), QDialogButtonBox::ApplyRole);
    btnApply->setObjectName(QStringLiteral("btnApply"));
    btnHelp_ = buttons->addButton(QStringLiteral("&?"), QDialogButtonBox::HelpRole);
    btnHelp_->setObjectName(QStringLiteral("btnHelp"));
    btnHelp_->setEnabled(static_cast<bool>(links_.help));
    connect(btnOK, &QPushButton::clicked, this, &TfrmCustomize::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnApply, &QPushButton::clicked, this, &TfrmCustomize::btnApplyClick);
    connect(btnHelp_, &QPushButton::clicked, this, [this] {
        if (links_.help) links_.help();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages);
    layout->addWidget(buttons);
}

QWidget* TfrmCustomize::createCardsPage() {
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    faceSamples_ = new QButtonGroup(page);
    faceSamples_->setExclusive(true);
    for (int i = 0; i < static_cast<int>(kFaceSetCodes.size()); ++i) {
        auto* sample = new QToolButton(page);
        sample->setObjectName(QStringLiteral("imgFace") + ToQString(kFaceSetCodes[i]));
        sample->setCheckable(true);
        sample->setIconSize(kSampleSize);
        sample->setToolTip(ToQString(kFaceSetCodes[i]));
        faceSamples_->addButton(sample, i);
        grid->addWidget(sample, i / kFaceSampleColumns, i % kFaceSampleColumns);
    }
    connect(faceSamples_, &QButtonGroup::idClicked, this, [this] { drawFaceSamples(); });
    chkRandomCards_ = NamedCheck(QStringLiteral("chkRandomCards"), QStringLiteral("Random &cards"), page);
    const int rows = (static_cast<int>(kFaceSetCodes.size()) + kFaceSampleColumns - 1) / kFaceSampleColumns;
    grid->addWidget(chkRandomCards_, rows, 0, 1, kFaceSampleColumns);
    return page;
}

QWidget* TfrmCustomize::createDecksPage() {
    auto* page = new QWidget(this);
    trvBacks_ = new QTreeWidget(page);
    trvBacks_->setObjectName(QStringLiteral("trvBacks"));
    trvBacks_->setHeaderHidden(true);
    QTreeWidgetItem* folder = nullptr;
    for (const CardBackEntry& back : CardBackChoices()) {
        if (!folder || folder->text(0) != ToQString(back.folder)) {
            folder = new QTreeWidgetItem(trvBacks_, {ToQString(back.folder)});
            folder->setData(0, kKeyRole, 0);
        }
        auto* item = new QTreeWidgetItem(folder, {ToQString(back.name)});
        item->setData(0, kKeyRole, back.number);
    }
    connect(trvBacks_, &QTreeWidget::currentItemChanged, this, &TfrmCustomize::trvBacksChange);
    lblBackName_ = new QLabel(page);
    lblBackName_->setObjectName(QStringLiteral("lblBackName"));
    imgBack_ = new QLabel(page);
    imgBack_->setObjectName(QStringLiteral("imgBack"));
    imgBack_->setFixedSize(kSampleSize);
    chkRandomDecks_ = NamedCheck(QStringLiteral("chkRandomDecks"), QStringLiteral("Random &decks"), page);

    auto* preview = new QVBoxLayout;
    preview->addWidget(lblBackName_);
    preview->addWidget(imgBack_);
    preview->addStretch();
    auto* layout = new QGridLayout(page);
    layout->addWidget(new QLabel(QStringLiteral("Select a card back:"), page), 0, 0);
    layout->addWidget(trvBacks_, 1, 0);
    layout->addLayout(preview, 1, 1);
    layout->addWidget(chkRandomDecks_, 2, 0, 1, 2);
    return page;
}

QWidget* TfrmCustomize::createBackgroundsPage() {
    auto* page = new QWidget(this);
    trvBackgrounds_ = new QTreeWidget(page);
    trvBackgrounds_->setObjectName(QStringLiteral("trvBackgrounds"));
    trvBackgrounds_->setHeaderHidden(true);
    QTreeWidgetItem* group = nullptr;
    QTreeWidgetItem* folder = nullptr;
    for (const BackgroundEntry& entry : BackgroundChoices()) {
        if (!group || group->text(0) != ToQString(entry.group)) {
            group = new QTreeWidgetItem(trvBackgrounds_, {ToQString(entry.group)});
            group->setData(0, kKeyRole, 0LL);
            folder = nullptr;
        }
        QTreeWidgetItem* parent = group;
        if (!entry.folder.empty()) {
            if (!folder || folder->text(0) != ToQString(entry.folder)) {
                folder = new QTreeWidgetItem(group, {ToQString(entry.folder)});
                folder->setData(0, kKeyRole, 0LL);
            }
            parent = folder;
        }
        auto* item = new QTreeWidgetItem(parent, {ToQString(entry.name)});
        item->setData(0, kKeyRole, static_cast<qlonglong>(entry.key));
    }
    connect(trvBackgrounds_, &QTreeWidget::currentItemChanged, this, &TfrmCustomize::trvBackgroundsChange);
    lblBackgroundName_ = new QLabel(page);
    lblBackgroundName_->setObjectName(QStringLiteral("lblBackgroundName"));
    imgBackground_ = new QLabel(page);
    imgBackground_->setObjectName(QStringLiteral("imgBackground"));
    imgBackground_->setFixedSize(kSampleSize);
    btnSelectColor_ = NamedButton(QStringLiteral("btnSelectColor"), QStringLiteral("&Select color..."), page);
    connect(btnSelectColor_, &QPushButton::clicked, this, &TfrmCustomize::btnSelectColorClick);
    chkFade_ = NamedCheck(QStringLiteral("chkFade"), QStringLiteral("&Fade background"), page);
    connect(chkFade_, &QCheckBox::toggled, this, &TfrmCustomize::trvBackgroundsChange);
    chkRandomBackground_ =
        NamedCheck(QStringLiteral("chkRandomBackground"), QStringLiteral("Random bac&kground"), page);
    chkHighContrast_ = NamedCheck(QStringLiteral("chkHighContrast"),
                                  QStringLiteral("&High-contrast table (plain dark, thick focus frame)"), page);
    connect(chkHighContrast_, &QCheckBox::toggled, this, &TfrmCustomize::trvBackgroundsChange);

    auto* preview = new QVBoxLayout;
    preview->addWidget(lblBackgroundName_);
    preview->addWidget(imgBackground_);
    preview->addWidget(btnSelectColor_);
    preview->addWidget(chkFade_);
    preview->addStretch();
    auto* layout = new QGridLayout(page);
    layout->addWidget(new QLabel(QStringLiteral("Select a background:"), page), 0, 0);
    layout->addWidget(trvBackgrounds_, 1, 0);
    layout->addLayout(preview, 1, 1);
    layout->addWidget(chkRandomBackground_, 2, 0, 1, 2);
    layout->addWidget(chkHighContrast_, 3, 0, 1, 2);
    return page;
}

QWidget* TfrmCustomize::createTruePlayPage() {
    auto* page = new QWidget(this);
    lsbEffects_ = new QListWidget(page);
    lsbEffects_->setObjectName(QStringLiteral("lsbEffects"));
    for (const char* caption : {"Shadowed", "Animated", "Irregular piles"}) {
        auto* item = new QListWidgetItem(QString::fromLatin1(caption), lsbEffects_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    connect(lsbEffects_, &QListWidget::itemChanged, this, &TfrmCustomize::lsbEffectsShowPreview);
    connect(lsbEffects_, &QListWidget::currentRowChanged, this, &TfrmCustomize::lsbEffectsShowPreview);

    pnlEffectPreview_ = new QStackedWidget(page);
    pnlEffectPreview_->setObjectName(QStringLiteral("pnlEffectPreview"));
    imgShadow_ = new QLabel(pnlEffectPreview_);
    imgShadow_->setObjectName(QStringLiteral("imgShadow"));
    auto* animation = new QWidget(pnlEffectPreview_);
    aniStill_ = new C_TBitmapAnimated(animation);
    aniStill_->setObjectName(QStringLiteral("aniStill"));
    aniMoving_ = new C_TBitmapAnimated(animation);
    aniMoving_->setObjectName(QStringLiteral("aniMoving"));
    const std::pair<C_TBitmapAnimated*, std::pair<int, int>> animations[] = {{aniStill_, {2, 500}},
                                                                            {aniMoving_, {12, 100}}};
    for (const auto& [control, frames] : animations) {
        control->resize(kAnimationSize);
        control->setTransparentColor(kSilver);
        control->setBitMap(AnimationStrip(frames.first));
        control->setFrameCount(frames.first);
        control->setInterval(frames.second);
        control->hide();
    }
    imgIrregular_ = new QLabel(pnlEffectPreview_);
    imgIrregular_->setObjectName(QStringLiteral("imgIrregular"));
    pnlEffectPreview_->addWidget(imgShadow_);
    pnlEffectPreview_->addWidget(animation);
    pnlEffectPreview_->addWidget(imgIrregular_);
    pnlEffectPreview_->setFixedSize(kSampleSize);

    chkAutomaticFaceUp_ = NamedCheck(QStringLiteral("chkAutomaticFaceUp"),
                                     QStringLiteral("&Automatic face up tableau cards"), page);
    chkDealAnimation_ = NamedCheck(QStringLiteral("chkDealAnimation"), QStringLiteral("D&eal animation"), page);
    chkRedealAnimation_ =
        NamedCheck(QStringLiteral("chkRedealAnimation"), QStringLiteral("&Redeal animation"), page);
    trbSpeed_ = new QSlider(Qt::Horizontal, page);
    trbSpeed_->setObjectName(QStringLiteral("trbSpeed"));
    trbSpeed_->setRange(kSlowestSpeedPosition, kFastestSpeedPosition);
    trbSpeed_->setTickPosition(QSlider::TicksBelow);
    trbSpeed_->setPageStep(1);

    auto* speed = new QHBoxLayout;
    speed->addWidget(new QLabel(QStringLiteral("Slow"), page));
    speed->addWidget(trbSpeed_);
    speed->addWidget(new QLabel(QStringLiteral("Fast"), page));
    auto* layout = new QGridLayout(page);
    layout->addWidget(new QLabel(QStringLiteral("Cards effects:"), page), 0, 0);
    layout->addWidget(lsbEffects_, 1, 0);
    layout->addWidget(pnlEffectPreview_, 1, 1);
    layout->addWidget(chkAutomaticFaceUp_, 2, 0, 1, 2);
    layout->addWidget(chkDealAnimation_, 3, 0, 1, 2);
    layout->addWidget(chkRedealAnimation_, 4, 0, 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("Cards speed "), page), 5, 0, 1, 2);
    layout->addLayout(speed, 6, 0, 1, 2);
    return page;
}

QWidget* TfrmCustomize::createSoundsPage() {
    auto* page = new QWidget(this);
    lsbEvents_ = new QListWidget(page);
    lsbEvents_->setObjectName(QStringLiteral("lsbEvents"));
    lsbEvents_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    for (const SoundEventEntry& event : SoundEventChoices()) new QListWidgetItem(ToQString(event.caption), lsbEvents_);
    connect(lsbEvents_, &QListWidget::itemSelectionChanged, this, &TfrmCustomize::lsbEventsChange);
    btnEnable_ = NamedButton(QStringLiteral("btnEnable"), QStringLiteral("E&nable"), page);
    btnDisable_ = NamedButton(QStringLiteral("btnDisable"), QStringLiteral("D&isable"), page);
    btnPlay_ = NamedButton(QStringLiteral("btnPlay"), QStringLiteral("Play sound"), page);
    btnStop_ = NamedButton(QStringLiteral("btnStop"), QStringLiteral("Stop sound"), page);
    connect(btnEnable_, &QPushButton::clicked, this, [this] { setSelectedSounds(true); });
    connect(btnDisable_, &QPushButton::clicked, this, [this] { setSelectedSounds(false); });
    connect(btnPlay_, &QPushButton::clicked, this, [this] {
        const int row = lsbEvents_->currentRow();
        if (row >= 0) program_.platform().sound.play(SoundEventChoices()[row].previewEvent, SoundMode::Async);
    });
    connect(btnStop_, &QPushButton::clicked, this, [this] { program_.platform().sound.stop(); });
    chkNoSounds_ = NamedCheck(QStringLiteral("chkNoSounds"), QStringLiteral("Disable all &sounds"), page);
    connect(chkNoSounds_, &QCheckBox::toggled, this, &TfrmCustomize::chkNoSoundsClick);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {btnEnable_, btnDisable_, btnPlay_, btnStop_}) buttons->addWidget(button);
    buttons->addStretch();
    auto* layout = new QGridLayout(page);
    layout->addWidget(new QLabel(QStringLiteral("Events:"), page), 0, 0);
    layout->addWidget(lsbEvents_, 1, 0);
    layout->addLayout(buttons, 1, 1);
    layout->addWidget(chkNoSounds_, 2, 0, 1, 2);
    return page;
}

QWidget* TfrmCustomize::createCursorsPage() {
    auto* page = new QWidget(this);
    lsbCursors_ = new QListWidget(page);
    lsbCursors_->setObjectName(QStringLiteral("lsbCursors"));
    lsbCursors_->setViewMode(QListView::IconMode);
    lsbCursors_->setIconSize(QSize(32, 32));
    for (const CursorEntry& cursor : kCursorChoices) {
        QPixmap picture = LibraryPicture(library_, cursor.picture);
        if (!picture.isNull()) picture.setMask(picture.createMaskFromColor(QColor(0, 255, 0), Qt::MaskInColor));
        auto* item = new QListWidgetItem(QIcon(picture), QString(), lsbCursors_);
        item->setData(kKeyRole, cursor.code);
    }
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(QStringLiteral("Choose the mouse cursor you prefer:"), page));
    layout->addWidget(lsbCursors_);
    return page;
}

bool TfrmCustomize::fewColours() const { return program_.platform().screen.info().colourDepth <= 8; }

void TfrmCustomize::FormShow() {
    BusyScope busy(program_.platform().cursor);
    const SettingsRecord& settings = program_.settings();
    onEntry_.emplace(settings);
    confirmed_ = false;
    const CustomizeChoices c = ReadCustomizeChoices(settings);
    customColour_ = c.customColour;

    for (int i = 0; i < static_cast<int>(kFaceSetCodes.size()); ++i) {
        faceSamples_->button(i)->setChecked(kFaceSetCodes[i] == c.faceCode);
    }
    chkRandomCards_->setChecked(c.randomCards);
    chkRandomDecks_->setChecked(c.randomDecks);
    chkRandomBackground_->setChecked(c.randomBackground);
    trvBacks_->setCurrentItem(nullptr);
    for (QTreeWidgetItemIterator it(trvBacks_); *it && c.back > 0; ++it) {
        if ((*it)->data(0, kKeyRole).toInt() == c.back) {
            trvBacks_->setCurrentItem(*it);
            break;
        }
    }
    {
        const QSignalBlocker blockFade(chkFade_);
        const QSignalBlocker blockContrast(chkHighContrast_);
        chkFade_->setChecked(c.fade);
        chkHighContrast_->setChecked(c.highContrast);
    }
    trvBackgrounds_->setCurrentItem(nullptr);
    for (QTreeWidgetItemIterator it(trvBackgrounds_); *it; ++it) {
        if ((*it)->data(0, kKeyRole).toLongLong() == c.backgroundKey) {
            trvBackgrounds_->setCurrentItem(*it);
            break;
        }
    }
    trvBackgroundsChange();
    {
        const QSignalBlocker block(lsbEffects_);
        const bool effects[] = {c.shadowed, c.animated, c.irregularPiles};
        for (int row = 0; row < 3; ++row) lsbEffects_->item(row)->setCheckState(effects[row] ? Qt::Checked : Qt::Unchecked);
    }
    lsbEffectsShowPreview();
    chkAutomaticFaceUp_->setChecked(c.automaticFaceUp);
    chkDealAnimation_->setChecked(c.dealAnimation);
    chkRedealAnimation_->setChecked(c.redealAnimation);
    trbSpeed_->setValue(c.speedPosition);
    sounds_ = c.sounds;
    for (int row = 0; row < kSoundEventCount; ++row) showSoundItem(row);
    lsbEvents_->clearSelection();
    chkNoSounds_->setChecked(c.allSoundsOff);
    chkNoSoundsClick();
    lsbCursors_->setCurrentRow(CursorRowOf(c.cursorCode));
    drawFaceSamples();
}

CustomizeChoices TfrmCustomize::choices() const {
    CustomizeChoices c = ReadCustomizeChoices(program_.settings());
    if (faceSamples_->checkedId() >= 0) c.faceCode = std::string(kFaceSetCodes[faceSamples_->checkedId()]);
    c.back = trvBacks_->currentItem() ? trvBacks_->currentItem()->data(0, kKeyRole).toInt() : 0;
    c.backgroundKey = trvBackgrounds_->currentItem() ? trvBackgrounds_->currentItem()->data(0, kKeyRole).toLongLong() : 0;
    c.customColour = customColour_;
    c.fade = chkFade_->isChecked();
    c.randomBackground = chkRandomBackground_->isChecked();
    c.highContrast = chkHighContrast_->isChecked();
    c.randomCards = chkRandomCards_->isChecked();
    c.randomDecks = chkRandomDecks_->isChecked();
    c.shadowed = lsbEffects_->item(Shadowed)->checkState() == Qt::Checked;
    c.animated = lsbEffects_->item(Animated)->checkState() == Qt::Checked;
    c.irregularPiles = lsbEffects_->item(IrregularPiles)->checkState() == Qt::Checked;
    c.automaticFaceUp = chkAutomaticFaceUp_->isChecked();
    c.dealAnimation = chkDealAnimation_->isChecked();
    c.redealAnimation = chkRedealAnimation_->isChecked();
    c.speedPosition = trbSpeed_->value();
    c.allSoundsOff = chkNoSounds_->isChecked();
    c.sounds = sounds_;
    c.cursorCode = CursorCodeOfRow(lsbCursors_->currentRow());
    return c;
}

QPixmap TfrmCustomize::backgroundSample(QSize size) const {
    SettingsRecord sample = program_.settings();
    ApplyAppearance(sample, choices());
    QPixmap picture(size);
    QPainter painter(&picture);
    PaintTableBackground(painter, size, PlanTableBackground(sample, false, fewColours()), images_,
                         program_.platform().messages, palette());
    return picture;
}

void TfrmCustomize::trvBackgroundsChange() {
    const QTreeWidgetItem* item = trvBackgrounds_->currentItem();
    const long long key = item ? item->data(0, kKeyRole).toLongLong() : 0;
    // The high-contrast table hides whatever background is chosen.
    const bool chosen = !chkHighContrast_->isChecked();
    lblBackgroundName_->setText(!chosen ? QStringLiteral("High-contrast table") : item ? item->text(0) : QString());
    trvBackgrounds_->setEnabled(chosen);
    chkRandomBackground_->setEnabled(chosen);
    btnSelectColor_->setEnabled(chosen && key == kCustomColourKey);
    chkFade_->setEnabled(chosen && (key == kCustomColourKey || key > kLastPictureKey) && !fewColours());
    imgBackground_->setPixmap(backgroundSample(kSampleSize));
    trvBacksChange();
    drawFaceSamples();
}

void TfrmCustomize::trvBacksChange() {
    const QTreeWidgetItem* item = trvBacks_->currentItem();
    const int number = item ? item->data(0, kKeyRole).toInt() : 0;
    if (number <= 0) return;
    lblBackName_->setText(item->text(0));
    QPixmap sample = backgroundSample(kSampleSize);
    QPixmap back;
    if (images_.LoadImageFile("DB" + FormatField(number, 3), back)) {
        QPainter painter(&sample);
        const QPixmap fitted = back.scaled(kSampleSize - QSize(20, 20), Qt::KeepAspectRatio, Qt::SmoothTransformation);
        painter.drawPixmap((kSampleSize.width() - fitted.width()) / 2, (kSampleSize.height() - fitted.height()) / 2,
                           fitted);
    }
    imgBack_->setPixmap(sample);
}

void TfrmCustomize::drawFaceSamples() {
    for (int i = 0; i < static_cast<int>(kFaceSetCodes.size()); ++i) {
        const std::string_view code = kFaceSetCodes[i];
        QPixmap sample = backgroundSample(kSampleSize);
        // Ace of hearts, two of diamonds, three of clubs, four of spades:
        // a card of each suit, so the four-colour set shows its colours.
        QPainter painter(&sample);
        for (int suit = 0; suit < 4; ++suit) {
            QPixmap sheet;
            const std::string name =
                "C" + std::string(code.substr(3)) + std::string(code.substr(0, 3)) + "HDCS"[suit];
            if (!images_.LoadImageFile(name, sheet)) continue;
            const QSize card(sheet.width() / 5, sheet.height() / 3);
            const QPixmap face = sheet.copy(QRect(QPoint(suit * card.width(), 0), card))
                                     .scaledToHeight(kSampleSize.height() - 30, Qt::SmoothTransformation);
            painter.drawPixmap(10 + suit * 30, 15, face);
        }
        painter.end();
        auto* button = qobject_cast<QToolButton*>(faceSamples_->button(i));
        button->setIcon(QIcon(sample));
    }
}

void TfrmCustomize::btnSelectColorClick() {
    const auto current = static_cast<ColourRef>(customColour_);
    std::optional<ColourRef> chosen;
    if (links_.chooseColour) {
        chosen = links_.chooseColour(current);
    } else {
        const QColor colour = QColorDialog::getColor(ColourOfRef(current, palette()), this);
        if (colour.isValid()) chosen = static_cast<ColourRef>(colour.red() | colour.green() << 8 | colour.blue() << 16);
    }
    if (!chosen) return;
    customColour_ = *chosen;
    trvBackgroundsChange();
}

void TfrmCustomize::lsbEffectsShowPreview() {
    const int row = std::max(0, lsbEffects_->currentRow());
    const bool checked = lsbEffects_->item(row)->checkState() == Qt::Checked;
    pnlEffectPreview_->setCurrentIndex(row);
    aniStill_->setPlay(false);
    aniMoving_->setPlay(false);
    aniStill_->hide();
    aniMoving_->hide();
    switch (row) {
        case Shadowed:
            imgShadow_->setPixmap(LibraryPicture(library_, checked ? "CARD_WITH_SHADOW" : "CARD_WITHOUT_SHADOW"));
            break;
        case Animated: {
            C_TBitmapAnimated* shown = checked ? aniMoving_ : aniStill_;
            shown->show();
            shown->setPlay(true);
            break;
        }
        default:
            imgIrregular_->setPixmap(LibraryPicture(library_, checked ? "CARD_IRR_PILES_YES" : "CARD_IRR_PILES_NO"));
    }
}

void TfrmCustomize::showSoundItem(int row) {
    lsbEvents_->item(row)->setIcon(sounds_[row] ? QIcon(LibraryPicture(library_, "SOUND_ENABLED")) : QIcon());
    lsbEvents_->item(row)->setData(kKeyRole, sounds_[row]);
}

void TfrmCustomize::lsbEventsChange() {
    const QList<QListWidgetItem*> selected = lsbEvents_->selectedItems();
    const bool active = !selected.isEmpty() && !chkNoSounds_->isChecked();
    bool anyOff = false;
    bool anyOn = false;
    for (const QListWidgetItem* item : selected) (sounds_[lsbEvents_->row(item)] ? anyOn : anyOff) = true;
    btnPlay_->setEnabled(active);
    btnStop_->setEnabled(active);
    btnEnable_->setEnabled(active && anyOff);
    btnDisable_->setEnabled(active && anyOn);
}

void TfrmCustomize::setSelectedSounds(bool enabled) {
    for (const QListWidgetItem* item : lsbEvents_->selectedItems()) {
        const int row = lsbEvents_->row(item);
        sounds_[row] = enabled;
        showSoundItem(row);
    }
    lsbEventsChange();
}

void TfrmCustomize::chkNoSoundsClick() {
    lsbEvents_->setEnabled(!chkNoSounds_->isChecked());
    lsbEventsChange();
}

void TfrmCustomize::btnApplyClick() {
    ApplyAppearance(program_.settings(), choices());
    if (links_.appearanceChanged) links_.appearanceChanged();
}

void TfrmCustomize::btnOKClick() {
    const CustomizeChoices c = choices();
    if (AsksSmallCardQuestion(c.faceCode, onEntry_ ? onEntry_->cardSize() : "B") &&
        program_.platform().messages.ask(kSmallCardQuestion, kProductName, MessageButtons::OkCancel,
                                         MessageIcon::Information) != Answer::Ok) {
        return;
    }
    try {
        ProfileFile config = ConfigFile(program_.settings());
        SaveCustomizeChoices(program_.settings(), config, c);
    } catch (const ProfileWriteError& error) {
        program_.platform().messages.showMessage(error.what(), kProductName, MessageIcon::Information);
    }
    if (links_.preferencesSaved) links_.preferencesSaved();
    confirmed_ = true;
    accept();
}

void TfrmCustomize::done(int result) {
    aniStill_->setPlay(false);
    aniMoving_->setPlay(false);
    if (onEntry_) {
        if (confirmed_) {
            ApplyAppearance(program_.settings(), choices());
        } else {
            onEntry_->restore(program_.settings());
        }
        onEntry_.reset();
        if (links_.appearanceChanged) links_.appearanceChanged();
    }
    QDialog::done(result);
}

bool TfrmCustomize::run() {
    FormShow();
    return exec() == QDialog::Accepted && confirmed_;
}

}  // namespace dravicor
