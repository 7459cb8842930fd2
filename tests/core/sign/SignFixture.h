#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "core/Globals.h"
#include "core/Sign.h"
#include "editor/frmMain.h"
#include "platform/com/ServerLibrary.h"
#include "platform/forms/HeadlessHost.h"
#include "platform/forms/Instance.h"
#include "tests/support/FreshRun.h"
#include "tests/support/TestEnvironment.h"

// A fresh run for every test: no window objects but the main window object, and the per-user
// settings kept in a temporary folder so that the real home is never touched.
class SignTest : public ::testing::Test {
protected:
    void SetUp() override {
        run_ = std::make_unique<FreshRun>(host);
        // The windows the sign under test tells work on the run's own sign, so that their
        // loading leaves the sign under test alone.
        FreshRun::StartSign();
    }
    void TearDown() override { run_.reset(); }

    TestEnvironment env;
    forms::HeadlessHost host;
    zomel::Sign sign;

private:
    std::unique_ptr<FreshRun> run_;
};

// Figures worked by hand carry a few decimals; the sums here stay far inside this.
inline constexpr double kTolerance = 1e-6;
