#pragma once

#include <QDialog>

namespace dravicor {

class Program;

// "About Dravicor": the version, where to reach us, and the legal notice.
class TfrmAbout final : public QDialog {
    Q_OBJECT

public:
    explicit TfrmAbout(Program& program, QWidget* parent = nullptr);

    // Plays the about sound (when its switch is on) and shows the box
    // modally. The caller repaints the table afterwards.
    void run();

private:
    Program& program_;
};

}  // namespace dravicor
