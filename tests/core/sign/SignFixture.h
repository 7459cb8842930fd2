#pragma once

#include <gtest/gtest.h>

#include "core/Globals.h"
#include "core/Sign.h"
#include "editor/frmMain.h"
#include "platform/com/ServerLibrary.h"
#include "platform/forms/Instance.h"
#include "tests/support/TestEnvironment.h"

// A fresh run for every test: no window objects but the main window object, and the per-user
// settings kept in a temporary folder so that the real home is never touched.
class SignTest : public ::testing::Test {
protected:
    void SetUp() override {
        forms::ResetInstances();
        zomel::MainForm = &forms::Instance<zomel::frmMain>();
        // The main window hosts the display control, created by class id from this run's
        // registry.
        com::RegisterServer(VELDOSIGN_LIBRARY);
    }

    void TearDown() override {
        zomel::MainForm = nullptr;
        forms::ResetInstances();
    }

    TestEnvironment env;
    zomel::Sign sign;
};

// Figures worked by hand carry a few decimals; the sums here stay far inside this.
inline constexpr double kTolerance = 1e-6;
