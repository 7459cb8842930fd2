#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/Catalogue.h"
#include "core/Globals.h"
#include "estimate/engine/PriceList.h"
#include "estimate/engine/PriceRun.h"
#include "platform/forms/HeadlessHost.h"
#include "tests/support/EngineRun.h"
#include "tests/support/TestEnvironment.h"

// Quantity and sub total of a row, or "skip".
inline std::string Outcome(const zomel::PriceRun& run) {
    if (run.RowSkipped) return "skip";
    return run.Line.Cells[zomel::PriceLine::kQuantity] + " " +
           run.Line.Cells[zomel::PriceLine::kSubTotal];
}

// One catalogue row priced by one rule, on a sign described field by field: the rules on
// their own, without the window.
class RuleTest : public ::testing::Test {
protected:
    void SetUp() override {
        run_ = std::make_unique<EngineRun>(host);
        zomel::ResetOptions();
        zomel::gOptionCount = 0;
        zomel::gBaseCount = 0;
        Sign(3, 1);
    }
    void TearDown() override {
        zomel::ResetOptions();
        zomel::gOptionCount = 0;
        run_.reset();
    }

    // A horizontal, high-density, generation-1 sign of x by y modules in feet.
    zomel::PricedSign& Sign(vb::Long x, vb::Long y) {
        zomel::PricedSign& s = run.Sign;
        s.X = x;
        s.Y = y;
        s.HighDensity = true;
        s.LengthUnit = "ft";
        s.Factors = zomel::LengthFactorsOf("ft");
        s.BackPlatePartNo = "VELDO will supply";
        return s;
    }
    // A base row of the catalogue.
    zomel::OptionRecord& Row(const std::string& keyword, const std::string& info,
                             const std::string& price, const std::string& partNo = "100-0000",
                             vb::Integer package = 0) {
        record = {};
        record.Name = "Part";
        record.Type = keyword;
        record.Info = info;
        record.Price = price;
        record.PartNo = record.CataloguePartNo = partNo;
        record.Package = package;
        return record;
    }
    // An option row at `index` of the option table.
    zomel::OptionRecord& Option(vb::Integer index, const std::string& name,
                                const std::string& keyword, const std::string& info,
                                const std::string& price, const std::string& partNo,
                                vb::Integer package = 20) {
        zomel::OptionRecord& option = zomel::gOptions(index);
        option = {};
        option.Name = name;
        option.Type = keyword;
        option.Info = info;
        option.Price = price;
        option.PartNo = option.CataloguePartNo = partNo;
        option.Package = package;
        if (index > zomel::gOptionCount) zomel::gOptionCount = index;
        return option;
    }
    // Prices the base row with its rule: the line as the grid would show it.  The rule's
    // advice stays in the run, after what earlier rows left there.
    const zomel::PriceLine& Price(const zomel::OptionRecord& row, vb::Integer optionIndex = 0) {
        run.BeginRow(row, optionIndex);
        zomel::RuleOf(row.Type)(run);
        run.Line.Cells[zomel::PriceLine::kPartNumber] = run.ShownPartNo;
        return run.Line;
    }
    const zomel::PriceLine& PriceOption(vb::Integer index) {
        return Price(zomel::gOptions(index), index);
    }
    std::string Cell(int column) const { return run.Line.Cells[static_cast<size_t>(column)]; }
    std::string Quantity() const { return Cell(zomel::PriceLine::kQuantity); }
    std::string SubTotal() const { return Cell(zomel::PriceLine::kSubTotal); }
    std::string Shown() const { return Cell(zomel::PriceLine::kPartNumber); }
    // The prompts of the advice the rules have left in the run, in order.
    std::vector<std::string> AdvicePrompts() const {
        std::vector<std::string> prompts;
        for (const zomel::Advice& advice : run.PendingAdvice)
            prompts.push_back(advice.Prompt);
        return prompts;
    }

    TestEnvironment env;
    forms::HeadlessHost host;
    zomel::PriceRun run;
    zomel::OptionRecord record;

private:
    std::unique_ptr<EngineRun> run_;
};
