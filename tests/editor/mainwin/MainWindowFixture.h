#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/Catalogue.h"
#include "core/Globals.h"
#include "core/LogChannel.h"
#include "core/Sign.h"
#include "core/mapParts.h"
#include "editor/frmMain.h"
#include "platform/forms/Description.h"
#include "platform/forms/HeadlessHost.h"
#include "platform/forms/Instance.h"
#include "platform/forms/StringTable.h"
#include "platform/os/Settings.h"
#include "tests/core/startup/StartupFixture.h"

// A fresh run with the program's real resources: the sign model made and the main window
// object made but not loaded.
class MainWindowTest : public StartupTest {
protected:
    void SetUp() override {
        StartupTest::SetUp();
        FreshRun::StartSign();
    }

    zomel::frmMain& Main() { return *zomel::MainForm; }
    zomel::Sign& TheSign() { return *zomel::gSign; }
    // Loads the main window as start-up does; no message box is expected on the way.
    zomel::frmMain& LoadMain() {
        Main().Load();
        EXPECT_TRUE(host.Messages().empty()) << host.Messages().front().prompt;
        return Main();
    }
    forms::HostedControl& ViewSign() { return *Main().ViewSign; }
    forms::Tool& Tool(const std::string& id) { return Main().SSBars->ToolById(id); }
    bool ToolVisible(const std::string& id) { return Tool(id).Get("Visible").ToBool(); }
    bool ToolEnabled(const std::string& id) { return Tool(id).Get("Enabled").ToBool(); }
    void Click(const std::string& id) { Main().SSBars->ClickTool(id); }
    std::string Panel5() { return Main().sbStatusBar->Panels()(5).Get("Text").ToString(); }
    std::string HeightLabel(vb::Integer line) { return Main().LblCharHeight(line).Caption(); }
    static std::string Text(vb::Long id) { return forms::LoadResString(id); }
    static std::string Placement(const std::string& key) {
        return os::GetSetting("ZomelBuilder", "Settings", key, "<none>");
    }
};
