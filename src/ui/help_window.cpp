#include "ui/help_window.h"

#include <functional>

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "common/platform.h"
#include "common/product.h"
#include "rules/help_topics.h"

namespace dravicor {

namespace {

constexpr int kDefaultWidth = 560;
constexpr int kDefaultHeight = 600;

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

std::filesystem::path PathOf(const QUrl& url) { return std::filesystem::path(url.toLocalFile().toStdString()); }

// A browser that asks before it opens a local page, so that a link to a
// page that is not there leaves the page shown instead of a blank one.
class HelpBrowser final : public QTextBrowser {
public:
    HelpBrowser(std::function<bool(const std::filesystem::path&)> mayOpen, QWidget* parent)
        : QTextBrowser(parent), mayOpen_(std::move(mayOpen)) {}

protected:
    void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override {
        if (name.isLocalFile() && !mayOpen_(PathOf(name))) return;
        if (!name.isLocalFile() && !name.isRelative()) return;  // the help links only to its own pages
        QTextBrowser::doSetSource(name, type);
    }

private:
    std::function<bool(const std::filesystem::path&)> mayOpen_;
};

}  // namespace

TfrmHelp::TfrmHelp(std::filesystem::path helpFolder, Messages& messages, QWidget* parent)
    : QDialog(parent), helpFolder_(std::move(helpFolder)), messages_(messages) {
    FormCreate();
}

void TfrmHelp::FormCreate() {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(Text(std::string(kProductName) + " Help"));
    txtPage_ = new HelpBrowser([this](const std::filesystem::path& page) { return pageExists(page); }, this);
    txtPage_->setObjectName(QStringLiteral("txtPage"));
    txtPage_->setOpenLinks(true);
    txtPage_->setOpenExternalLinks(false);

    const auto button = [this](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        return b;
    };
    btnBack_ = button("btnBack", QStringLiteral("&Back"));
    btnForward_ = button("btnForward", QStringLiteral("&Forward"));
    btnContents_ = button("btnContents", QStringLiteral("&Contents"));
    btnClose_ = button("btnClose", QStringLiteral("Close"));
    btnBack_->setEnabled(false);
    btnForward_->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnBack_);
    buttons->addWidget(btnForward_);
    buttons->addWidget(btnContents_);
    buttons->addStretch();
    buttons->addWidget(btnClose_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(txtPage_);

    connect(btnBack_, &QPushButton::clicked, txtPage_, &QTextBrowser::backward);
    connect(btnForward_, &QPushButton::clicked, txtPage_, &QTextBrowser::forward);
    connect(btnContents_, &QPushButton::clicked, this, [this] { showContents(); });
    connect(btnClose_, &QPushButton::clicked, this, &QDialog::close);
    connect(txtPage_, &QTextBrowser::backwardAvailable, btnBack_, &QPushButton::setEnabled);
    connect(txtPage_, &QTextBrowser::forwardAvailable, btnForward_, &QPushButton::setEnabled);
    connect(txtPage_, &QTextBrowser::sourceChanged, this, [this] { txtPageSourceChanged(); });
    resize(kDefaultWidth, kDefaultHeight);
}

std::string TfrmHelp::MissingPageMessage(const std::filesystem::path& helpFolder, std::string_view pageName) {
    std::error_code ec;
    if (!std::filesystem::is_directory(helpFolder, ec)) {
        return "Cannot find the help folder:\r" + helpFolder.string() + "\rReinstall the program to have the help.";
    }
    return "Cannot find the help page:\r" + (helpFolder / pageName).string() +
           "\rReinstall the program to have the whole help.";
}

bool TfrmHelp::pageExists(const std::filesystem::path& page) {
    std::error_code ec;
    if (std::filesystem::is_regular_file(page, ec)) return true;
    messages_.showMessage(MissingPageMessage(page.parent_path(), page.filename().string()), kProductName,
                          MessageIcon::Information);
    return false;
}

bool TfrmHelp::showPage(std::string_view pageName) {
    const std::filesystem::path page = helpFolder_ / pageName;
    if (!pageExists(page)) return false;
    txtPage_->setSource(QUrl::fromLocalFile(QString::fromStdString(page.string())));
    return true;
}

bool TfrmHelp::showContents() { return showPage(kHelpContentsPage); }

std::string TfrmHelp::currentPage() const {
    return PathOf(txtPage_->source()).filename().string();
}

QTextBrowser& TfrmHelp::browser() const { return *txtPage_; }

void TfrmHelp::txtPageSourceChanged() {
    const QString title = txtPage_->documentTitle();
    const QString help = Text(std::string(kProductName) + " Help");
    setWindowTitle(title.isEmpty() ? help : help + QStringLiteral(" - ") + title);
}

}  // namespace dravicor
