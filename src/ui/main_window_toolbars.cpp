// The parts of the main window around the table: the two toolbars and
// their pop-up menu, the time and score panels, the status bar, and the
// preferences that show or hide them.
#include <QAction>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <memory>
#include <QToolButton>

#include "common/settings_record.h"
#include "shell/program.h"
#include "ui/main_window.h"
#include "ui/toolbar_icons.h"

namespace dravicor {

namespace {

constexpr TfrmMain::ToolbarShape kLargeToolbar{24, 4, 24, 16};
constexpr TfrmMain::ToolbarShape kSmallToolbar{20, 3, 20, 13};

struct Button {
    const char* entry;  // the menu entry the button shares its action with; nullptr: a separator
    const char* hint;
};
constexpr Button kButtons[] = {
    {"mnuNew", "New"},         {"mnuOpen", "Open"},          {"mnuSave", "Save"},  {nullptr, nullptr},
    {"mnuUndo", "Undo"},       {"mnuRedo", "Redo"},          {nullptr, nullptr},   {"mnuAutoplay", "Autoplay"},
    {"mnuHint", "Hint"},       {nullptr, nullptr},        {"mnuGameStatistics", "Statistics"}, {"mnuRules", "Rules"}, {nullptr, nullptr},
    {"mnuRestartGame", "Restart"}, {"mnuExit", "Exit"}};

const char* YesNo(bool flag) { return flag ? "Y" : "N"; }

// Lets the toolbar buttons' tool tips through, or swallows them.
class ToolTipGate final : public QObject {
public:
    using QObject::QObject;
    bool open = true;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!open && event->type() == QEvent::ToolTip) return true;
        return QObject::eventFilter(watched, event);
    }
};

// The buttons of a toolbar in their order.
QList<QToolButton*> ButtonsOf(const QWidget& toolbar) {
    QList<QToolButton*> buttons;
    for (int i = 0; i < toolbar.layout()->count(); ++i) {
        if (auto* button = qobject_cast<QToolButton*>(toolbar.layout()->itemAt(i)->widget())) buttons << button;
    }
    return buttons;
}

}  // namespace

QWidget* TfrmMain::buildToolbar(QWidget* row, const char* objectName, const ToolbarShape& shape) {
    // A row of buttons rather than a QToolBar: its buttons lie exactly where
    // they are put, and a narrow window never folds them away.
    auto* toolbar = new QWidget(row);
    toolbar->setObjectName(QLatin1String(objectName));
    toolbar->setFixedHeight(shape.height);
    auto* layout = new QHBoxLayout(toolbar);
    // The buttons hang from the given distance below the toolbar's top and
    // reach its bottom.
    layout->setContentsMargins(2, shape.buttonTop, 2, 0);
    layout->setSpacing(0);
    for (const auto& [entry, hint] : kButtons) {
        if (entry == nullptr) {
            auto* separator = new QFrame(toolbar);
            separator->setFrameShape(QFrame::VLine);
            separator->setFrameShadow(QFrame::Sunken);
            separator->setFixedWidth(8);
            layout->addWidget(separator);
            continue;
        }
        // The button is the menu entry's own action: same command, same state.
        QAction& command = action(entry);
        command.setIconText(QLatin1String(hint));
        command.setToolTip(QLatin1String(hint));
        if (command.icon().isNull()) command.setIcon(ToolbarIcon(hint, library_));
        auto* button = new QToolButton(toolbar);
        button->setDefaultAction(&command);
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
        button->setIconSize(QSize(shape.iconSize, shape.iconSize));
        button->setFixedSize(shape.buttonWidth, shape.height - shape.buttonTop);
        button->setFocusPolicy(Qt::NoFocus);
        if (toolTipGate_ == nullptr) toolTipGate_ = new ToolTipGate(this);
        button->installEventFilter(toolTipGate_);
        layout->addWidget(button);
    }
    return toolbar;
}

void TfrmMain::ShowToolTips(bool show) { static_cast<ToolTipGate*>(toolTipGate_)->open = show; }

bool TfrmMain::toolTipsShown() const { return static_cast<const ToolTipGate*>(toolTipGate_)->open; }

void TfrmMain::buildToolbars() {
    // The toolbar row: one of the two toolbars, then the time and score
    // panels at the right end.
    toolbarRow_ = new QWidget(this);
    toolbarRow_->setObjectName(QStringLiteral("pnlToolbar"));
    auto* row = new QHBoxLayout(toolbarRow_);
    row->setContentsMargins(0, 0, 2, 0);
    row->setSpacing(4);
    largeToolbar_ = buildToolbar(toolbarRow_, "tlbLarge", kLargeToolbar);
    smallToolbar_ = buildToolbar(toolbarRow_, "tlbSmall", kSmallToolbar);
    row->addWidget(largeToolbar_);
    row->addWidget(smallToolbar_);
    row->addStretch(1);
    toolbarRow_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(toolbarRow_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        std::unique_ptr<QMenu> menu(createPopupMenu());
        menu->exec(toolbarRow_->mapToGlobal(at));
    });
}

void TfrmMain::buildPanels() {
    auto panel = [this](const char* objectName, const QString& caption, const char* valueName, QLabel*& value) {
        auto* box = new QFrame(toolbarRow_);
        box->setObjectName(QLatin1String(objectName));
        box->setFrameShape(QFrame::StyledPanel);
        box->setFrameShadow(QFrame::Sunken);
        auto* layout = new QHBoxLayout(box);
        layout->setContentsMargins(6, 0, 6, 0);
        layout->setSpacing(4);
        layout->addWidget(new QLabel(caption, box));
        value = new QLabel(box);
        value->setObjectName(QLatin1String(valueName));
        value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("00:00:00")));
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        layout->addWidget(value);
        toolbarRow_->layout()->addWidget(box);
        return box;
    };
    pnlTime_ = panel("pnlTime", QStringLiteral("Time:"), "lblClock", lblClock_);
    pnlScore_ = panel("pnlScore", QStringLiteral("Score:"), "lblScore", lblScore_);
}

