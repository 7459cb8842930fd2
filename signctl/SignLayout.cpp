// The layout pass: captions, icon and sign placed in the control, the LED size fitted to the
// room or taken from the zoom, and the control sized around its contents.
#include <cmath>

#include "platform/gdi/Screen.h"
#include "platform/vb/Conversion.h"
#include "platform/vb/Error.h"
#include "platform/vb/Strings.h"
#include "signctl/SignOcx.h"
#include "signctl/ZoomStep.h"

namespace veldo {
namespace {

constexpr vb::Single kMargin = 100;
constexpr vb::Single kSpacing = 15;
constexpr vb::Single kFitTolerance = 10;
constexpr double kBoldFactor = 1.19;

int IntDiv(int a, int b) {
    if (b == 0) vb::Raise(vb::err::kDivisionByZero);
    return a / b;
}

vb::Single Twips(double pixels) {
    return static_cast<vb::Single>(gdi::PixelsToTwipsX(pixels));
}

vb::Single Bottom(const forms::Control& control) {
    return control.Top() + control.Height();
}

// Moves a control's corner, then sets its width: a width the room cannot give is skipped
// alone.
void Place(forms::Control& control, vb::Single left, vb::Single top, vb::Single width) {
    vb::ResumeNext([&] { control.Move(left, top, control.Width(), control.Height()); });
    vb::ResumeNext([&] { control.SetWidth(width); });
}

}  // namespace

struct SignOcx::Pass {
    int xPixels = 0;
    int yPixels = 0;
    bool fitMode = false;
    int gapColumns = 0;
    int gapRows = 0;
    double scale = 1;
};

vb::Single SignOcx::BW() const {
    return ShpSelected.Get("BorderWidth").ToInteger();
}

vb::Single SignOcx::RoomWidth() const {
    return Width() - (2 * kMargin + 2 * BW());
}

void SignOcx::UserControl_Resize() {
    if (resizeDepth_ == 2) return;
    ++resizeDepth_;
    const bool outer = resizeDepth_ == 1;
    // Every step of the pass runs under resume-next: a step that fails is passed over, and
    // the caller finds its own error state as it left it.
    const vb::ErrObject pending = vb::Err();
    if (outer) vb::ResumeNext([&] { ClearDisplay(); });
    Pass pass;
    vb::ResumeNext([&] { ShpSelected.Move(0, 0, Width() - BW(), ShpSelected.Height()); });
    vb::ResumeNext([&] { RasterSize(pass); });
    PlaceTop();
    PlaceBottom();
    if (outer) vb::ResumeNext([&] { picSign.SetWidth(RoomWidth()); });
    vb::ResumeNext([&] {
        shpSignBorder.Move(picSign.Left(), picSign.Top(), picSign.Width(), picSign.Height());
    });
    vb::ResumeNext([&] {
        if (lblTop1.Visible())
            FitCaptionPair(lblTop1, top1_, lblTop2, top2_, lblTop2.Caption(), kBoldFactor);
    });
    vb::ResumeNext([&] {
        if (lblBot1.Visible() || lblBot2.Visible())
            FitCaptionPair(lblBot1, bot1_, lblBot2, bot2_, bot2_, 1.0);
    });
    vb::ResumeNext(
        [&] { pass.gapColumns = segSepX_ == 3 ? IntDiv(pass.xPixels, pixPerSegX_) - 1 : 0; });
    vb::ResumeNext(
        [&] { pass.gapRows = segSepY_ == 3 ? IntDiv(pass.yPixels, pixPerSegY_) - 1 : 0; });
    vb::ResumeNext([&] {
        const int room = static_cast<int>(std::nearbyint(gdi::TwipsToPixelsX(picSign.Width())));
        ledSize_ = vb::CInt(IntDiv(room, 2 * (pass.xPixels + pass.gapColumns)));
    });
    if (pass.fitMode && !zoomBusy_ && ledSize_ >= 1)
        FitMode(pass, outer);
    else if (pass.xPixels > 0 && pass.yPixels > 0)
        ZoomMode(pass, outer);
    vb::Err() = pending;
    --resizeDepth_;
}

void SignOcx::RasterSize(Pass& pass) const {
    pass.fitMode = PictureOnShow != nullptr;
    if (pass.fitMode) {
        pass.xPixels = PictureOnShow->PixelWidth();
        pass.yPixels = PictureOnShow->PixelHeight();
    } else {
        pass.xPixels = vb::CInt(segCountX_ * pixPerSegX_);
        pass.yPixels = vb::CInt(segCountY_ * pixPerSegY_);
    }
    if (pass.xPixels == 0 || pass.yPixels == 0) pass.fitMode = false;
}

void SignOcx::PlaceTop() {
    const vb::Single room = RoomWidth();
    const bool first = lblTop1.Visible();
    const bool second = lblTop2.Visible();
    if (imgIcon.Visible()) {
        vb::ResumeNext([&] { imgIcon.Move(kMargin, kMargin, imgIcon.Width(), imgIcon.Height()); });
        const vb::Single indent = imgIcon.Width() + kSpacing;
        const vb::Single width = Width() - (2 * kMargin + indent + 2 * BW());
        Place(lblTop1, kMargin + indent, kMargin, width);
        Place(lblTop2, lblTop1.Left(), Bottom(lblTop1) + kSpacing, width);
        vb::ResumeNext([&] { picSign.SetLeft(kMargin); });
        vb::ResumeNext(
            [&] { picSign.SetTop(second ? Bottom(lblTop2) + kSpacing : lblTop2.Top()); });
        return;
    }
    vb::Single signTop = kMargin;
    if (first && second) {
        Place(lblTop1, kMargin, kMargin, room);
        Place(lblTop2, lblTop1.Left(), Bottom(lblTop1) + kSpacing, room);
        signTop = Bottom(lblTop2) + kSpacing;
    } else if (first || second) {
        forms::Label& only = first ? lblTop1 : lblTop2;
        Place(only, kMargin, kMargin, room);
        signTop = Bottom(only) + kSpacing;
    }
    vb::ResumeNext([&] { picSign.Move(kMargin, signTop, picSign.Width(), picSign.Height()); });
}

void SignOcx::PlaceBottom() {
    const vb::Single room = RoomWidth();
    vb::Single bottom = Bottom(picSign);
    if (lblBot1.Visible()) {
        Place(lblBot1, kMargin, bottom + kSpacing, room);
        bottom = Bottom(lblBot1);
    }
    if (lblBot2.Visible()) {
        Place(lblBot2, kMargin, bottom + kSpacing, room);
        bottom = Bottom(lblBot2);
    }
    vb::ResumeNext([&] { layoutBottom_ = vb::CInt(static_cast<double>(bottom)); });
}

// A pair of captions that overflows is left-aligned, shortened where too wide and explained
// by a tool tip; a pair that fits is centred and shown whole.
void SignOcx::FitCaptionPair(forms::Label& first, const std::string& firstText,
                             forms::Label& second, const std::string& secondText,
                             const std::string& secondMeasured, double factor) {
    const bool firstTooWide = factor * TextWidth(firstText) > first.Width();
    const bool overflow = TextWidth(secondMeasured) > second.Width() || firstTooWide;
    if (!overflow) {
        for (forms::Label* label : {&first, &second}) {
            label->Let("Alignment", vb::Integer{2});
            label->SetToolTipText("");
        }
        first.SetCaption(firstText);
        second.SetCaption(secondText);
        return;
    }
    const std::string tip =
        vb::Trim(second.Caption()).empty() ? firstText : firstText + " | " + secondText;
    for (forms::Label* label : {&first, &second}) {
        label->Let("Alignment", vb::Integer{0});
        label->SetToolTipText(tip);
    }
    if (firstTooWide) Shorten(first, firstText, factor);
    if (TextWidth(secondText) > second.Width()) Shorten(second, secondText, 1.0);
}

void SignOcx::Shorten(forms::Label& label, const std::string& text, double factor) {
    if (vb::Len(text) < 4) return;
    label.SetCaption(ShortenCaption(text, [&](const std::string& candidate) {
        return factor * TextWidth(candidate) > label.Width();
    }));
}

void SignOcx::FitMode(Pass& pass, bool outer) {
    const int r = ledSize_;
    ledGap_ = ledSize_;
    zoom_ = static_cast<vb::Single>(r);
    halfStep_ = false;
    pass.scale = (2.0 * r + 1) / (2.0 * r);
    const vb::Single want = Twips(2.0 * (pass.xPixels + pass.gapColumns) * r);
    if (std::fabs(picSign.Width() - want) > kFitTolerance && want * pass.scale < Width()) {
        halfStep_ = true;
        zoom_ += 0.5f;
    } else {
        pass.scale = 1;
    }
    FinalSizes(pass, r);
    if (!outer) return;
    vb::ResumeNext([&] { ClearDisplay(); });
    vb::ResumeNext([&] { DrawFrame(); });
}

void SignOcx::ZoomMode(Pass& pass, bool outer) {
    if (ledSize_ == 0 && !zoomBusy_) zoom_ = 0.5f;
    const LedStep step = ZoomStep(zoom_);
    ledSize_ = static_cast<vb::Integer>(step.size);
    ledGap_ = ledSize_;
    halfStep_ = step.halfStep;
    pass.scale = step.scale;
    FinalSizes(pass, step.size == 0 ? 1 : step.size);
    if (!pass.fitMode || !outer) return;
    vb::ResumeNext([&] { ClearDisplay(); });
    vb::ResumeNext([&] { DrawFrame(); });
}

void SignOcx::FinalSizes(const Pass& pass, int m) {
    const vb::Single signWidth = Twips(pass.scale * 2 * (pass.xPixels + pass.gapColumns) * m);
    const vb::Single signHeight = Twips(pass.scale * 2 * (pass.yPixels + pass.gapRows) * m);
    vb::ResumeNext([&] { picSign.SetWidth(signWidth); });
    vb::ResumeNext([&] { picSign.SetHeight(signHeight); });
    // Changing the control's size runs a nested pass at once, which brings LayoutBottom and
    // the LED fields up to date before the height below is taken from them.
    vb::ResumeNext([&] { SetWidth(signWidth + 2 * kMargin + 2 * BW()); });
    vb::ResumeNext([&] { SetHeight(layoutBottom_ + kMargin + BW()); });
    vb::ResumeNext([&] { ShpSelected.SetHeight(layoutBottom_ + kMargin); });
}

void SignOcx::SetZoom(vb::Single zoom) {
    if (zoom <= 0 || segCountX_ <= 0 || segCountY_ <= 0) return;
    zoomBusy_ = true;
    // Shrinking: the whole control is repainted before the new layout.
    if (zoom < zoom_) UserControl::Refresh();
    zoom_ = zoom;
    UserControl_Resize();
    zoomBusy_ = false;
}

}  // namespace veldo
