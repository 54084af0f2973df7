#include <gtest/gtest.h>

#include <csignal>

#include <QTest>

#include "ui/termination_signals.h"

namespace dravicor::test {
namespace {

// Waits for requests with the event loop running; the wait is short
// because the handler only wakes the loop.
int RequestsAfterWaiting(const int& requests) {
    for (int i = 0; i < 100 && requests == 0; ++i) QTest::qWait(5);
    QTest::qWait(20);  // a second request, if any, arrives too
    return requests;
}

TEST(TerminationSignals, SigtermAndSigintBecomeOneRequestDeliveredByTheLoop) {
    const std::vector<std::vector<int>> raised = {{SIGTERM}, {SIGINT}, {SIGTERM, SIGTERM, SIGINT}};
    for (const auto& burst : raised) {
        TerminationSignals termination;
        int requests = 0;
        QObject::connect(&termination, &TerminationSignals::terminationRequested, [&] { ++requests; });
        for (const int signal : burst) std::raise(signal);
        EXPECT_EQ(requests, 0) << "delivered by the event loop, not inside the handler";
        EXPECT_EQ(RequestsAfterWaiting(requests), 1) << burst.size() << " signals before the loop woke";
    }
}

volatile std::sig_atomic_t g_previousHandlerRan = 0;
void PreviousHandler(int) { g_previousHandlerRan = 1; }

TEST(TerminationSignals, PreviousHandlerReturnsAfterwards) {
    struct sigaction previous {};
    struct sigaction mine {};
    mine.sa_handler = PreviousHandler;
    sigemptyset(&mine.sa_mask);
    ASSERT_EQ(sigaction(SIGTERM, &mine, &previous), 0);

    { TerminationSignals termination; }
    g_previousHandlerRan = 0;
    std::raise(SIGTERM);
    EXPECT_EQ(g_previousHandlerRan, 1);

    sigaction(SIGTERM, &previous, nullptr);
}

}  // namespace
}  // namespace dravicor::test
