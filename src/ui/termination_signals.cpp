#include "ui/termination_signals.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>

namespace dravicor {

namespace {

// A signal handler may do next to nothing: it writes a byte that wakes the
// event loop, which does the real work outside the handler.
volatile std::sig_atomic_t g_writeSocket = -1;

void OnTerminationSignal(int) {
    const int savedErrno = errno;
    const char byte = 1;
    if (::write(g_writeSocket, &byte, 1) < 0) {
        // The socket is full: a wake-up is already pending.
    }
    errno = savedErrno;
}

}  // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
    // Without the socket pair the signals keep their default action, which
    // still ends the program, only less tidily.
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, sockets_) != 0) {
        sockets_[0] = sockets_[1] = -1;
        return;
    }
    // Never block inside the handler, however many signals arrive.
    ::fcntl(sockets_[0], F_SETFL, ::fcntl(sockets_[0], F_GETFL) | O_NONBLOCK);
    ::fcntl(sockets_[1], F_SETFL, ::fcntl(sockets_[1], F_GETFL) | O_NONBLOCK);
    g_writeSocket = sockets_[0];

    notifier_ = new QSocketNotifier(sockets_[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::drain);

    struct sigaction action {};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, &previousTerm_);
    ::sigaction(SIGINT, &action, &previousInt_);
}

TerminationSignals::~TerminationSignals() {
    if (sockets_[0] < 0) return;
    ::sigaction(SIGTERM, &previousTerm_, nullptr);
    ::sigaction(SIGINT, &previousInt_, nullptr);
    g_writeSocket = -1;
    delete notifier_;  // before its socket closes
    ::close(sockets_[0]);
    ::close(sockets_[1]);
}

void TerminationSignals::drain() {
    char bytes[16];
    bool received = false;
    while (::read(sockets_[1], bytes, sizeof bytes) > 0) received = true;
    // Several signals before the loop woke up ask for one termination.
    if (received) emit terminationRequested();
}

}  // namespace dravicor
