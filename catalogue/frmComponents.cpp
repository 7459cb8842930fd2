#include "catalogue/frmComponents.h"

#include <algorithm>
#include <set>
#include <vector>

#include "catalogue/ComponentText.h"
#include "catalogue/Generation.h"
#include "core/Catalogue.h"
#include "core/Globals.h"
#include "core/OptionRecord.h"
#include "core/PartNumbers.h"
#include "platform/forms/Constants.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/StringTable.h"
#include "platform/forms/TextMeasure.h"
#include "platform/printer/Printer.h"
#include "platform/vb/Strings.h"

namespace zomel {
namespace {

constexpr vb::Long kAscendingId = 11720;
constexpr vb::Long kDescendingId = 11721;
constexpr vb::Long kDescriptionId = 11722;
constexpr vb::Long kPartNumberId = 11723;
constexpr vb::Long kPriceId = 11724;

constexpr vb::Integer kPrintKey = 80;  // P
constexpr vb::Integer kPrintShift = forms::vbShiftMask | forms::vbCtrlMask | forms::vbAltMask;

// Field widths of the printed list, in characters.
constexpr vb::Long kDescriptionField = 55;
constexpr vb::Long kPartField = 16;
constexpr vb::Long kPriceField = 27;
// The room the list leaves in the window: below it and right of it.
constexpr vb::Single kRoomBelowList = 360;
constexpr vb::Single kRoomBesideList = 120;
// A column's own width, in twips: the list's header width times its factor.
constexpr vb::Single kHeaderWidth = 1440;
constexpr vb::Single kDescriptionWidth = kHeaderWidth * 3.0f;
constexpr vb::Single kPartWidth = kHeaderWidth * 1.3f;
constexpr vb::Single kPriceWidth = kHeaderWidth * 1.5f;
// Room a column keeps beside its text for the header's margins and a cell's; and the room
// the list keeps right of its columns for its frame and scroll bar.
constexpr vb::Single kCellMargins = 300;
constexpr vb::Single kListEdges = 360;
// The printed page: a half-inch margin and a fixed-pitch font small enough for a full line.
constexpr vb::Single kPrintMargin = 720;
constexpr double kPrintPoints = 9;

template <size_t N>
bool IsOneOf(const std::array<std::string_view, N>& numbers, const std::string& number) {
    return std::find(numbers.begin(), numbers.end(), number) != numbers.end();
}

std::string PadRight(const std::string& text, vb::Long width) {
    vb::Long length = vb::Len(text);
    return length >= width ? text : text + vb::Space(width - length);
}

std::string PadLeft(const std::string& text, vb::Long width) {
    vb::Long length = vb::Len(text);
    return length >= width ? text : vb::Space(width - length) + text;
}

std::string PrintedLine(const std::string& description, const std::string& part,
                        const std::string& price) {
    return PadRight(description, kDescriptionField) + PadRight(part, kPartField) +
           PadLeft(price, kPriceField);
}

// The description in pieces that fit its column with a blank to spare, broken after a word
// where one ends in time: a long one never runs into the part number.
std::vector<std::string> DescriptionLines(const std::string& description) {
    const size_t room = static_cast<size_t>(kDescriptionField - 1);
    std::vector<std::string> lines;
    std::string rest = description;
    while (rest.size() > room) {
        size_t cut = rest.rfind(' ', room);
        if (cut == std::string::npos || cut == 0) {
            cut = room;
            // Never inside a character.
            while (cut > 1 && (static_cast<unsigned char>(rest[cut]) & 0xC0) == 0x80)
                --cut;
        }
        lines.push_back(rest.substr(0, cut));
        rest = rest.substr(rest[cut] == ' ' ? cut + 1 : cut);
    }
    lines.push_back(rest);
    return lines;
}

}  // namespace

frmComponents::frmComponents() : ProgramForm("frmComponents") {
    On("lvComp", "ColumnClick", [this](forms::Control&, forms::EventArgs& args) {
        lvComp_ColumnClick(*args.at(0).As<forms::Item>());
    });
}

void frmComponents::Window_Load() {
    AscendingText = forms::LoadResString(kAscendingId);
    DescendingText = forms::LoadResString(kDescendingId);
    forms::ListView& list = *lvComp;
    list.ColumnHeaders().Clear();
    list.AddColumn(forms::LoadResString(kDescriptionId) + AscendingText, kDescriptionWidth);
    list.AddColumn(forms::LoadResString(kPartNumberId), kPartWidth);
    list.AddColumn(forms::LoadResString(kPriceId), kPriceWidth);
    FillComponents();
    list.SetSortKey(0);
    list.SetSortOrder(forms::ListView::lvwAscending);
    list.SetSorted(true);
    MeasureColumns();
    FitColumns();
}

// The part number and price columns are as wide as their headers, in either sort order, and
// their texts need; the description at least its own width and its header's.
void frmComponents::MeasureColumns() {
    partRoom_ = std::max(HeaderRoom(kPartNumberId, true), WidestCell(1));
    priceRoom_ = std::max(HeaderRoom(kPriceId, false), WidestCell(2));
    descriptionRoom_ = std::max(kDescriptionWidth, HeaderRoom(kDescriptionId, true));
}

// The description takes the width the list has left, so that it is cut only where the window
// is too narrow for it.
void frmComponents::FitColumns() {
    forms::ItemList<>& headers = lvComp->ColumnHeaders();
    if (headers.Count() < 3) return;
    headers(1).Let(
        "Width", std::max(descriptionRoom_, lvComp->Width() - partRoom_ - priceRoom_ - kListEdges));
    headers(2).Let("Width", partRoom_);
    headers(3).Let("Width", priceRoom_);
}

vb::Single frmComponents::HeaderRoom(vb::Long textId, bool sorts) const {
    const forms::StdFont& font = *lvComp->Font();
    const std::string base = forms::LoadResString(textId);
    vb::Single room = forms::TextWidthIn(font, base);
    if (sorts)
        room = std::max({room, forms::TextWidthIn(font, base + AscendingText),
                         forms::TextWidthIn(font, base + DescendingText)});
    return room + kCellMargins;
}

vb::Single frmComponents::WidestCell(vb::Long column) const {
    const forms::StdFont& font = *lvComp->Font();
    vb::Single widest = 0;
    for (const auto& item : lvComp->ListItems())
        widest = std::max(widest, forms::TextWidthIn(font, item->SubItems(column)));
    return widest + kCellMargins;
}

void frmComponents::FillComponents() {
    lvComp->ClearItems();
    std::set<std::string> listedOnce;
    const vb::Long rows = vb::Long{gBaseCount} + gOptionCount;
    for (vb::Long n = 1; n <= rows; ++n) {
        const OptionRecord& row = n <= gBaseCount
                                      ? gBaseParts(static_cast<vb::Integer>(n))
                                      : gOptions(static_cast<vb::Integer>(n - gBaseCount));
        if (ForOtherGeneration(row)) continue;
        if (IsOneOf(kUnlistedPartNumbers, row.PartNo)) continue;
        if (IsOneOf(kListedOncePartNumbers, row.PartNo) && !listedOnce.insert(row.PartNo).second)
            continue;
        AddComponent(row, n);
    }
}

void frmComponents::AddComponent(const OptionRecord& row, vb::Long n) {
    const std::string part = ComponentPartText(row);
    forms::ListItem& item =
        lvComp->AddItem("key" + std::to_string(n), ComponentDescription(row, part));
    item.SetSubItems(1, part);
    item.SetSubItems(2, ComponentPriceText(row, part));
}

void frmComponents::lvComp_ColumnClick(const forms::Item& ColumnHeader) {
    const vb::Long c = ColumnHeader.Get("Index").ToLong();
    if (c != 1 && c != 2) return;
    forms::ListView& list = *lvComp;
    const std::string base = forms::LoadResString(c == 1 ? kDescriptionId : kPartNumberId);
    const bool descending = list.SortOrder() == forms::ListView::lvwDescending;
    if (list.Sorted() && list.SortKey() == c - 1) {
        list.SetSortOrder(descending ? forms::ListView::lvwAscending
                                     : forms::ListView::lvwDescending);
        list.ColumnHeaders()(c).Let("Text", base + (descending ? AscendingText : DescendingText));
        return;
    }
    list.SetSortKey(static_cast<vb::Integer>(c - 1));
    list.SetSorted(true);
    list.ColumnHeaders()(c).Let("Text", base + (descending ? DescendingText : AscendingText));
    const vb::Long other = c == 1 ? 2 : 1;
    list.ColumnHeaders()(other).Let(
        "Text", forms::LoadResString(other == 1 ? kDescriptionId : kPartNumberId));
}

void frmComponents::Form_Resize() {
    if (ScaleHeight() > kRoomBelowList) lvComp->SetHeight(ScaleHeight() - kRoomBelowList);
    if (ScaleWidth() > kRoomBesideList) lvComp->SetWidth(ScaleWidth() - kRoomBesideList);
    FitColumns();
}

void frmComponents::Window_KeyUp(vb::Integer& KeyCode, vb::Integer& Shift) {
    if (KeyCode == kPrintKey && Shift == kPrintShift) PrintComponents();
}

// Printed straight on the printer: the estimate window, its price run and its solar
// questions have nothing to do with a list of the catalogue.
void frmComponents::PrintComponents() {
    const vb::Integer pointer = forms::Screen().MousePointer();
    forms::Screen().SetMousePointer(forms::vbHourglass);
    forms::PrinterObject& printer = forms::Printer();
    if (!printer.ShowPrinterDialog(Caption())) {
        forms::Screen().SetMousePointer(pointer);
        return;
    }
    printer.SetFont(gdi::Font{"courier new", kPrintPoints});
    auto line = [&printer](const std::string& text) {
        if (printer.CurrentY() + printer.TextHeight(text) > printer.Height() - kPrintMargin) {
            printer.NewPage();
        }
        if (printer.CurrentY() < kPrintMargin) printer.SetCurrentY(kPrintMargin);
        printer.SetCurrentX(kPrintMargin);
        printer.Print(text);
    };
    line("");
    line(PrintedLine(forms::LoadResString(kDescriptionId), forms::LoadResString(kPartNumberId),
                     forms::LoadResString(kPriceId)));
    line("");
    for (const auto& item : lvComp->ListItems()) {
        std::vector<std::string> description = DescriptionLines(item->Text());
        line(PrintedLine(description.front(), item->SubItems(1), item->SubItems(2)));
        for (size_t i = 1; i < description.size(); ++i)
            line(description[i]);
    }
    printer.EndDoc();
    forms::Screen().SetMousePointer(pointer);
}

}  // namespace zomel
