#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "core/Globals.h"
#include "core/Sign.h"
#include "editor/frmMain.h"
#include "platform/forms/HeadlessHost.h"
#include "platform/forms/Instance.h"
#include "tests/modelspec/FakeDesktop.h"
#include "tests/support/FreshRun.h"
#include "tests/support/HostPrompts.h"
#include "tests/support/ProgramData.h"
#include "tests/support/TestEnvironment.h"

// A fresh run with the main window loaded, a program folder of the test's own holding the
// shipped window descriptions, strings and document templates, and a fake desktop whose RTF
// viewer writes down what it was given.
class SpecTest : public ::testing::Test {
protected:
    void SetUp() override {
        CopyProgramData(app);
        run_ = std::make_unique<FreshRun>(host);
        FreshRun::StartSign().Load();
        host.ClearMessages();
        viewer = desktop.Viewer("drive-c/bin/lowriter");
    }
    void TearDown() override { run_.reset(); }

    zomel::frmMain& Main() { return *zomel::MainForm; }
    zomel::Sign& TheSign() { return *zomel::gSign; }
    void Type(int line, const std::string& text) {
        Main().txtZomelText(static_cast<vb::Integer>(line)).SetText(text);
    }
    void Click(const std::string& tool) { Main().SSBars->ClickTool(tool); }

    // Chooses a specification in the choice window the main window's command opens.
    void CreateSpecification(bool custom) {
        host.OnModal("frmSpecChoose", [custom](forms::Form& form) {
            form.ControlAs<forms::OptionButton>("Option1", custom ? 1 : 0).SetValue(true);
            form.ControlAs<forms::CommandButton>("cmdOk").Click();
        });
        Main().mnuSignSpec_Click();
    }
    std::string Read(const std::string& name) const {
        return TestEnvironment::ReadFile(app + name);
    }
    std::vector<std::string> Prompts() const { return PromptsOf(host); }

    TestEnvironment env;
    std::string app = env.UseProgramFolder();
    FakeDesktop desktop{env};
    forms::HeadlessHost host;
    std::string viewer;

private:
    std::unique_ptr<FreshRun> run_;
};
