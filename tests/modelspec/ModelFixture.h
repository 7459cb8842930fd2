#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/Catalogue.h"
#include "core/FontTable.h"
#include "core/Globals.h"
#include "core/LayoutCandidate.h"
#include "core/Sign.h"
#include "editor/frmMain.h"
#include "modelspec/frmModelNum.h"
#include "platform/com/ServerLibrary.h"
#include "platform/forms/HeadlessHost.h"
#include "platform/forms/Instance.h"
#include "platform/forms/StringTable.h"
#include "tests/support/FreshRun.h"
#include "tests/support/TestEnvironment.h"

// A fresh run with the main window loaded on the headless host, the sign model and the font
// table; the ordinary price list unless a test turns the European one on.
class ModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        run_ = std::make_unique<FreshRun>(host);
        FreshRun::StartSign();
        zomel::FillFontTable();
        zomel::ModelNumberLabel = forms::LoadResString(8000);
        for (auto& candidate : zomel::LayoutCandidates)
            candidate = zomel::LayoutCandidate{};
        main().Load();
    }

    void TearDown() override { run_.reset(); }

    // Ends this run and starts another, as the next test would find it.
    void Restart() {
        TearDown();
        SetUp();
    }

    zomel::frmMain& main() { return *zomel::MainForm; }
    zomel::Sign& sign() { return *zomel::gSign; }
    zomel::frmModelNum& window() { return forms::Instance<zomel::frmModelNum>(); }

    // A person types a number into the model number box and presses Show.
    void Show(const std::string& number) {
        main().txtModel->SetText(number);
        main().cmdShow->Click();
    }

    std::string Panel5() { return main().sbStatusBar->Panels()(5).Get("Text").ToString(); }
    bool Panel5Visible() { return main().sbStatusBar->Panels()(5).Get("Visible").ToBool(); }

    TestEnvironment env;
    forms::HeadlessHost host;

private:
    std::unique_ptr<FreshRun> run_;
};
