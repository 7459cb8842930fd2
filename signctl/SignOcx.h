#pragma once

#include <functional>
#include <string>

#include "platform/com/Members.h"
#include "platform/forms/BasicControls.h"
#include "platform/forms/PictureBox.h"
#include "platform/forms/Timer.h"
#include "platform/forms/UserControl.h"
#include "platform/gdi/Picture.h"
#include "platform/vb/Collection.h"
#include "signctl/DisplayRepaint.h"
#include "signctl/LedRenderer.h"

namespace veldo {

// The VELDOSign display control: a sign of modules of LEDs drawn from named frames, with
// captions above and below, an icon, a sign border and a selection frame.  Hosts reach it
// by member name (`_SignOcx`) and hear its events (`__SignOcx`).
class SignOcx : public forms::UserControl, public com::TableDispatch<SignOcx> {
public:
    SignOcx();
    ~SignOcx() override;

    static const com::MemberTable<SignOcx>& Members();

    // _SignOcx properties, in the order of the interface.
    bool Animate() const;
    void SetAnimate(bool on);
    vb::Long AnimationInterval() const;
    void SetAnimationInterval(vb::Long milliseconds);
    vb::Long BackColor() const;
    void SetBackColor(vb::Long color);
    vb::Integer BorderStyle() const;
    void SetBorderStyle(vb::Integer style);
    vb::Integer BorderWidth() const;
    void SetBorderWidth(vb::Integer width);
    vb::Long BorderColor() const;
    void SetBorderColor(vb::Long color);
    gdi::PictureRef BitmapMask() const { return PictureOnShow; }
    void SetBitmapMask(gdi::PictureRef picture);
    bool ZomelOutline() const { return zomelOutline_; }
    void SetZomelOutline(bool on);
    forms::FontRef Font() const;
    void SetFont(forms::FontRef font);
    vb::Integer FrameCount() const;
    gdi::PictureRef Icon() const;
    void SetIcon(gdi::PictureRef picture);
    std::string Bot1() const { return bot1_; }
    void SetBot1(std::string text);
    std::string Bot2() const { return bot2_; }
    void SetBot2(std::string text);
    std::string Top1() const { return top1_; }
    void SetTop1(std::string text);
    std::string Top2() const { return top2_; }
    void SetTop2(std::string text);
    vb::Single Zoom() const { return zoom_; }
    void SetZoom(vb::Single zoom);
    vb::Long LEDOffColor() const { return ledOffColor_; }
    void SetLEDOffColor(vb::Long color);
    vb::Long LEDOnColor() const { return ledOnColor_; }
    void SetLEDOnColor(vb::Long color);
    vb::Integer PixPerSegX() const { return pixPerSegX_; }
    void SetPixPerSegX(vb::Integer leds);
    vb::Integer PixPerSegY() const { return pixPerSegY_; }
    void SetPixPerSegY(vb::Integer leds);
    vb::Long RecID() const { return recID_; }
    void SetRecID(vb::Long value) { recID_ = value; }
    vb::Integer SegCountX() const { return segCountX_; }
    void SetSegCountX(vb::Integer count);
    vb::Integer SegCountY() const { return segCountY_; }
    void SetSegCountY(vb::Integer count);
    vb::Integer SegSepX() const { return segSepX_; }
    void SetSegSepX(vb::Integer gap);
    vb::Integer SegSepY() const { return segSepY_; }
    void SetSegSepY(vb::Integer gap);
    bool Selected() const { return selected_; }
    void SetSelected(bool on);
    vb::Long SignBorderColor() const;
    void SetSignBorderColor(vb::Long color);
    bool SignBorderVisible() const;
    void SetSignBorderVisible(bool on);
    vb::Long SignFmtIDN() const { return signFmtIDN_; }
    void SetSignFmtIDN(vb::Long value) { signFmtIDN_ = value; }
    vb::Long SignType() const { return signType_; }
    void SetSignType(vb::Long value) { signType_ = value; }

