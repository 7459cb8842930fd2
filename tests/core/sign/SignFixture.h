#pragma once

#include <gtest/gtest.h>

#include "core/Globals.h"
#include "core/Sign.h"
#include "editor/frmMain.h"
#include "platform/forms/Instance.h"
#include "tests/support/TestEnvironment.h"

// A fresh run for every test: no window objects but the main window object, and the per-user
// settings kept in a temporary folder so that the real home is never touched.
class SignTest : public ::testing::Test {
protected:
    void SetUp() override {
        forms::ResetInstances();
        zomel::MainForm = &forms::Instance<zomel::frmMain>();
        // The windows the sign tells read the sign through gSign.
        zomel::gSign = std::shared_ptr<zomel::Sign>(&sign, [](zomel::Sign*) {});
    }

    void TearDown() override {
        zomel::MainForm = nullptr;
        forms::ResetInstances();
        zomel::gSign.reset();
    }

    TestEnvironment env;
    zomel::Sign sign;
};

// Figures worked by hand carry a few decimals; the sums here stay far inside this.
inline constexpr double kTolerance = 1e-6;
