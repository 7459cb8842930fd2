#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

#include "platform/qtview/QtHost.h"
#include "tests/platform/qtview/QtFixture.h"
#include "tests/support/FreshRun.h"
#include "tests/support/TestEnvironment.h"

// A fresh run of the program whose windows show on the Qt host; `Test` is the gtest base and
// `Host` the Qt host, or one of its own that watches what the windows do.
template <class Test = ::testing::Test, class Host = qtview::QtHost>
class OnScreenRun : public Test {
protected:
    void SetUp() override { run_ = std::make_unique<FreshRun>(host); }
    void TearDown() override {
        run_.reset();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QApplication& app = TestApplication();
    TestEnvironment env;
    Host host;
    std::unique_ptr<FreshRun> run_;
};