    // _SignOcx methods.
    bool AddBMPFrame(vb::Variant& NewFrame, vb::Variant& FrameName);
    bool AddTextFrame(vb::Variant& NewFrame, vb::Variant& FrameName, vb::Variant& nWidth,
                      vb::Variant& nHeight, vb::Variant& XCharCount, vb::Variant& YCharCount,
                      vb::Variant& nTxtFont);
    bool ClearSign();
    gdi::PictureRef GetFrame(vb::Variant& Index);
    void Refresh();
    bool duplicate(vb::Variant& col, vb::Variant& key);

    // The layout's results, for hosts and tests that look inside.
    vb::Integer LEDSize() const { return ledSize_; }
    vb::Integer LEDGap() const { return ledGap_; }
    bool HalfStep() const { return halfStep_; }
    vb::Integer FrameIndex() const { return frameIndex_; }
    forms::PictureBox& Display() { return picSign; }
    forms::PictureBox& Canvas() { return TempPic; }
    forms::Label& Caption(int which);

protected:
    void UserControl_InitProperties() override;
    void UserControl_ReadProperties(const forms::PropertyBag& bag) override;
    void UserControl_WriteProperties(forms::PropertyBag& bag) override;
    void UserControl_Resize() override;
    void UserControl_Input(std::string_view event, com::Args& args) override;
    void UserControl_ChildEvent(forms::Control& child, std::string_view event,
                                forms::EventArgs& args) override;

private:
    enum class StepResult { Done, Duplicate, Failed };
    struct Pass;

    // Frames and animation.
    StepResult AddStep(const std::function<void()>& step);
    void ShowNewFrame(const gdi::PictureRef& picture);
    void Timer1_Timer();

    // Layout.
    vb::Single BW() const;
    vb::Single RoomWidth() const;
    void RasterSize(Pass& pass) const;
    void PlaceTop();
    void PlaceBottom();
    void FitCaptionPair(forms::Label& first, const std::string& firstText, forms::Label& second,
                        const std::string& secondText, const std::string& secondMeasured,
                        double factor);
    void Shorten(forms::Label& label, const std::string& text, double factor);
    void FitMode(Pass& pass, bool outer);
    void ZoomMode(Pass& pass, bool outer);
    void FinalSizes(const Pass& pass, int m);

    // Renderer.
    void ClearDisplay();
    void DrawFrame();
    LedGrid Grid() const;

    void SetCaption(forms::Label& label, std::string& stored, const std::string& text);
    void Repaint(std::string_view notice);

    forms::PictureBox& picSign;
    forms::PictureBox& TempPic;
    forms::Timer& Timer1;
    forms::Shape& shpSignBorder;
    forms::Shape& ShpSelected;
    forms::Image& imgIcon;
    forms::Label& lblTop1;
    forms::Label& lblTop2;
    forms::Label& lblBot1;
    forms::Label& lblBot2;

    vb::Long ledOnColor_ = 0;
    vb::Long ledOffColor_ = 0;
    vb::Integer pixPerSegX_ = 0;
    vb::Integer pixPerSegY_ = 0;
    vb::Integer segSepX_ = 0;
    vb::Integer segSepY_ = 0;
    vb::Integer segCountX_ = 0;
    vb::Integer segCountY_ = 0;
    bool zomelOutline_ = false;
    bool selected_ = false;
    vb::Long recID_ = 0;
    vb::Long signFmtIDN_ = 0;
    vb::Long signType_ = 0;
    vb::Single zoom_ = 0;
    std::string top1_;
    std::string top2_;
    std::string bot1_;
    std::string bot2_;
    gdi::PictureRef PictureOnShow;
    vb::Collection Frames;
    vb::Integer frameIndex_ = 0;
    gdi::Color FaceColor = 0;

    // The layout's own state.
    vb::Long resizeDepth_ = 0;
    bool zoomBusy_ = false;
    vb::Integer layoutBottom_ = 0;
    vb::Integer ledSize_ = 0;
    vb::Integer ledGap_ = 0;
    bool halfStep_ = false;

    DisplayRepaint repaint_;
};

}  // namespace veldo
