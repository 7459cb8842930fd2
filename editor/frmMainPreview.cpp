// The layout's last leg: the size limits on the counts the ink gave, the preview on the
// display control, the warnings and the status figures.
#include <algorithm>
#include <cmath>

#include "core/Diagnostics.h"
#include "core/Globals.h"
#include "core/ModuleFigures.h"
#include "core/Sign.h"
#include "editor/CellSizeKeeper.h"
#include "editor/CharacterFrame.h"
#include "editor/SizeLimits.h"
#include "editor/StatusFigures.h"
#include "editor/WarningPlace.h"
#include "editor/frmMain.h"
#include "platform/forms/Constants.h"
#include "platform/forms/Host.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/StringTable.h"
#include "platform/gdi/Picture.h"
#include "platform/vb/Error.h"

namespace zomel {
namespace {

// Part of the message lies off the sign.
constexpr vb::Long kTextNotVisible = 10904;

// The preview's zoom: start, step and the smallest the display control draws.
constexpr vb::Single kStartZoom = 3.0F;
constexpr vb::Single kZoomStep = 0.5F;
constexpr vb::Single kSmallestZoom = 0.5F;
// Room kept beside and under the preview, twips.
constexpr vb::Single kNarrowSignMargin = 100;
constexpr int kNarrowSignColumns = 16;
constexpr vb::Single kBottomReserve = 242;
// The text frame of the character layout: LEDs of one character, the 5x7 font, module gaps.
constexpr vb::Integer kCharacterColumns = 5;
constexpr vb::Integer kCharacterRows = 7;
constexpr vb::Integer kCharacterFont = 0;

}  // namespace

// --- Size limits ---------------------------------------------------------------------------

vb::Integer frmMain::CheckSize(vb::Integer tryCount, const std::string& which,
                               const ExtentInfo& extent) {
    SizeLimits limits;
    limits.MaxColumns = TheSign().MaxColumns();
    limits.MaxRows = TheSign().MaxRows();
    limits.XZomelCount = TheSign().XZomelCount();
    limits.YZomelCount = TheSign().YZomelCount();
    limits.HighDensity = TheSign().HighDensity() != 0;
    limits.HoldSize = HoldSize != 0;
    limits.CellWidth = PicClip->ClipWidth();
    limits.CellHeight = PicClip->ClipHeight();
    limits.GapX = ColumnGap();
    limits.GapY = RowGap();
    const bool tracing = DebugLevel >= kLayoutTraceLevel;
    SizeVerdict verdict;
    if (which == "X") {
        verdict = CheckColumns(tryCount, extent, limits, tracing);
        size_.TooWide = vb::Flag(verdict.Held);
        if (verdict.BeyondMax) size_.BeyondMaxColumns = vb::True;
        if (!verdict.Message.empty()) size_.WidthMessage = verdict.Message;
    } else if (which == "Y") {
        verdict = CheckRows(tryCount, extent, limits, tracing);
        size_.TooTall = vb::Flag(verdict.Held);
        if (verdict.BeyondMax) size_.BeyondMaxRows = vb::True;
        if (!verdict.Message.empty()) size_.HeightMessage = verdict.Message;
    } else {
        return 0;
    }
    if (!verdict.Trace.empty()) LogLine(verdict.Trace);
    return verdict.Count;
}

// --- The preview on the display control ----------------------------------------------------

void frmMain::ZomelDraw(const ExtentInfo& extent) {
    forms::PictureClip& clip = *PicClip;
    CellSizeKeeper cellSize(clip);
    bool stopped = false;
    vb::OnError onError([&stopped] {
        if (vb::Err().Number == vb::err::kInvalidCall) {
            vb::Err().Clear();
            stopped = true;
        } else {
            ReportError("ZomelDraw");
        }
    });
    const auto step = [&](auto&& statement) {
        if (!stopped) onError(statement);
    };
    step([&] {
        clip.SetPicture(road_.RasterPictures.Copy(PicLine->Surface()));
        clip.SetClipX(0);
        clip.SetClipY(0);
    });
    vb::Integer columns = TheSign().XZomelCount();
    vb::Integer rows = TheSign().YZomelCount();
    if (!running_.SkipSizeCheck) {
        step([&] { columns = SettleCount("X", columns, extent); });
        step([&] { rows = SettleCount("Y", rows, extent); });
    }
    step([&] {
        ViewSign->SetVisible(false);
        ViewSign->Call("ClearSign");
        ViewSign->Let("SegCountX", columns);
        ViewSign->Let("SegCountY", rows);
        ViewSign->Let("Zoom", kStartZoom);
        clip.SetClipX(0);
        clip.SetClipY(0);
        cellSize.Keep(ViewSign->Get("PixPerSegX").ToInteger(),
                      ViewSign->Get("PixPerSegY").ToInteger());
    });
    // A sign without modules shows nothing: the control keeps its last counts otherwise.
    bool empty = columns <= 0 || rows <= 0;
    step([&] { empty = empty || ViewSign->Get("SegCountX").ToInteger() == 0; });
    if (empty || stopped) return;
    if (TheSign().SegmentType() == LayoutKind::CharacterSegmented)
        step([&] { ShowTextFrame(columns, rows); });
    else
        step([&] { ShowBitmapFrame(columns); });
    step([&] { ViewSign->SetVisible(true); });
}

// The size check for one direction; a changed count goes to the sign, and a held size that
// the message exceeds is told unless the density command keeps quiet.
vb::Integer frmMain::SettleCount(const std::string& which, vb::Integer count,
                                 const ExtentInfo& extent) {
    const bool columns = which == "X";
    const vb::Integer settled = CheckSize(count, which, extent);
    Sign& sign = TheSign();
    if (settled != (columns ? sign.XZomelCount() : sign.YZomelCount())) {
        columns ? sign.SetXZomelCount(settled) : sign.SetYZomelCount(settled);
        road_.SizeAdjusted = vb::True;
    }
    if ((columns ? size_.TooWide : size_.TooTall) && !size_.QuietSize)
        forms::MsgBox(columns ? size_.WidthMessage : size_.HeightMessage, forms::vbOKOnly);
    return settled;
}

// Full and line matrix: the sign's part of the raster as one picture, shrunk until it fits.
void frmMain::ShowBitmapFrame(vb::Integer columns) {
    forms::PictureClip& clip = *PicClip;
    clip.SetClipWidth(static_cast<vb::Integer>(ViewSign->Get("PixPerSegX").ToInteger() *
                                               ViewSign->Get("SegCountX").ToInteger()));
    clip.SetClipHeight(static_cast<vb::Integer>(ViewSign->Get("PixPerSegY").ToInteger() *
                                                ViewSign->Get("SegCountY").ToInteger()));
    ViewSign->Call("AddBMPFrame", {vb::Variant(vb::ObjectRef(clip.Clip())), "FrameName"});
    ViewSign->Let("Zoom", kStartZoom);
    const vb::Single margin = columns < kNarrowSignColumns ? kNarrowSignMargin : 0;
    vb::Single reserve = kBottomReserve;
    if (sbStatusBar->Visible()) reserve += sbStatusBar->Height();
    reserve = std::nearbyint(reserve);
    while (ViewSign->Width() > ScaleWidth() - margin && ShrinkZoom()) {
    }
    while (ViewSign->Height() + reserve > ScaleHeight() && ShrinkZoom()) {
    }
}

// Half a step of zoom; false at the smallest zoom the control draws, where the shrinking ends
// however small the window is.
bool frmMain::ShrinkZoom() {
    const vb::Single zoom = ViewSign->Get("Zoom").ToSingle();
    if (zoom <= kSmallestZoom) return false;
    ViewSign->Let("Zoom", static_cast<vb::Single>(zoom - kZoomStep));
    return true;
}

// Character segmented: the typed lines as a text frame, one module per character.
void frmMain::ShowTextFrame(vb::Integer signColumns, vb::Integer signRows) {
    const int columns = CharacterFrameColumns(LongestLineLength(), signColumns);
    if (columns <= 0) return;
    const int lines = std::min<int>(LastUsedLine(false) + 1, signRows);
    road_.FrameLines.clear();
    for (vb::Integer i = 0; i < lines; ++i)
        road_.FrameLines.push_back(txtZomelText(i).Text());
    const std::string text = CharacterFrameText(
        road_.FrameLines, std::span<const LineFormat>(lines_.LineFormats.data(), lines), columns);
    ViewSign->Call("ClearSign");
    ViewSign->Let("PixPerSegX", kCharacterColumns);
    ViewSign->Let("SegCountX", static_cast<vb::Integer>(columns));
    ViewSign->Let("SegCountY", static_cast<vb::Integer>(lines));
    ViewSign->Let("SegSepX", kModuleGap);
    ViewSign->Let("SegSepY", kModuleGap);
    ViewSign->Call(
        "AddTextFrame",
        {text, "NEW", static_cast<vb::Integer>(columns * kCharacterColumns),
         static_cast<vb::Integer>(lines * kCharacterRows), static_cast<vb::Integer>(columns),
         static_cast<vb::Integer>(lines), kCharacterFont});
}

// --- Warnings and status figures ---------------------------------------------------------

// Placing measures and wraps the text, and a layout that cannot show its text warns on every
// keystroke: the same caption keeps its place, which every resize renews.
void frmMain::ShowWarningLabel(const std::string& text) {
    if (lblWarn->Caption() != text) {
        lblWarn->SetCaption(text);
        PlaceWarning(*this);
    }
    lblWarn->SetVisible(true);
}

void frmMain::ShowWarning(const std::string& text) {
    ShowWarningLabel(text);
    if (running_.BeepOnWarning) forms::CurrentHost().Beep();
    PutWarning(text, true);
}

void frmMain::ShowTextNotVisible() {
    ShowWarning(forms::LoadResString(kTextNotVisible));
}

// Takes the layout's own warning away.  A warning the line-height check has just put in the
// panel stays: it is cleared by the next height change, not by the relayout that follows it.
void frmMain::ClearWarning() {
    lblWarn->SetVisible(false);
    const std::string text = sbStatusBar->Panels()(kWarningPanel).Get("Text").ToString();
    if (text == " " || text == forms::LoadResString(kTextNotVisible)) PutWarning(" ", false);
}

// The warning panel carries the warning as text and tool tip, and shows or hides it.
void frmMain::PutWarning(const std::string& text, bool visible) {
    SetWarningPanel(text);
    sbStatusBar->Panels()(kWarningPanel).Let("Visible", visible);
}

void frmMain::CalculateSize() {
    const Sign& sign = TheSign();
    SignFigures figures;
    figures.XZomelCount = sign.XZomelCount();
    figures.YZomelCount = sign.YZomelCount();
    figures.HighDensity = HighDensity != 0;
    if (figures.XZomelCount != 0) {
        figures.SignWidth = sign.SignWidth();
        figures.SignHeight = sign.SignHeight();
        figures.LengthUnit = sign.LengthUnit();
        figures.Weight = sign.SignWeight() + sign.BusBarWeight();
        figures.WeightUnit = sign.WeightUnit();
    }
    const auto texts = StatusTexts(figures);
    for (vb::Long panel = 1; panel <= 4; ++panel)
        sbStatusBar->Panels()(panel).Let("Text", texts[static_cast<std::size_t>(panel - 1)]);
    SSBars->ToolById("id_SignHold").Let("Enabled", figures.XZomelCount != 0);
}

}  // namespace zomel
