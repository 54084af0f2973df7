#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include <QDialog>

class QPushButton;
class QTextBrowser;

namespace dravicor {

class Messages;

// The rules help: the pages of the program's HELP folder in a browser whose
// links lead from page to page, with Back, Forward and Contents buttons. A
// page that is not there, asked for or linked to, is reported as a message
// and the page shown stays.
class TfrmHelp final : public QDialog {
    Q_OBJECT

public:
    TfrmHelp(std::filesystem::path helpFolder, Messages& messages, QWidget* parent = nullptr);

    // Shows a page of the folder ("topic3000.html"); false, after the
    // message, when the folder or the page is missing.
    bool showPage(std::string_view pageName);
    bool showContents();
    // The file name of the page shown; empty before the first.
    std::string currentPage() const;
    QTextBrowser& browser() const;

    // The message about a missing page or help folder.
    static std::string MissingPageMessage(const std::filesystem::path& helpFolder, std::string_view pageName);

private:
    void FormCreate();
    void txtPageSourceChanged();
    // True when the browser may open the file; reports it otherwise.
    bool pageExists(const std::filesystem::path& page);

    std::filesystem::path helpFolder_;
    Messages& messages_;
    QTextBrowser* txtPage_ = nullptr;
    QPushButton* btnBack_ = nullptr;
    QPushButton* btnForward_ = nullptr;
    QPushButton* btnContents_ = nullptr;
    QPushButton* btnClose_ = nullptr;
};

}  // namespace dravicor