void TfrmMain::buildPopupMenus() {
    auto entry = [this](const char* objectName, const QString& caption, auto handler) {
        auto* item = new QAction(caption, this);
        item->setObjectName(QLatin1String(objectName));
        connect(item, &QAction::triggered, this, handler);
        return item;
    };
    entry("mnuLargeIcons", QStringLiteral("Large icons"), [this] { SetToolbarLarge(true, true); })->setCheckable(true);
    entry("mnuSmallIcons", QStringLiteral("Small icons"), [this] { SetToolbarLarge(false, true); })->setCheckable(true);
    entry("mnuFlatButton", QStringLiteral("Flat button"), [this] { SetToolbarFlat(true, true); });
    entry("mnuNoFlatButton", QStringLiteral("No flat button"), [this] { SetToolbarFlat(false, true); });
    entry("mnuShowTime", QStringLiteral("Show time"), [this] { ShowTimePanel(true, true); });
    entry("mnuShowScore", QStringLiteral("Show score"), [this] { ShowScorePanel(true, true); });

    pnlTime_->addAction(entry("mnuHideTime", QStringLiteral("&Hide"), [this] { ShowTimePanel(false, true); }));
    pnlTime_->setContextMenuPolicy(Qt::ActionsContextMenu);
    pnlScore_->addAction(entry("mnuHideScore", QStringLiteral("Hide"), [this] { ShowScorePanel(false, true); }));
    pnlScore_->setContextMenuPolicy(Qt::ActionsContextMenu);
}

QMenu* TfrmMain::createPopupMenu() {
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("popToolbar"));
    menu->addAction(&action("mnuLargeIcons"));
    menu->addAction(&action("mnuSmallIcons"));
    menu->addSeparator();
    menu->addAction(&action("mnuFlatButton"));
    menu->addAction(&action("mnuNoFlatButton"));
    menu->addSeparator();
    menu->addAction(&action("mnuShowTime"));
    menu->addAction(&action("mnuShowScore"));
    return menu;
}

void TfrmMain::buildStatusBar() {
    pnlPlayer_ = new QLabel(this);
    pnlPlayer_->setObjectName(QStringLiteral("pnlPlayer"));
    statusBar()->addWidget(pnlPlayer_, 1);
    pnlLevel_ = new QLabel(this);
    pnlLevel_->setObjectName(QStringLiteral("pnlLevel"));
    statusBar()->addWidget(pnlLevel_, 2);
}

void TfrmMain::setLevelText(const QString& text) { pnlLevel_->setText(text); }

void TfrmMain::SetToolbarLarge(bool large, bool save) {
    toolbarLarge_ = large;
    ApplyToolbarPreferences(false);
    if (save) writePreference("ToolBar_Large", YesNo(large));
}

void TfrmMain::SetToolbarFlat(bool flat, bool save) {
    toolbarFlat_ = flat;
    ApplyToolbarPreferences(false);
    if (save) writePreference("ToolBar_Flat", YesNo(flat));
}

void TfrmMain::SetToolbarVisible(bool visible, bool save) {
    toolbarVisible_ = visible;
    ApplyToolbarPreferences(false);
    if (save) writePreference("ToolBar_Visible", YesNo(visible));
}

void TfrmMain::ApplyToolbarPreferences(bool save) {
    largeToolbar_->setVisible(toolbarVisible_ && toolbarLarge_);
    smallToolbar_->setVisible(toolbarVisible_ && !toolbarLarge_);
    action("mnuLargeIcons").setChecked(toolbarLarge_);
    action("mnuSmallIcons").setChecked(!toolbarLarge_);
    for (QWidget* toolbar : {largeToolbar_, smallToolbar_}) {
        for (QToolButton* button : ButtonsOf(*toolbar)) button->setAutoRaise(toolbarFlat_);
    }
    toolbarRow_->setFixedHeight(toolbarLarge_ ? kLargeToolbar.height : kSmallToolbar.height);
    showPanels();
    if (save) {
        writePreferences({{"ToolBar_Large", YesNo(toolbarLarge_)},
                          {"ToolBar_Flat", YesNo(toolbarFlat_)},
                          {"ToolBar_Visible", YesNo(toolbarVisible_)}});
    }
}

void TfrmMain::ShowTimePanel(bool show, bool save) {
    showTime_ = show;
    showPanels();
    if (save && program_ != nullptr) {
        program_->settings().put(Field::ShowTime, YesNo(show));
        writePreference("Show_Time", YesNo(show));
    }
}

void TfrmMain::ShowScorePanel(bool show, bool save) {
    showScore_ = show;
    showPanels();
    if (save && program_ != nullptr) {
        program_->settings().put(Field::ShowScore, YesNo(show));
        writePreference("Show_Score", YesNo(show));
    }
}

void TfrmMain::showPanels() {
    pnlTime_->setVisible(showTime_);
    pnlScore_->setVisible(showScore_);
    toolbarRow_->setVisible(toolbarVisible_);
    action("mnuShowTime").setEnabled(!showTime_);
    action("mnuShowScore").setEnabled(!showScore_);
}

}  // namespace dravicor
