#pragma once

#include <string>
#include <vector>

#include "catalogue/frmChooser.h"
#include "core/Catalogue.h"
#include "core/PriceLoad.h"
#include "estimate/frmOrder.h"
#include "platform/forms/Instance.h"
#include "tests/editor/mainwin/MainWindowFixture.h"

// The shipped catalogue loaded by the main window, and the options tree as a person uses it:
// opened, nodes ticked and unticked, its buttons pressed.
class OptionsTreeTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        // The tables are the run's: start this run's as start-up does.
        zomel::ResetOptions();
        zomel::gPriceLoad = zomel::PriceLoadValues{};
        LoadMain();
    }

    zomel::frmChooser& Tree() { return forms::Instance<zomel::frmChooser>(); }
    zomel::frmOrder& Estimate() { return forms::Instance<zomel::frmOrder>(); }
    zomel::frmChooser& Open() {
        Tree().Load();
        EXPECT_EQ(zomel::gPriceLoad.LoadError, vb::False);
        return Tree();
    }

    // The option row of a part number as the catalogue gives it (the first such row, or the
    // first at or after `from`).
    static int Row(std::string_view partNo, int from = 1) {
        for (int i = from; i <= zomel::gOptionCount; ++i)
            if (zomel::gOptions(i).CataloguePartNo == partNo) return i;
        ADD_FAILURE() << "no option row " << partNo;
        return 0;
    }
    static bool Chosen(int row) { return zomel::gOptions(row).Checked != 0; }
    forms::Node& Node(const std::string& key) { return Tree().tvOption->Item(key); }
    forms::Node& NodeOf(int row) { return Node("OPT" + std::to_string(row)); }
    bool Shown(const std::string& key) { return Node(key).Checked(); }
    // A person's tick or untick of a node's box.
    void Tick(forms::Node& node) { Tree().tvOption->ClickCheckBox(node); }
    void Tick(int row) { Tick(NodeOf(row)); }
    // The rows chosen, by their catalogue part numbers.
    static std::vector<std::string> ChosenParts() {
        std::vector<std::string> parts;
        for (int i = 1; i <= zomel::kMaxOptions; ++i)
            if (zomel::gOptions(i).Checked) parts.push_back(zomel::gOptions(i).CataloguePartNo);
        return parts;
    }
    using Parts = std::vector<std::string>;
};
