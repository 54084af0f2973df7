#pragma once

#include <gtest/gtest.h>

#include <QObject>
#include <QTest>

#include "ui/main_window.h"

namespace dravicor::test {

// Shows the window, makes it active and waits until its first activation's
// work (caption, upgrades, tips, the first deal) is done.
inline ::testing::AssertionResult ActivateForTheFirstTime(TfrmMain& window) {
    bool done = false;
    const QMetaObject::Connection watch =
        QObject::connect(&window, &TfrmMain::firstActivationDone, [&done] { done = true; });
    window.show();
    window.activateWindow();
    const bool active = QTest::qWaitForWindowActive(&window);
    const bool finished = active && QTest::qWaitFor([&done] { return done; }, 5000);
    QObject::disconnect(watch);
    if (!active) return ::testing::AssertionFailure() << "the window never became active";
    if (!finished) return ::testing::AssertionFailure() << "the first activation did not finish";
    return ::testing::AssertionSuccess();
}

}  // namespace dravicor::test
