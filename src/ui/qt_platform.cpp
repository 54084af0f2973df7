#include "ui/qt_platform.h"

#include <QApplication>
#include <QCheckBox>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include "ui/file_filter.h"
#include "ui/message_pictures.h"
#include "ui/sound_output.h"

namespace dravicor {

namespace {

// The core's texts are UTF-8; messages break lines with CR, CR LF or LF.
QString FromText(std::string_view text) {
    QString result = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

QString FromPath(std::string_view path) { return QFile::decodeName(QByteArray(path.data(), path.size())); }

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::None: return QMessageBox::NoIcon;
        case MessageIcon::Information: return QMessageBox::Information;
        case MessageIcon::Warning: return QMessageBox::Warning;
        case MessageIcon::Error: return QMessageBox::Critical;
        case MessageIcon::Question: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQtButtons(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::Ok: return QMessageBox::Ok;
        case MessageButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
        case MessageButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
        case MessageButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

// A box closed without a button (Escape, the close box) counts as its most
// cautious answer.
Answer FromQtButton(int button, MessageButtons buttons) {
    switch (button) {
        case QMessageBox::Ok: return Answer::Ok;
        case QMessageBox::Cancel: return Answer::Cancel;
        case QMessageBox::Yes: return Answer::Yes;
        case QMessageBox::No: return Answer::No;
        default: break;
    }
    switch (buttons) {
        case MessageButtons::Ok: return Answer::Ok;
        case MessageButtons::YesNo: return Answer::No;
        case MessageButtons::OkCancel:
        case MessageButtons::YesNoCancel: return Answer::Cancel;
    }
    return Answer::Cancel;
}

std::optional<std::string> ToPath(const QString& chosen) {
    if (chosen.isEmpty()) return std::nullopt;  // the user cancelled
    return QFile::encodeName(chosen).toStdString();
}

}  // namespace

QtPlatform::QtPlatform() = default;

QtPlatform::~QtPlatform() {
    // A busy cursor left behind would outlive the platform that set it.
    while (busyDepth_ > 0) endBusy();
}

std::optional<std::filesystem::path> QtPlatform::findSound(std::string_view fileName) const {
    if (!sounds_) return std::nullopt;
    return sounds_->find(fileName);
}

// A missing file plays nothing, not even the system's default sound; like
// any other sound call it ends the sound playing, so the looping call with
// an empty name stops the loop.
void QtPlatform::play(std::string_view fileName, SoundMode mode) {
    const auto file = fileName.empty() ? std::nullopt : findSound(fileName);
    if (!file) {
        stop();
        return;
    }
    if (!output_) output_ = std::make_unique<SoundOutput>();
    output_->play(*file, mode);
}

void QtPlatform::stop() {
    if (output_) output_->stop();
}

bool QtPlatform::soundLooping() const { return output_ && output_->looping(); }

void QtPlatform::showMessage(std::string_view text, std::string_view caption, MessageIcon icon) {
    QMessageBox box(ToQtIcon(icon), FromText(caption), FromText(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

Answer QtPlatform::ask(std::string_view text, std::string_view caption, MessageButtons buttons, MessageIcon icon) {
    QMessageBox box(ToQtIcon(icon), FromText(caption), FromText(text), ToQtButtons(buttons),
                    QApplication::activeWindow());
    return FromQtButton(box.exec(), buttons);
}

bool QtPlatform::showMessageWithOptOut(std::string_view text, std::string_view picture) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Information"), FromText(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    if (const QPixmap pixmap = OptOutPicture(picture); !pixmap.isNull()) box.setIconPixmap(pixmap);
    auto* optOut = new QCheckBox(QStringLiteral("Don't show this message box again"), &box);
    box.setCheckBox(optOut);
    box.exec();
    return optOut->isChecked();
}

void QtPlatform::beep() { QApplication::beep(); }

std::chrono::system_clock::time_point QtPlatform::now() const { return std::chrono::system_clock::now(); }

namespace {

// The player's clicks and keys during a pause of the game (a hand shown, the
// wait before autoplay) are dropped: the game is in the middle of a move and
// must not be handed another. Painting, timers and close requests go on.
class InputHeld final : public QObject {
public:
    InputHeld() { qApp->installEventFilter(this); }
    ~InputHeld() override { qApp->removeEventFilter(this); }
    InputHeld(const InputHeld&) = delete;
    InputHeld& operator=(const InputHeld&) = delete;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
            case QEvent::Wheel:
                return true;
            default:
                return false;
        }
    }
};

}  // namespace

void QtPlatform::pause(std::chrono::milliseconds duration) {
    const InputHeld held;
    // The event loop may wake up a little early; wait again for the rest.
    const auto deadline = std::chrono::steady_clock::now() + duration;
    for (auto left = duration; left.count() > 0;
         left = std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now())) {
        QEventLoop loop;
        QTimer::singleShot(left, Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec();
    }
}

Timers::Id QtPlatform::start(std::chrono::milliseconds interval, bool repeat, std::function<void()> callback) {
    const Id id = nextTimerId_++;
    auto* timer = new QTimer(&timerOwner_);
    timer->setTimerType(Qt::PreciseTimer);
    timer->setSingleShot(!repeat);
    timer->setInterval(interval);
    QObject::connect(timer, &QTimer::timeout, &timerOwner_, [this, id, repeat, callback = std::move(callback)] {
        // A one-shot timer is finished before its callback runs, as the
        // callback may well start the next one. The callback itself stays
        // alive: the timer is only deleted later.
        if (!repeat) stop(id);
        callback();
    });
    timers_.emplace(id, timer);
    timer->start();
    return id;
}

void QtPlatform::stop(Id id) {
    const auto found = timers_.find(id);
    if (found == timers_.end()) return;
    QTimer* timer = found->second;
    timers_.erase(found);
    timer->stop();
    // Not deleted at once: stop may be called from the timer's own callback.
    timer->deleteLater();
}

void QtPlatform::beginBusy() {
    ++busyDepth_;
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtPlatform::endBusy() {
    // An unmatched end must not remove an override cursor someone else set.
    if (busyDepth_ == 0) return;
    --busyDepth_;
    QApplication::restoreOverrideCursor();
}

std::optional<std::string> QtPlatform::chooseFileToOpen(std::string_view title, std::string_view directory,
                                                        std::string_view filter) {
    return ToPath(QFileDialog::getOpenFileName(QApplication::activeWindow(), FromText(title), FromPath(directory),
                                               QtFileFilter(filter)));
}

std::optional<std::string> QtPlatform::chooseFileToSave(std::string_view title, std::string_view directory,
                                                        std::string_view filter) {
    // The caller asks before replacing a file, with its own question.
    return ToPath(QFileDialog::getSaveFileName(QApplication::activeWindow(), FromText(title), FromPath(directory),
                                               QtFileFilter(filter), nullptr, QFileDialog::DontConfirmOverwrite));
}

ScreenInfo QtPlatform::info() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return {};  // no display: the usual answer
    const QRect geometry = screen->geometry();
    return {geometry.width(), geometry.height(), screen->depth()};
}

}  // namespace dravicor
