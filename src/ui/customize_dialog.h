#pragma once

#include <functional>
#include <optional>

#include <QDialog>

#include "shell/background_plan.h"
#include "shell/customize_choices.h"
#include "ui/image_folder.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSlider;
class QStackedWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace dravicor {

class C_TBitmapAnimated;
class Program;
class ResourceLibrary;

// What the dialog reaches outside itself; each may be left empty.
struct CustomizeLinks {
    // The record's appearance changed (Apply, Cancel, OK): reload the card
    // pictures, rebuild the background and repaint the table.
    std::function<void()> appearanceChanged;
    // OK chose a cursor (and the shadow flag): give the table its cursors.
    std::function<void()> preferencesSaved;
    // "&?"; without it the button is disabled.
    std::function<void()> help;
    // The colour dialog; nothing when cancelled. QColorDialog when empty.
    std::function<std::optional<ColourRef>(ColourRef current)> chooseColour;
};

// "Customize": card faces, backs, table background, card effects, sounds and
// the table cursor. Apply changes the record only; Cancel undoes every
// Apply; OK writes the preferences.
class TfrmCustomize final : public QDialog {
    Q_OBJECT

public:
    // library gives the previews and cursor pictures; without it they stay
    // empty. It must outlive the dialog.
    TfrmCustomize(Program& program, const ResourceLibrary* library, CustomizeLinks links,
                  QWidget* parent = nullptr);
    ~TfrmCustomize() override;

    // Shows the dialog modally; true when OK closed it.
    bool run();

    // What the controls show now.
    CustomizeChoices choices() const;

    void done(int result) override;

private:
    void FormCreate();
    QWidget* createCardsPage();
    QWidget* createDecksPage();
    QWidget* createBackgroundsPage();
    QWidget* createTruePlayPage();
    QWidget* createSoundsPage();
    QWidget* createCursorsPage();
    void FormShow();
    void btnApplyClick();
    void btnOKClick();
    void trvBackgroundsChange();
    void trvBacksChange();
    void btnSelectColorClick();
    void lsbEffectsShowPreview();
    void lsbEventsChange();
    void setSelectedSounds(bool enabled);
    void chkNoSoundsClick();
    void drawFaceSamples();
    void showSoundItem(int row);
    QPixmap backgroundSample(QSize size) const;
    bool fewColours() const;

    Program& program_;
    const ResourceLibrary* library_;
    CustomizeLinks links_;
    ImageFolder images_;
    std::optional<AppearanceOnEntry> onEntry_;
    bool confirmed_ = false;
    std::int64_t customColour_ = 0;
    std::array<bool, kSoundEventCount> sounds_{};

    QButtonGroup* faceSamples_ = nullptr;
    QCheckBox* chkRandomCards_ = nullptr;
    QTreeWidget* trvBacks_ = nullptr;
    QLabel* lblBackName_ = nullptr;
    QLabel* imgBack_ = nullptr;
    QCheckBox* chkRandomDecks_ = nullptr;
    QTreeWidget* trvBackgrounds_ = nullptr;
    QLabel* lblBackgroundName_ = nullptr;
    QLabel* imgBackground_ = nullptr;
    QPushButton* btnSelectColor_ = nullptr;
    QCheckBox* chkFade_ = nullptr;
    QCheckBox* chkRandomBackground_ = nullptr;
    QCheckBox* chkHighContrast_ = nullptr;
    QListWidget* lsbEffects_ = nullptr;
    QStackedWidget* pnlEffectPreview_ = nullptr;
    QLabel* imgShadow_ = nullptr;
    C_TBitmapAnimated* aniStill_ = nullptr;
    C_TBitmapAnimated* aniMoving_ = nullptr;
    QLabel* imgIrregular_ = nullptr;
    QCheckBox* chkAutomaticFaceUp_ = nullptr;
    QCheckBox* chkDealAnimation_ = nullptr;
    QCheckBox* chkRedealAnimation_ = nullptr;
    QSlider* trbSpeed_ = nullptr;
    QListWidget* lsbEvents_ = nullptr;
    QPushButton* btnEnable_ = nullptr;
    QPushButton* btnDisable_ = nullptr;
    QPushButton* btnPlay_ = nullptr;
    QPushButton* btnStop_ = nullptr;
    QCheckBox* chkNoSounds_ = nullptr;
    QListWidget* lsbCursors_ = nullptr;
    QPushButton* btnHelp_ = nullptr;
};

}  // namespace dravicor
