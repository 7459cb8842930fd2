#pragma once

#include <gtest/gtest.h>

#include <string>

#include "core/Catalogue.h"
#include "core/Globals.h"
#include "core/Sign.h"
#include "core/mapParts.h"
#include "editor/frmMain.h"
#include "platform/forms/HostedControl.h"
#include "platform/forms/Instance.h"
#include "tests/core/startup/StartupFixture.h"

// A fresh run with the sign model and the main window made, as start-up makes them, the real
// display control, and a headless host that a test drives as a person would.
class AccessoryTest : public StartupTest {
protected:
    void SetUp() override {
        StartupTest::SetUp();
        FreshRun::StartSign();
    }

    zomel::frmMain& Main() {
        if (!zomel::MainForm->IsLoaded()) zomel::MainForm->Load();
        return *zomel::MainForm;
    }
    std::string Line(vb::Integer index) { return Main().txtZomelText(index).Text(); }
    forms::HostedControl& MainSign() { return *Main().ViewSign; }
    std::string LastPrompt() const {
        return host.Messages().empty() ? "" : host.Messages().back().prompt;
    }
};
