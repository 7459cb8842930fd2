#pragma once

#include <gtest/gtest.h>

#include <string>

#include "core/Globals.h"
#include "core/LogChannel.h"
#include "core/Sign.h"
#include "editor/frmMain.h"
#include "platform/forms/Description.h"
#include "platform/forms/HeadlessHost.h"
#include "platform/forms/Instance.h"
#include "platform/forms/StringTable.h"
#include "tests/editor/accessories/FakeSignObject.h"
#include "tests/support/TestEnvironment.h"

// A fresh run with the sign model and the main window made, as start-up makes them, and a
// headless host that a test drives as a person would.
class AccessoryTest : public ::testing::Test {
protected:
    void SetUp() override {
        FakeSignObject::Register();
        forms::ResetInstances();
        forms::SetHost(&host);
        zomel::CloseLog();
        zomel::DebugLevel = 0;
        zomel::gSign = std::make_shared<zomel::Sign>();
        zomel::MainForm = &forms::Instance<zomel::frmMain>();
        zomel::CurrentLine = 0;
        zomel::HoldSize = vb::False;
        zomel::Zomel2Mode = vb::False;
    }
    void TearDown() override {
        forms::ResetInstances();
        forms::SetHost(nullptr);
        zomel::CloseLog();
        zomel::MainForm = nullptr;
        zomel::gSign.reset();
        forms::ReloadStringTable();
        forms::ReloadWindowDescriptions();
    }

    zomel::frmMain& Main() {
        if (!zomel::MainForm->IsLoaded()) zomel::MainForm->Load();
        return *zomel::MainForm;
    }
    std::string Line(vb::Integer index) { return Main().txtZomelText(index).Text(); }
    FakeSignObject& MainSign() {
        return dynamic_cast<FakeSignObject&>(Main().ControlNamed("ViewSign"));
    }
    std::string LastPrompt() const {
        return host.Messages().empty() ? "" : host.Messages().back().prompt;
    }

    TestEnvironment env;
    forms::HeadlessHost host;
};
