// The frame store, text frames and animation.
#include "platform/forms/Interaction.h"
#include "platform/gdi/Screen.h"
#include "platform/vb/Error.h"
#include "platform/vb/Strings.h"
#include "signctl/SignOcx.h"
#include "signctl/TextFrame.h"

namespace veldo {
namespace {

constexpr const char* kLibraryTitle = "VELDOSign";

// Only a picture (or nothing) can be a frame.
gdi::PictureRef FrameOf(const vb::Variant& value) {
    if (!value.IsObject()) vb::Raise(vb::err::kTypeMismatch);
    return vb::FromVariant<gdi::PictureRef>(value);
}

}  // namespace

// The add methods' error rule: a taken name ends the add; any other failure is shown in a
// message box and the add goes on with its next step.
SignOcx::StepResult SignOcx::AddStep(const std::function<void()>& step) {
    try {
        step();
        return StepResult::Done;
    } catch (const vb::VbError& error) {
        if (error.Number() == vb::err::kDuplicateKey) return StepResult::Duplicate;
        forms::MsgBox(error.Description(), forms::vbOKOnly, kLibraryTitle);
    }
    return StepResult::Failed;
}

// A frame that was stored is shown, laid out, and animated when it is not the only one.
void SignOcx::ShowNewFrame(const gdi::PictureRef& picture) {
    AddStep([&] { PictureOnShow = picture; });
    AddStep([&] { UserControl_Resize(); });
    AddStep([&] {
        if (Frames.Count() > 1) Timer1.SetEnabled(true);
    });
}

bool SignOcx::AddBMPFrame(vb::Variant& NewFrame, vb::Variant& FrameName) {
    gdi::PictureRef picture;
    // A frame that could not be stored is not shown.
    if (AddStep([&] {
            picture = FrameOf(NewFrame);
            Frames.Add(NewFrame, FrameName.ToString());
        }) != StepResult::Done)
        return false;
    ShowNewFrame(picture);
    return true;
}

bool SignOcx::AddTextFrame(vb::Variant& NewFrame, vb::Variant& FrameName, vb::Variant& nWidth,
                           vb::Variant& nHeight, vb::Variant& XCharCount, vb::Variant& YCharCount,
                           vb::Variant& nTxtFont) {
    TempPic.SetPicture(nullptr);
    const vb::Integer width = nWidth.ToInteger();
    const vb::Integer height = nHeight.ToInteger();
    if (width == 0 || height == 0) return false;
    AddStep([&] {
        // The canvas's inner area is the frame: its border takes the 60 twips.
        TempPic.Move(TempPic.Left(), TempPic.Top(),
                     static_cast<vb::Single>(gdi::PixelsToTwipsX(width) + 60),
                     static_cast<vb::Single>(gdi::PixelsToTwipsY(height) + 60));
    });
    AddStep([&] { TempPic.Font()->Name = nTxtFont.ToInteger() == 9 ? "VELDO 4x7" : "VELDO 5x7"; });
    AddStep([&] {
        const std::string text = vb::ToWindows1252(NewFrame.ToString());
        const vb::Integer perRow = XCharCount.ToInteger();
        const vb::Integer rows = YCharCount.ToInteger();
        gdi::DeviceContext& dc = TempPic.hDC();
        if (segSepX_ == 0 && segSepY_ == 0)
            DrawTextRows(dc, text, perRow, rows);
        else
            DrawTextCells(dc, text, perRow, rows, CellOf(dc, segSepX_, segSepY_, pixPerSegY_));
    });
    gdi::PictureRef picture = TempPic.Image();
    if (AddStep([&] { Frames.Add(vb::ToVariant(picture), FrameName.ToString()); }) !=
        StepResult::Done)
        return false;
    ShowNewFrame(picture);
    return true;
}

bool SignOcx::ClearSign() {
    while (Frames.Count() > 0)
        Frames.Remove(1);
    PictureOnShow = nullptr;
    frameIndex_ = 0;
    ClearDisplay();
    return false;
}

gdi::PictureRef SignOcx::GetFrame(vb::Variant& Index) {
    const vb::Long count = Frames.Count();
    const vb::Integer index = Index.ToInteger();
    if (index < 1 || index > count) return nullptr;
    return Frames.Item(index).As<gdi::Picture>();
}

void SignOcx::Refresh() {
    ClearDisplay();
    DrawFrame();
}

void SignOcx::Timer1_Timer() {
    if (Frames.Count() < 2) {
        Timer1.SetEnabled(false);
        return;
    }
    PictureOnShow = Frames.Item(frameIndex_ + 1).As<gdi::Picture>();
    DrawFrame();
    const vb::Long count = Frames.Count();
    frameIndex_ = frameIndex_ < count - 1 ? static_cast<vb::Integer>(frameIndex_ + 1) : 0;
}

}  // namespace veldo
