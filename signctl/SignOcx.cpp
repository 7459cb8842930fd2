// The control's interface: children as designed, properties, events and persistence.
#include "signctl/SignOcx.h"

#include "platform/gdi/SystemColors.h"
#include "platform/vb/Error.h"
#include "platform/vb/Strings.h"

namespace veldo {
namespace {

constexpr vb::Long kYellow = 0xFFFF;
constexpr vb::Long kDisplayGrey = 0x404040;
constexpr vb::Long kWindowText = gdi::SystemColorValue(gdi::SystemColor::WindowText);
constexpr vb::Integer kCaptionHeight = 195;

vb::Variant Nothing() {
    return vb::Variant(vb::ObjectRef());
}

forms::FontRef MakeFont(const char* name, double size, bool bold = false) {
    auto font = std::make_shared<forms::StdFont>();
    font->Name = name;
    font->Size = size;
    font->Bold = bold;
    return font;
}

forms::Label& MakeCaption(forms::Label& label, bool bold) {
    label.SetFont(MakeFont("MS Sans Serif", 8.25, bold));
    label.Move(100, 100, 1000, kCaptionHeight);
    label.Let("Alignment", vb::Integer{2});
    label.Let("BackStyle", vb::Integer{0});
    label.SetVisible(false);
    return label;
}

}  // namespace

SignOcx::SignOcx()
    : picSign(AddChild<forms::PictureBox>("PictureBox", "picSign")),
      TempPic(AddChild<forms::PictureBox>("PictureBox", "TempPic")),
      Timer1(AddChild<forms::Timer>("Timer", "Timer1")),
      shpSignBorder(AddChild<forms::Shape>("Shape", "shpSignBorder")),
      ShpSelected(AddChild<forms::Shape>("Shape", "ShpSelected")),
      imgIcon(AddChild<forms::Image>("Image", "imgIcon")),
      lblTop1(MakeCaption(AddChild<forms::Label>("Label", "lblTop1"), true)),
      lblTop2(MakeCaption(AddChild<forms::Label>("Label", "lblTop2"), false)),
      lblBot1(MakeCaption(AddChild<forms::Label>("Label", "lblBot1"), false)),
      lblBot2(MakeCaption(AddChild<forms::Label>("Label", "lblBot2"), false)) {
    SetDesignSize(4800, 1800);
    picSign.SetBorderStyle(0);
    picSign.SetScaleMode(forms::vbPixels);
    picSign.SetAutoRedraw(true);
    picSign.SetBackColor(kDisplayGrey);
    picSign.Move(100, 100, 4000, 1200);
    TempPic.SetVisible(false);
    TempPic.SetScaleMode(forms::vbPixels);
    TempPic.SetAutoRedraw(true);
    TempPic.SetForeColor(static_cast<vb::Long>(gdi::kWhite));
    TempPic.SetBackColor(static_cast<vb::Long>(gdi::kBlack));
    TempPic.SetFont(MakeFont("MS Serif", 6));
    Timer1.SetEnabled(false);
    Timer1.SetInterval(1000);
    Timer1.OnTimer([this] { Timer1_Timer(); });
    shpSignBorder.SetVisible(false);
    ShpSelected.SetVisible(false);
    imgIcon.Move(100, 100, 480, 480);
    imgIcon.SetVisible(false);
    // Initialize.
    FaceColor = gdi::GetSysColor(static_cast<int>(gdi::SystemColor::ButtonFace));
}

SignOcx::~SignOcx() {
    picSign.PutOff(nullptr);
}

const com::MemberTable<SignOcx>& SignOcx::Members() {
    using enum com::InvokeKind;
    using com::Caller;
    using com::Getter;
    using com::Setter;
    static const com::MemberTable<SignOcx> table{
        {"Animate", 1, PropertyGet, Getter(&SignOcx::Animate)},
        {"Animate", 1, PropertyPut, Setter(&SignOcx::SetAnimate)},
        {"AnimationInterval", 2, PropertyGet, Getter(&SignOcx::AnimationInterval)},
        {"AnimationInterval", 2, PropertyPut, Setter(&SignOcx::SetAnimationInterval)},
        {"BackColor", 3, PropertyGet, Getter(&SignOcx::BackColor)},
        {"BackColor", 3, PropertyPut, Setter(&SignOcx::SetBackColor)},
        {"BorderStyle", 4, PropertyGet, Getter(&SignOcx::BorderStyle)},
        {"BorderStyle", 4, PropertyPut, Setter(&SignOcx::SetBorderStyle)},
        {"BorderWidth", 5, PropertyGet, Getter(&SignOcx::BorderWidth)},
        {"BorderWidth", 5, PropertyPut, Setter(&SignOcx::SetBorderWidth)},
        {"BorderColor", 6, PropertyGet, Getter(&SignOcx::BorderColor)},
        {"BorderColor", 6, PropertyPut, Setter(&SignOcx::SetBorderColor)},
        {"BitmapMask", 7, PropertyGet, Getter(&SignOcx::BitmapMask)},
        {"BitmapMask", 7, PropertyPutRef, Setter(&SignOcx::SetBitmapMask)},
        {"ZomelOutline", 8, PropertyGet, Getter(&SignOcx::ZomelOutline)},
        {"ZomelOutline", 8, PropertyPut, Setter(&SignOcx::SetZomelOutline)},
        {"Font", 9, PropertyGet, Getter(&SignOcx::Font)},
        {"Font", 9, PropertyPutRef, Setter(&SignOcx::SetFont)},
        {"FrameCount", 10, PropertyGet, Getter(&SignOcx::FrameCount)},
        {"Icon", 11, PropertyGet, Getter(&SignOcx::Icon)},
        {"Icon", 11, PropertyPutRef, Setter(&SignOcx::SetIcon)},
        {"Bot1", 12, PropertyGet, Getter(&SignOcx::Bot1)},
        {"Bot1", 12, PropertyPut, Setter(&SignOcx::SetBot1)},
        {"Bot2", 13, PropertyGet, Getter(&SignOcx::Bot2)},
        {"Bot2", 13, PropertyPut, Setter(&SignOcx::SetBot2)},
        {"Top1", 14, PropertyGet, Getter(&SignOcx::Top1)},
        {"Top1", 14, PropertyPut, Setter(&SignOcx::SetTop1)},
        {"Top2", 15, PropertyGet, Getter(&SignOcx::Top2)},
        {"Top2", 15, PropertyPut, Setter(&SignOcx::SetTop2)},
        {"Zoom", 16, PropertyGet, Getter(&SignOcx::Zoom)},
        {"Zoom", 16, PropertyPut, Setter(&SignOcx::SetZoom)},
        {"LEDOffColor", 17, PropertyGet, Getter(&SignOcx::LEDOffColor)},
        {"LEDOffColor", 17, PropertyPut, Setter(&SignOcx::SetLEDOffColor)},
        {"LEDOnColor", 18, PropertyGet, Getter(&SignOcx::LEDOnColor)},
        {"LEDOnColor", 18, PropertyPut, Setter(&SignOcx::SetLEDOnColor)},
        {"PixPerSegX", 19, PropertyGet, Getter(&SignOcx::PixPerSegX)},
        {"PixPerSegX", 19, PropertyPut, Setter(&SignOcx::SetPixPerSegX)},
        {"PixPerSegY", 20, PropertyGet, Getter(&SignOcx::PixPerSegY)},
        {"PixPerSegY", 20, PropertyPut, Setter(&SignOcx::SetPixPerSegY)},
        {"RecID", 21, PropertyGet, Getter(&SignOcx::RecID)},
        {"RecID", 21, PropertyPut, Setter(&SignOcx::SetRecID)},
        {"SegCountX", 22, PropertyGet, Getter(&SignOcx::SegCountX)},
        {"SegCountX", 22, PropertyPut, Setter(&SignOcx::SetSegCountX)},
        {"SegCountY", 23, PropertyGet, Getter(&SignOcx::SegCountY)},
        {"SegCountY", 23, PropertyPut, Setter(&SignOcx::SetSegCountY)},
        {"SegSepX", 24, PropertyGet, Getter(&SignOcx::SegSepX)},
        {"SegSepX", 24, PropertyPut, Setter(&SignOcx::SetSegSepX)},
        {"SegSepY", 25, PropertyGet, Getter(&SignOcx::SegSepY)},
        {"SegSepY", 25, PropertyPut, Setter(&SignOcx::SetSegSepY)},
        {"Selected", 26, PropertyGet, Getter(&SignOcx::Selected)},
        {"Selected", 26, PropertyPut, Setter(&SignOcx::SetSelected)},
        {"SignBorderColor", 27, PropertyGet, Getter(&SignOcx::SignBorderColor)},
        {"SignBorderColor", 27, PropertyPut, Setter(&SignOcx::SetSignBorderColor)},
        {"SignBorderVisible", 28, PropertyGet, Getter(&SignOcx::SignBorderVisible)},
        {"SignBorderVisible", 28, PropertyPut, Setter(&SignOcx::SetSignBorderVisible)},
        {"SignFmtIDN", 29, PropertyGet, Getter(&SignOcx::SignFmtIDN)},
        {"SignFmtIDN", 29, PropertyPut, Setter(&SignOcx::SetSignFmtIDN)},
        {"SignType", 30, PropertyGet, Getter(&SignOcx::SignType)},
        {"SignType", 30, PropertyPut, Setter(&SignOcx::SetSignType)},
        {"AddBMPFrame", 31, Method, Caller(&SignOcx::AddBMPFrame)},
        {"AddTextFrame", 32, Method, Caller(&SignOcx::AddTextFrame)},
        {"ClearSign", 33, Method, Caller(&SignOcx::ClearSign)},
        {"GetFrame", 34, Method, Caller(&SignOcx::GetFrame)},
        {"Refresh", 35, Method, Caller(&SignOcx::Refresh)},
        {"duplicate", 36, Method, Caller(&SignOcx::duplicate)},
    };
    return table;
}

// Properties kept in the children.

bool SignOcx::Animate() const {
    return Timer1.Enabled();
}

void SignOcx::SetAnimate(bool on) {
    Timer1.SetEnabled(on);
    PropertyChanged("Animate");
}

vb::Long SignOcx::AnimationInterval() const {
    return Timer1.Interval();
}

void SignOcx::SetAnimationInterval(vb::Long milliseconds) {
    Timer1.SetInterval(milliseconds);
    PropertyChanged("AnimationInterval");
}

vb::Long SignOcx::BackColor() const {
    return picSign.BackColor();
}

void SignOcx::SetBackColor(vb::Long color) {
    picSign.SetBackColor(color);
    PropertyChanged("BackColor");
}

vb::Integer SignOcx::BorderStyle() const {
    return UserControl::BorderStyle();
}

void SignOcx::SetBorderStyle(vb::Integer style) {
    UserControl::SetBorderStyle(style);
    PropertyChanged("BorderStyle");
}

vb::Integer SignOcx::BorderWidth() const {
    return ShpSelected.Get("BorderWidth").ToInteger();
}

void SignOcx::SetBorderWidth(vb::Integer width) {
    if (width <= 0) return;
    ShpSelected.Let("BorderWidth", width);
    PropertyChanged("BorderWidth");
}

vb::Long SignOcx::BorderColor() const {
    return ShpSelected.Get("BorderColor").ToLong();
}

void SignOcx::SetBorderColor(vb::Long color) {
    ShpSelected.Let("BorderColor", color);
    PropertyChanged("BorderColor");
}

void SignOcx::SetBitmapMask(gdi::PictureRef picture) {
    PictureOnShow = std::move(picture);
    PropertyChanged("BitmapMask");
    DrawFrame();
}

forms::FontRef SignOcx::Font() const {
    return TempPic.Font();
}

void SignOcx::SetFont(forms::FontRef font) {
    if (!font) vb::Raise(vb::err::kObjectNotSet);
    forms::StdFont& mine = *TempPic.Font();
    mine.Bold = font->Bold;
    mine.Italic = font->Italic;
    mine.Name = font->Name;
    mine.Size = font->Size;
    mine.Strikethrough = font->Strikethrough;
    mine.Underline = font->Underline;
    PropertyChanged("Font");
}

vb::Integer SignOcx::FrameCount() const {
    return static_cast<vb::Integer>(Frames.Count());
}

gdi::PictureRef SignOcx::Icon() const {
    const vb::Variant picture = imgIcon.Get("Picture");
    return picture.IsObject() ? picture.As<gdi::Picture>() : nullptr;
}

void SignOcx::SetIcon(gdi::PictureRef picture) {
    const bool shown = picture && picture->Handle() != 0;
    imgIcon.Let("Picture", vb::ToVariant(std::move(picture)));
    imgIcon.SetVisible(shown);
    UserControl_Resize();
}

void SignOcx::SetCaption(forms::Label& label, std::string& stored, const std::string& text) {
    label.SetCaption(vb::RTrim(text));
    label.SetVisible(!label.Caption().empty());
    stored = label.Caption();
    UserControl_Resize();
}

void SignOcx::SetBot1(std::string text) {
    SetCaption(lblBot1, bot1_, text);
}
void SignOcx::SetBot2(std::string text) {
    SetCaption(lblBot2, bot2_, text);
}
void SignOcx::SetTop1(std::string text) {
    SetCaption(lblTop1, top1_, text);
}
void SignOcx::SetTop2(std::string text) {
    SetCaption(lblTop2, top2_, text);
}

forms::Label& SignOcx::Caption(int which) {
    forms::Label* labels[] = {&lblTop1, &lblTop2, &lblBot1, &lblBot2};
    return *labels[which];
}

// The setters that change how LEDs look repaint the whole matrix.
void SignOcx::Repaint(std::string_view notice) {
    PropertyChanged(notice);
    ClearDisplay();
    DrawFrame();
}

void SignOcx::SetZomelOutline(bool on) {
    zomelOutline_ = on;
    Repaint("ZomelOutline");
}
void SignOcx::SetLEDOffColor(vb::Long color) {
    ledOffColor_ = color;
    Repaint("LEDOffColor");
}
void SignOcx::SetLEDOnColor(vb::Long color) {
    ledOnColor_ = color;
    Repaint("LEDOnColor");
}
void SignOcx::SetPixPerSegX(vb::Integer leds) {
    pixPerSegX_ = leds;
    Repaint("PixPerSegX");
}
void SignOcx::SetPixPerSegY(vb::Integer leds) {
    pixPerSegY_ = leds;
    Repaint("PixPerSegY");
}
void SignOcx::SetSegSepX(vb::Integer gap) {
    segSepX_ = gap;
    Repaint("SegSepX");
}
void SignOcx::SetSegSepY(vb::Integer gap) {
    segSepY_ = gap;
    Repaint("SegSepY");
}

void SignOcx::SetSegCountX(vb::Integer count) {
    if (count > 0) segCountX_ = count;
}

void SignOcx::SetSegCountY(vb::Integer count) {
    if (count > 0) segCountY_ = count;
}

void SignOcx::SetSelected(bool on) {
    selected_ = on;
    ShpSelected.SetVisible(on);
    PropertyChanged("Selected");
}

vb::Long SignOcx::SignBorderColor() const {
    return shpSignBorder.Get("BorderColor").ToLong();
}

void SignOcx::SetSignBorderColor(vb::Long color) {
    shpSignBorder.Let("BorderColor", color);
    PropertyChanged("SignBorderColor");
}

bool SignOcx::SignBorderVisible() const {
    return shpSignBorder.Visible();
}

void SignOcx::SetSignBorderVisible(bool on) {
    shpSignBorder.SetVisible(on);
    PropertyChanged("SignBorderVisible");
}

bool SignOcx::duplicate(vb::Variant& col, vb::Variant& key) {
    auto collection = col.As<vb::Collection>();
    if (!collection) vb::Raise(vb::err::kTypeMismatch);
    for (vb::Long i = 1; i <= collection->Count(); ++i)
        if (forms::SameValue(collection->Item(i), key)) return true;
    return false;
}

namespace {

bool IsPointerEvent(std::string_view event) {
    return event == "Click" || event == "DblClick" || event == "MouseDown" ||
           event == "MouseMove" || event == "MouseUp";
}

bool IsKeyEvent(std::string_view event) {
    return event == "KeyDown" || event == "KeyPress" || event == "KeyUp";
}

}  // namespace

// Every relay raises the event of the same name with the arguments it received.
void SignOcx::UserControl_Input(std::string_view event, com::Args& args) {
    if (IsPointerEvent(event) || IsKeyEvent(event)) RaiseEvent(event, args);
}

// The display, the icon and the captions relay their clicks and mouse actions, in their own
// coordinates and scale; the display its keys too.
void SignOcx::UserControl_ChildEvent(forms::Control& child, std::string_view event,
                                     forms::EventArgs& args) {
    const bool display = &child == &picSign;
    const bool pointable = display || &child == &imgIcon || &child == &lblTop1 ||
                           &child == &lblTop2 || &child == &lblBot1 || &child == &lblBot2;
    if ((pointable && IsPointerEvent(event)) || (display && IsKeyEvent(event)))
        RaiseEvent(event, args);
}

// Lifecycle.

void SignOcx::UserControl_InitProperties() {
    segCountX_ = 4;
    segCountY_ = 3;
    zoom_ = 1.0f;
    zoomBusy_ = false;
    ledOnColor_ = kYellow;
    ledOffColor_ = 0;
    PictureOnShow = nullptr;
    Frames.Clear();
    shpSignBorder.Let("BorderColor", vb::Long{0});
    shpSignBorder.SetVisible(false);
    pixPerSegX_ = 12;
    pixPerSegY_ = 8;
    segSepX_ = 0;
    segSepY_ = 0;
    zomelOutline_ = false;
    selected_ = false;
}

void SignOcx::UserControl_ReadProperties(const forms::PropertyBag& bag) {
    ledOnColor_ = bag.ReadProperty("LEDOnColor", kYellow).ToLong();
    ledOffColor_ = bag.ReadProperty("LEDOffColor", vb::Long{0}).ToLong();
    PictureOnShow = vb::FromVariant<gdi::PictureRef>(bag.ReadProperty("BitmapMask", Nothing()));
    Frames.Clear();
    Timer1.SetInterval(bag.ReadProperty("AnimationInterval", vb::Long{500}).ToLong());
    pixPerSegX_ = bag.ReadProperty("PixPerSegX", vb::Integer{12}).ToInteger();
    shpSignBorder.SetVisible(bag.ReadProperty("SignBorderVisible", false).ToBool());
    shpSignBorder.Let("BorderColor", bag.ReadProperty("SignBorderColor", vb::Long{0}).ToLong());
    pixPerSegY_ = bag.ReadProperty("PixPerSegY", vb::Integer{8}).ToInteger();
    segSepX_ = bag.ReadProperty("SegSepX", vb::Integer{0}).ToInteger();
    segSepY_ = bag.ReadProperty("SegSepY", vb::Integer{0}).ToInteger();
    zomelOutline_ = bag.ReadProperty("ZomelOutline", false).ToBool();
    // The name is stored as the font object, whose text is its name.
    const vb::Variant name = bag.ReadProperty("TextFrameFontName", "VELDO 5x7");
    const auto font = name.IsObject() ? name.As<forms::StdFont>() : nullptr;
    TempPic.Font()->Name = font ? font->Name : name.ToString();
    TempPic.Font()->Size = bag.ReadProperty("TextFrameFontSize", vb::Integer{6}).ToSingle();
    picSign.SetBackColor(bag.ReadProperty("BackColor", kDisplayGrey).ToLong());
    UserControl::SetBorderStyle(bag.ReadProperty("BorderStyle", vb::Integer{0}).ToInteger());
    ShpSelected.Let("BorderWidth", bag.ReadProperty("BorderWidth", vb::Integer{1}).ToInteger());
    ShpSelected.Let("BorderColor", bag.ReadProperty("BorderColor", kWindowText).ToLong());
    Timer1.SetEnabled(bag.ReadProperty("Animate", false).ToBool());
    Timer1.SetInterval(bag.ReadProperty("AnimationInterval", vb::Long{1000}).ToLong());
    selected_ = bag.ReadProperty("Selected", false).ToBool();
}

void SignOcx::UserControl_WriteProperties(forms::PropertyBag& bag) {
    const vb::Variant ambient = vb::ToVariant(AmbientFont());
    const vb::Variant textFont = vb::ToVariant(TempPic.Font());
    bag.WriteProperty("LEDOnColor", ledOnColor_, kYellow);
    bag.WriteProperty("LEDOffColor", ledOffColor_, vb::Long{0});
    bag.WriteProperty("BitmapMask", vb::ToVariant(PictureOnShow), Nothing());
    bag.WriteProperty("AnimationInterval", Timer1.Interval(), vb::Long{500});
    bag.WriteProperty("PixPerSegX", pixPerSegX_, vb::Integer{12});
    bag.WriteProperty("PixPerSegY", pixPerSegY_, vb::Integer{8});
    bag.WriteProperty("SegSepX", segSepX_, vb::Integer{0});
    bag.WriteProperty("SegSepY", segSepY_, vb::Integer{0});
    bag.WriteProperty("SignBorderColor", SignBorderColor(), vb::Long{0});
    bag.WriteProperty("SignBorderVisible", SignBorderVisible(), false);
    bag.WriteProperty("ZomelOutline", zomelOutline_, false);
    bag.WriteProperty("TextFrameFontName", textFont, ambient);
    bag.WriteProperty("TextFrameFontSize", static_cast<vb::Single>(TempPic.Font()->Size),
                      vb::Integer{0});
    bag.WriteProperty("BackColor", picSign.BackColor(), kDisplayGrey);
    bag.WriteProperty("BorderStyle", BorderStyle(), vb::Integer{0});
    bag.WriteProperty("BorderWidth", BorderWidth(), vb::Integer{1});
    bag.WriteProperty("BorderColor", BorderColor(), kWindowText);
    bag.WriteProperty("Font", textFont, ambient);
    bag.WriteProperty("Animate", Timer1.Enabled(), false);
    bag.WriteProperty("AnimationInterval", Timer1.Interval(), vb::Long{1000});
    bag.WriteProperty("Selected", selected_, false);
}

}  // namespace veldo
