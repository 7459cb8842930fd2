#pragma once

#include <string>
#include <vector>

#include "platform/com/Members.h"
#include "platform/forms/Control.h"
#include "platform/forms/ControlFactory.h"
#include "platform/gdi/Picture.h"
#include "platform/gdi/Screen.h"
#include "platform/vb/Error.h"

// A stand-in for the hosted display control: a window control reached by member name that
// keeps what the preview hands it, records the calls, and sizes itself from its zoom the way
// the control does (an LED pitch of 2 x Zoom pixels, 100 twips of margin each side).
class FakeSignControl : public forms::Control, public com::TableDispatch<FakeSignControl> {
public:
    using forms::Control::Control;

    // Registers the type for window descriptions' "SignObject" entries.
    static void Register() {
        forms::RegisterControlType(
            "SignObject", [](forms::Form& form, const std::string& name, vb::Integer index) {
                return std::make_unique<FakeSignControl>(form, "SignObject", name, index);
            });
    }

    static const com::MemberTable<FakeSignControl>& Members() {
        using enum com::InvokeKind;
        using F = FakeSignControl;
        static const com::MemberTable<F> table{
            {"SegCountX", 1, PropertyGet, com::Getter(&F::SegCountX)},
            {"SegCountX", 1, PropertyPut, com::Setter(&F::SetSegCountX)},
            {"SegCountY", 2, PropertyGet, com::Getter(&F::SegCountY)},
            {"SegCountY", 2, PropertyPut, com::Setter(&F::SetSegCountY)},
            {"PixPerSegX", 3, PropertyGet, com::Getter(&F::PixPerSegX)},
            {"PixPerSegX", 3, PropertyPut, com::Setter(&F::SetPixPerSegX)},
            {"PixPerSegY", 4, PropertyGet, com::Getter(&F::PixPerSegY)},
            {"PixPerSegY", 4, PropertyPut, com::Setter(&F::SetPixPerSegY)},
            {"SegSepX", 5, PropertyGet, com::Getter(&F::SegSepX)},
            {"SegSepX", 5, PropertyPut, com::Setter(&F::SetSegSepX)},
            {"SegSepY", 6, PropertyGet, com::Getter(&F::SegSepY)},
            {"SegSepY", 6, PropertyPut, com::Setter(&F::SetSegSepY)},
            {"Zoom", 7, PropertyGet, com::Getter(&F::Zoom)},
            {"Zoom", 7, PropertyPut, com::Setter(&F::SetZoom)},
            {"ClearSign", 8, Method, com::Caller(&F::ClearSign)},
            {"AddBMPFrame", 9, Method, com::Caller(&F::AddBMPFrame)},
            {"AddTextFrame", 10, Method, com::Caller(&F::AddTextFrame)},
            {"BackColor", 11, PropertyGet, com::Getter(&F::BackColor)},
            {"BackColor", 11, PropertyPut, com::Setter(&F::SetBackColor)},
            {"ZomelOutline", 12, PropertyGet, com::Getter(&F::ZomelOutline)},
            {"ZomelOutline", 12, PropertyPut, com::Setter(&F::SetZomelOutline)},
        };
        return table;
    }

    static const forms::PropertyTable& Table() {
        static const forms::PropertyTable table = [] {
            forms::PropertyTable t(&forms::Control::Table());
            t.Stored("ClassId", "");
            return t;
        }();
        return table;
    }
    const forms::PropertyTable& Properties() const override { return Table(); }

    vb::Integer SegCountX() const { return segCountX_; }
    void SetSegCountX(vb::Integer v) {
        if (v > 0) segCountX_ = v;
    }
    vb::Integer SegCountY() const { return segCountY_; }
    void SetSegCountY(vb::Integer v) {
        if (v > 0) segCountY_ = v;
    }
    vb::Integer PixPerSegX() const { return pixPerSegX_; }
    void SetPixPerSegX(vb::Integer v) { pixPerSegX_ = v; }
    vb::Integer PixPerSegY() const { return pixPerSegY_; }
    void SetPixPerSegY(vb::Integer v) { pixPerSegY_ = v; }
    vb::Integer SegSepX() const { return segSepX_; }
    void SetSegSepX(vb::Integer v) { segSepX_ = v; }
    vb::Integer SegSepY() const { return segSepY_; }
    void SetSegSepY(vb::Integer v) { segSepY_ = v; }
    vb::Long BackColor() const { return backColor_; }
    void SetBackColor(vb::Long v) { backColor_ = v; }
    bool ZomelOutline() const { return outline_; }
    void SetZomelOutline(bool v) { outline_ = v; }
    vb::Single Zoom() const { return zoom_; }
    void SetZoom(vb::Single v) {
        ++zoomSets;
        if (v <= 0 || segCountX_ <= 0 || segCountY_ <= 0) return;
        zoom_ = v;
        Resize();
    }

    bool ClearSign() {
        calls.push_back("ClearSign");
        frame.reset();
        frameText.clear();
        return false;
    }
    bool AddBMPFrame(vb::Variant& picture, const std::string& name) {
        calls.push_back("AddBMPFrame " + name);
        if (failNextFrame) {
            failNextFrame = false;
            vb::Raise(vb::err::InvalidCall);
        }
        frame = std::dynamic_pointer_cast<gdi::Picture>(picture.ToObject());
        Resize();
        return true;
    }
    bool AddTextFrame(const std::string& text, const std::string& name, vb::Integer width,
                      vb::Integer height, vb::Integer columns, vb::Integer rows, vb::Integer font) {
        calls.push_back("AddTextFrame " + name);
        frameText = text;
        textFrameArgs = {width, height, columns, rows, font};
        Resize();
        return true;
    }

    // LEDs the frame lights: its pure white pixels.
    int LitLeds() const {
        int lit = 0;
        if (!frame) return lit;
        const gdi::Bitmap& image = frame->Image();
        for (int y = 0; y < image.Height(); ++y)
            for (int x = 0; x < image.Width(); ++x)
                lit += image.At(x, y) == gdi::White;
        return lit;
    }

    std::vector<std::string> calls;
    gdi::PictureRef frame;
    std::string frameText;
    std::vector<vb::Integer> textFrameArgs;
    int zoomSets = 0;
    bool failNextFrame = false;  // the next bitmap frame raises error 5

private:
    void Resize() {
        const int across = frame ? frame->PixelWidth() : segCountX_ * pixPerSegX_;
        const int down = frame ? frame->PixelHeight() : segCountY_ * pixPerSegY_;
        const double pitch = 2 * zoom_;
        SetWidth(static_cast<vb::Single>(gdi::PixelsToTwipsX(across * pitch) + 202));
        SetHeight(static_cast<vb::Single>(gdi::PixelsToTwipsY(down * pitch) + 201));
    }

    vb::Integer segCountX_ = 4;
    vb::Integer segCountY_ = 3;
    vb::Integer pixPerSegX_ = 12;
    vb::Integer pixPerSegY_ = 8;
    vb::Integer segSepX_ = 0;
    vb::Integer segSepY_ = 0;
    vb::Long backColor_ = 0x404040;
    bool outline_ = false;
    vb::Single zoom_ = 1.0F;
};
