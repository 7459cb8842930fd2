#include <algorithm>
#include <cmath>

#include "core/Diagnostics.h"
#include "core/FlagScope.h"
#include "core/Globals.h"
#include "core/ModulePitch.h"
#include "core/Sign.h"
#include "editor/InkScan.h"
#include "editor/LinePlacement.h"
#include "editor/frmMain.h"
#include "platform/forms/Constants.h"
#include "platform/forms/Interaction.h"
#include "platform/gdi/Screen.h"
#include "platform/vb/Conversion.h"
#include "platform/vb/Error.h"
#include "platform/vb/Strings.h"

// The layout road: a changed line runs the layout engine, which draws the lines into the
// message raster, measures the ink into module counts, places the text, hands the raster to
// the preview (frmMainPreview.cpp) and ends with the status figures.
namespace zomel {
namespace {

constexpr vb::Long kQuietExtentError = 32021;

// The largest module cell with the raster's gap of one LED: the raster holds the largest sign.
constexpr int kLargestCellPitch = ModulePitch(kHighDensityLedsLong, 1);

int Rounded(double value) {
    return static_cast<int>(std::nearbyint(value));
}

std::string CountText(vb::Long value) {
    return vb::CStr(value);
}

}  // namespace

// --- The layout engine -------------------------------------------------------------------

void frmMain::txtZomelText_Change(vb::Integer Index) {
    if (road_.LayoutBusy) return;
    vb::OnError step([] { ReportError("TxtZomelTextChange"); });
    step([] { forms::Screen().SetMousePointer(forms::vbHourglass); });
    CurrentLine = Index;
    FlagScope busy(road_.LayoutBusy);
    road_.SizeAdjusted = vb::False;
    step([this] { TidyLines(); });
    step([this] { OfferNextLine(); });
    size_.BeyondMaxColumns = vb::False;
    size_.BeyondMaxRows = vb::False;
    step([this] { MeasureMessage(); });
    step([this] { PlaceMessage(); });
    step([this] {
        if (road_.SizeAdjusted) {
            ShowTextNotVisible();
            road_.SizeAdjusted = vb::False;
        }
    });
    step([this] { CalculateSize(); });
    step([] { forms::Screen().SetMousePointer(forms::vbDefault); });
}

// Shows the used lines and closes each gap by one line: the text, format and height setting of
// the line below move up.
void frmMain::TidyLines() {
    const vb::Integer last = LastUsedLine(false);
    for (vb::Integer i = 0; i <= last; ++i) {
        if (!txtZomelText(i).Text().empty())
            ShowLine(i, true);
        else if (i < last)
            MoveLineUp(static_cast<vb::Integer>(i + 1));
    }
}

void frmMain::MoveLineUp(vb::Integer from) {
    const auto to = static_cast<vb::Integer>(from - 1);
    txtZomelText(to).SetText(txtZomelText(from).Text());
    txtZomelText(from).SetText("");
    lines_.LineFormats[to] = lines_.LineFormats[from];
    lines_.SavedLineHeight[to] = lines_.SavedLineHeight[from];
    HSLine(to).SetMin(HSLine(from).Min());
    HSLine(to).SetMax(HSLine(from).Max());
    HSLine(to).SetValue(HSLine(from).Value());
}

// Hides the lines under the last used one but one, and offers an empty line under it: only
// the lines with a height bar are offered.
void frmMain::OfferNextLine() {
    const vb::Integer last = LastUsedLine(false);
    for (auto i = static_cast<vb::Integer>(last + 2); i <= kLastMessageLine; ++i)
        ShowLine(i, false);
    if (last < kLastSizedLine && !txtZomelText(last).Text().empty())
        ShowLine(static_cast<vb::Integer>(last + 1), true);
}

void frmMain::ShowLine(vb::Integer Index, bool visible) {
    txtZomelText(Index).SetVisible(visible);
    HSLine(Index).SetVisible(visible);
    LblCharHeight(Index).SetVisible(visible);
}

// The measuring pass: every line from the left edge, one under the other; its ink gives the
// module counts.
void frmMain::MeasureMessage() {
    PrepareRaster();
    DrawLines(0, std::nullopt);
    road_.Extent = GetExtents();
}

// Draws the message placed by alignment and vertical placement, and previews it; again when
// the preview had to take rows away, against the new row count.
void frmMain::PlaceMessage() {
    const int firstRow = road_.Extent.StartingRow == 0 ? 0 : 1 - road_.Extent.StartingRow;
    int offset = 0;
    vb::Integer placedRows = 0;
    if (lines_.VerticalPlacement > kPlaceTop) {
        placedRows = TheSign().YZomelCount();
        offset = PlacementOffset(lines_.VerticalPlacement, placedRows, PicClip->ClipHeight(),
                                 road_.Extent);
    }
    for (;;) {
        LineRaster().Clear();
        const vb::Integer rows = TheSign().YZomelCount();
        if (placedRows > rows) {
            offset = PlacementOffset(lines_.VerticalPlacement, rows, PicClip->ClipHeight(),
                                     road_.Extent);
            placedRows = rows;
        }
        ClearWarning();
        DrawLines(firstRow, offset);
        road_.Extent = GetExtents();
        ZomelDraw(road_.Extent);
        if (placedRows <= TheSign().YZomelCount()) break;
        road_.SizeAdjusted = vb::False;
    }
}

// PicLine holds the raster; it grows to hold the largest sign with the gaps of the character
// layout.
void frmMain::PrepareRaster() {
    forms::PictureBox& box = *PicLine;
    const int width = TheSign().MaxColumns() * kLargestCellPitch;
    const int height = TheSign().MaxRows() * kLargestCellPitch;
    const gdi::Bitmap& image = box.Surface();
    if (image.Width() < width)
        box.SetWidth(box.Width() +
                     static_cast<vb::Single>(gdi::PixelsToTwipsX(width - image.Width())));
    if (image.Height() < height)
        box.SetHeight(box.Height() +
                      static_cast<vb::Single>(gdi::PixelsToTwipsY(height - image.Height())));
    LineRaster().Clear();
}

MessageRaster frmMain::LineRaster() {
    return MessageRaster(PicLine->hDC(), road_.LineRasterWork);
}

// One pass over the non-empty lines from row `startY`.  Without an offset every line starts
// at the left edge (measuring); with one, lines are aligned and moved down by it.
void frmMain::DrawLines(int startY, std::optional<int> offset) {
    const LineAdvance advance = CurrentLineAdvance();
    const int signWidth = ModulesSpan(TheSign().XZomelCount(), PicClip->ClipWidth(), ColumnGap());
    const bool warnAbove = offset && ToolState("id_SignChar") != forms::kToolDown &&
                           ToolState("id_SignLine") != forms::kToolDown;
    MessageRaster raster = LineRaster();
    double y = startY;
    for (vb::Integer i = 0; i <= kLastMessageLine; ++i) {
        const std::string& text = txtZomelText(i).Text();
        if (text.empty()) continue;
        const LineFormat& format = lines_.LineFormats[i];
        raster.SetFont(format);
        int x = 0;
        int top = Rounded(y);
        std::string_view shown = text;
        if (offset) {
            x = LineX(format.Align, signWidth, raster.TrimmedTextWidth(text),
                      format.PixelFont != 0);
            // Right and centre place the text measured without its blanks: leading blanks
            // drawn as well would push it off the sign.
            if (format.Align != kAlignLeft)
                shown.remove_prefix(std::min(shown.find_first_not_of(' '), shown.size()));
            const double placed = y + *offset;
            if (y >= 0 && placed < 0 && warnAbove) ShowTextNotVisible();
            top = Rounded(placed);
        }
        raster.Draw(x, top, shown);
        y += advance.Of(format, raster, text);
    }
}

// How far down the next line starts: one module row per line in the line matrix, else the
// line's height and the line spacing.
frmMain::LineAdvance frmMain::CurrentLineAdvance() {
    LineAdvance advance;
    advance.spacing = VScrLineSpacing->Value();
    if (TheSign().SegmentType() == LayoutKind::LineMatrix)
        advance.moduleRows = ViewSign->Get("PixPerSegY").ToInteger();
    return advance;
}

double frmMain::LineAdvance::Of(const LineFormat& format, MessageRaster& raster,
                                std::string_view text) const {
    if (moduleRows) return *moduleRows;
    if (format.PixelFont) return format.FontSize + spacing;
    return raster.TextHeight(text) + spacing;
}

void frmMain::txtZomelText_GotFocus(vb::Integer Index) {
    CurrentLine = Index;
    const LineFormat& format = lines_.LineFormats[Index];
    static const char* const alignTools[] = {"id_FormatLeft", "id_FormatRight", "id_FormatCenter"};
    if (format.Align >= kAlignLeft && format.Align <= kAlignCentre)
        SetToolState(alignTools[format.Align], forms::kToolDown);
    SetToolState("id_Bold", format.Bold ? forms::kToolDown : forms::kToolUp);
    SetToolState("id_Italic", format.Italic ? forms::kToolDown : forms::kToolUp);
    SetToolState("id_Underline", format.Underline ? forms::kToolDown : forms::kToolUp);
}

void frmMain::VScrLineSpacing_Change() {
    txtZomelText_Change(LastUsedLine(false));
}

vb::Integer frmMain::LastUsedLine(bool useCache) {
    if (useCache && road_.LastUsedLineCached) return road_.CachedLastUsedLine;
    road_.LastUsedLineCached = useCache;
    road_.CachedLastUsedLine = 0;
    for (vb::Integer i = kLastMessageLine; i >= 0; --i) {
        if (!txtZomelText(i).Text().empty()) {
            road_.CachedLastUsedLine = i;
            break;
        }
    }
    return road_.CachedLastUsedLine;
}

vb::Integer frmMain::LongestLineLength() {
    vb::Long longest = 0;
    for (vb::Integer i = 0; i <= kLastMessageLine; ++i)
        longest = std::max(longest, vb::Len(txtZomelText(i).Text()));
    return static_cast<vb::Integer>(longest);
}

void frmMain::SetAllLineHeights(vb::Integer value) {
    for (vb::Integer i = kLastMessageLine; i >= 0; --i) {
        lines_.LineFormats[i].PixelFont = vb::True;
        HSLine(i).SetValue(value);
        HSLine_Change(i);
        HSLine(i).SetEnabled(TheSign().SegmentType() != LayoutKind::CharacterSegmented);
    }
}

// --- Ink extents and module counts -------------------------------------------------------

vb::Integer frmMain::ColumnGap() {
    return ToolState("id_SignChar") == forms::kToolDown ? 1 : 0;
}

vb::Integer frmMain::RowGap() {
    return ToolState("id_SignChar") == forms::kToolDown ||
                   ToolState("id_SignLine") == forms::kToolDown
               ? 1
               : 0;
}

ExtentInfo frmMain::GetExtents() {
    bool quiet = false;
    vb::OnError step([&quiet] {
        const vb::Long number = vb::Err().Number;
        if (number == vb::err::kDivisionByZero || number == kQuietExtentError) {
            vb::Err().Clear();
            quiet = true;
        } else {
            ReportError("GetExtents");
        }
    });
    const bool tracing = DebugLevel >= kLayoutTraceLevel;
    MeasuredPercent = 0;
    InkScan scan;
    int bytesPerPixel = 0;
    step([&] {
        // The raster's own layout decides how its bytes are read.
        const gdi::Bitmap& image = PicLine->Surface();
        const gdi::BitmapInfo info = image.Describe();
        bytesPerPixel = BytesPerPixel(info.bmBitsPixel);
        road_.WiderRows.clear();
        scan = ScanInk(image.Bytes(), info.bmWidthBytes, info.bmHeight, bytesPerPixel,
                       LineRaster().InkArea(), tracing ? &road_.WiderRows : nullptr);
    });
    if (tracing) TraceScan(scan, bytesPerPixel);
    if (!quiet && !HoldSize) step([&] { CountModules(scan.Extent, tracing); });
    if (!quiet) step([&] { MeasureLitShare(scan.Count); });
    return quiet ? ExtentInfo{} : scan.Extent;
}

void frmMain::CountModules(const ExtentInfo& extent, bool tracing) {
    Sign& sign = TheSign();
    if (!model_.ApplyingModel)
        sign.SetXZomelCount(ModulesFor(extent.EndingCol, PicClip->ClipWidth(), ColumnGap()));
    if (ToolState("id_SignChar") == forms::kToolDown) {
        // One module per character: at least the longest line, within the most columns.
        const vb::Integer longest = std::min(LongestLineLength(), sign.MaxColumns());
        if (longest > sign.XZomelCount()) sign.SetXZomelCount(longest);
    }
    if (!model_.ApplyingModel)
        sign.SetYZomelCount(ModulesFor(extent.EndingRow, PicClip->ClipHeight(), RowGap()));
    if (tracing)
        LogLine("Since hold is false, then needed zomels is columns: " +
                CountText(sign.XZomelCount()) + " and rows: " + CountText(sign.YZomelCount()));
}

void frmMain::MeasureLitShare(vb::Long litCount) {
    const vb::Integer x = TheSign().XZomelCount();
    const vb::Integer y = TheSign().YZomelCount();
    if (x < 1 || y < 1) return;
    const vb::Long leds = vb::Long{x} * y * ViewSign->Get("PixPerSegX").ToInteger() *
                          ViewSign->Get("PixPerSegY").ToInteger();
    if (leds == 0) vb::Raise(vb::err::kDivisionByZero);
    MeasuredPercent = static_cast<vb::Single>(static_cast<double>(litCount) / leds * 100);
}

void frmMain::TraceScan(const InkScan& scan, int bytesPerPixel) {
    for (const WiderRow& row : road_.WiderRows)
        LogLine("Bigger EndCol: " + CountText(row.EndByte) +
                " found in row: " + CountText(row.Row) + " column: " + CountText(row.EndByte - 1));
    LogLine("Using ColorInt: " + CountText(bytesPerPixel) +
            " reduce EndCol to: " + CountText(scan.Extent.EndingCol));
}

}  // namespace zomel
