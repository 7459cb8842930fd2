#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/Cents.h"
#include "core/LayoutKind.h"
#include "core/ModuleFigures.h"
#include "core/OptionRecord.h"
#include "estimate/engine/LengthFactors.h"
#include "estimate/engine/PriceLine.h"
#include "platform/vb/Types.h"
#include "platform/vb/Variant.h"

namespace zomel {

// The sign as the price rules see it, read once when an estimate starts.
struct PricedSign {
    vb::Long X = 0;                              // module columns
    vb::Long Y = 0;                              // module rows
    LayoutKind Layout = LayoutKind::FullMatrix;  // the sign's SegmentType
    bool Vertical = false;                       // the sign's modules stand vertically
    bool VerticalBox = false;                    // the main window's vertical box is ticked
    bool HighDensity = false;                    // the main window's density
    bool Zomel2Mode = false;                     // module generation 2
    double SignWidth = 0;                        // lengths in the sign's length unit
    double SignHeight = 0;
    double RailLength = 0;
    double SpacerLength = 0;
    double LockdownLength = 0;
    double ZomelWidth = 0;
    double ConductorFirst = 0;  // conductor inches for a row's first module
    double ConductorNext = 0;   // and for each further one
    vb::Long LockdownCount = 0;
    vb::Long HoleplugCount = 0;
    std::string LengthUnit;
    LengthFactors Factors;
    std::string BackPlatePartNo;  // the parts map's back plate, or "VELDO will supply"
    std::string JumpHarnPartNo;   // the parts map's jumper harness; "" when it has none

    vb::Long Modules() const { return X * Y; }
    // Many modules, or a wide high-density sign: power runs along the rows.
    bool LargeSign() const { return (HighDensity && X > 8) || Modules() > 20; }
    // The amperes the sign draws.
    double PowerLoad() const { return static_cast<double>(Modules()) * ModuleAmps(HighDensity); }
};

// A word of advice for the person that a rule gives while it prices its row: shown by the
// window that runs the estimate, in the order given, before anything else the person sees.
struct Advice {
    std::string Prompt;
    std::string Title;  // empty: the program's own
};

// One run of the price-list engine: the sign, the choices made around it, the catalogue row
// being priced, the line it fills and what the rules carry from row to row.
struct PriceRun {
    PricedSign Sign;

    // Choices and flags of the windows, read at the start and written back at the end.
    bool AltPartsFlag = false;
    bool CabinetOption = false;
    vb::Integer FirstEstimate = vb::False;
    vb::Integer SignChanged = vb::False;
    vb::Variant PanelCount;
    vb::Variant BatteryCount;
    // Shows the solar window and takes the counts it leaves.
    std::function<void(PriceRun&)> ShowSolar;
    // The engine's report of an error (the current one) with the run's step and row.
    std::function<void(const PriceRun&)> Report;
    // The rules' advice that the window has not shown yet.
    std::vector<Advice> PendingAdvice;

    // The catalogue row being priced.
    const OptionRecord* Record = nullptr;
    vb::Long RowIndex = 0;        // over the base rows, then the option rows
    vb::Integer OptionIndex = 0;  // its gOptions index; 0 for a base row
    Cents UnitPrice;              // its price
    vb::Long GridRow = 1;         // the grid row its line takes

    // The line it fills.
    PriceLine Line;
    std::string ShownPartNo;  // what the part number column shows
    Cents LineTotal;
    bool RowSkipped = false;
    vb::Integer LoadStep = 0;

    // Carried between rows.
    Cents EstimateTotal;
    vb::Integer SkippedRows = 0;
    vb::Integer PresetRowIndex = 0;
    LengthPrice RailCost;  // the rail assembly's pieces
    std::string RailDescription;
    std::string RailPartNo;
    vb::Long PowerSetCount = 0;
    bool InstallKitIncluded = false;
    bool LargeSupplyChosen = false;
    vb::Integer PowerCableIndex = 0;
    bool CableAutoChecked = false;
    vb::Integer CableCheckedByEngine = 0;  // the cable row the engine checked, to clear again
    Cents KitSubtotal;
    vb::Long KitRowSeen = 0;
    vb::Long KitRow = 0;

    // Starts the line of a catalogue row: its name with a colon, its price, its keyword.
    void BeginRow(const OptionRecord& record, vb::Integer optionIndex);
    // The row does not apply to this sign: its grid row goes to the next one.
    void SkipRow();
    // Runs one statement of a rule.  An error is reported and the rule goes on with its next
    // statement; without a report the error goes to the caller.
    void Resume(const std::function<void()>& statement) const;
    // Quantity q at the unit price.
    void Emit(vb::Long q);
    // A quantity text and a sub total of the rule's own.
    void Emit(const std::string& quantity, Cents total);
    void SetSellingPrice(Cents unit) { Line.Cells[PriceLine::kSellingPrice] = unit.Dollars(); }
    void Append(const std::string& suffix) { Line.Cells[PriceLine::kDescription] += suffix; }
    void Advise(std::string prompt, std::string title = {}) {
        PendingAdvice.push_back({std::move(prompt), std::move(title)});
    }

    const std::string& RowInfo() const { return Record->Info; }
    const std::string& RowPartNo() const { return Record->PartNo; }
    vb::Integer RowPackage() const { return Record->Package; }
    // The option of the row (gOptions(OptionIndex)); error 9 for a row that has none.
    OptionRecord& Option() const;
};

// gOptions(index) when the catalogue has that option row; otherwise a catalogue error
// (error 9 naming the row), which the engine reports before it goes on.
OptionRecord& CatalogueOption(vb::Long index);

}  // namespace zomel
