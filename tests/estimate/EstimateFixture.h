#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/Catalogue.h"
#include "core/Globals.h"
#include "core/Sign.h"
#include "editor/frmMain.h"
#include "estimate/frmOrder.h"
#include "platform/forms/FlexGrid.h"
#include "platform/forms/HeadlessHost.h"
#include "platform/forms/Instance.h"
#include "platform/forms/StringTable.h"
#include "tests/support/FreshRun.h"
#include "tests/support/TestEnvironment.h"

// A fresh run of the program with its shipped catalogue, the main window loaded on the
// headless host, and a person's ways of asking for an estimate.
class EstimateTest : public ::testing::Test {
protected:
    using Grid = std::vector<std::vector<std::string>>;

    void SetUp() override {
        run_ = std::make_unique<FreshRun>(host);
        // The grid's column headers, as start-up reads them.
        std::string* headers[] = {&zomel::HdrDescription, &zomel::HdrSellingPrice,
                                  &zomel::HdrQuantity, &zomel::HdrSubTotal};
        for (vb::Long i = 0; i < 4; ++i)
            *headers[i] = forms::LoadResString(15000 + i);
        zomel::HdrPartNumber = forms::LoadResString(15007);
        zomel::ResetOptions();  // as start-up prepares the option table
        FreshRun::StartSign().Load();
        host.ClearMessages();
    }
    void TearDown() override { run_.reset(); }

    zomel::frmMain& Main() { return *zomel::MainForm; }
    zomel::Sign& TheSign() { return *zomel::gSign; }
    zomel::frmOrder& Order() { return forms::Instance<zomel::frmOrder>(); }
    void Type(int line, const std::string& text) {
        Main().txtZomelText(static_cast<vb::Integer>(line)).SetText(text);
    }
    void Click(const std::string& tool) { Main().SSBars->ClickTool(tool); }

    // The grid's texts, row by row.
    static Grid TextsOf(const forms::FlexGrid& grid) {
        Grid texts;
        for (vb::Long r = 0; r < grid.Rows(); ++r) {
            std::vector<std::string> row;
            for (vb::Long c = 0; c < grid.Cols(); ++c)
                row.push_back(grid.TextMatrix(r, c));
            texts.push_back(row);
        }
        return texts;
    }
    // Uses the price command and reads the estimate window before closing it; `inside` acts
    // on the window meanwhile, as a person would.
    Grid PriceIt(std::function<void(zomel::frmOrder&)> inside = nullptr) {
        Grid seen;
        host.OnModal("frmOrder", [&](forms::Form& form) {
            auto& order = static_cast<zomel::frmOrder&>(form);
            seen = TextsOf(*order.fgPrices);
            if (inside) inside(order);
        });
        Click("id_SignPrice");
        return seen;
    }
    static std::string Text(vb::Long id) { return forms::LoadResString(id); }
    std::vector<std::string> Prompts() const { return host.MessagePrompts(); }

    TestEnvironment env;
    forms::HeadlessHost host;

private:
    std::unique_ptr<FreshRun> run_;
};
