#pragma once

#include <csignal>

#include <QObject>

class QSocketNotifier;

namespace dravicor {

// Turns SIGTERM and SIGINT into a Qt signal delivered by the event loop, so
// that a session logout or a test harness ends the program through its
// ordinary close path instead of killing it mid-step. One instance at a
// time; the previous handlers come back when it is destroyed.
class TerminationSignals final : public QObject {
    Q_OBJECT

public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

signals:
    void terminationRequested();

private:
    void drain();

    int sockets_[2] = {-1, -1};  // [0] written by the handler, [1] watched here
    QSocketNotifier* notifier_ = nullptr;
    struct sigaction previousTerm_ {};
    struct sigaction previousInt_ {};
};

}  // namespace dravicor
