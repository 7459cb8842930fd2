// A host's view of the display control: registered into a temporary class registry, created
// by class id, used by member name and placed on a window.  This program does not link the
// control's library.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "platform/com/ClassRegistry.h"
#include "platform/com/Creation.h"
#include "platform/com/ServerLibrary.h"
#include "platform/forms/HostedControl.h"
#include "platform/forms/UserControl.h"
#include "platform/gdi/Picture.h"
#include "signctl/SignOcxClass.h"
#include "tests/platform/com/TempConfig.h"
#include "tests/platform/forms/TestWindows.h"
#include "tests/support/ErrorNumber.h"

namespace {

class Recorder : public forms::ControlView {
public:
    void PropertyChanged(forms::Control&, std::string_view name) override {
        names.emplace_back(name);
    }
    std::vector<std::string> names;
};

class ViewWindow : public forms::Form {
public:
    ViewWindow() : Form("frmView") {
        On("ViewSign", "Click", [this](forms::Control&, forms::EventArgs&) { ++clicks; });
    }
    int clicks = 0;
};

class SignRegistry : public ::testing::Test {
protected:
    SignRegistry() { com::RegisterServer(VELDOSIGN_LIBRARY); }

    TempConfig config_;
};

TEST_F(SignRegistry, TheLibraryRegistersItsClassUnderItsOwnPath) {
    EXPECT_EQ(com::LibraryOf(veldo::kSignOcxClsid),
              std::filesystem::canonical(VELDOSIGN_LIBRARY).string());
    EXPECT_EQ(com::ClsidOf("VELDOSign.SignOcx"), veldo::kSignOcxClsid);
}

TEST_F(SignRegistry, HostsCreateItByClassIdAndUseItByName) {
    com::DispatchRef byName = com::CreateObject(veldo::kSignOcxProgId);
    com::DispatchRef byId = com::CreateInstance(veldo::kSignOcxClsid);
    ASSERT_TRUE(byName && byId);
    EXPECT_NE(byName, byId);
    auto* control = dynamic_cast<forms::UserControl*>(byName.get());
    ASSERT_NE(control, nullptr) << "the control is a user control of the shared runtime";
    control->InitNew();
    EXPECT_EQ(com::Get(*byName, "SegCountX"), vb::Variant(vb::Integer{4}));

    auto picture = std::make_shared<gdi::Picture>(gdi::Bitmap(4, 2, gdi::kWhite));
    com::Args args{vb::ToVariant(picture), "FrameName"};
    EXPECT_EQ(com::Call(*byName, "AddBMPFrame", args), vb::Variant(true));
    EXPECT_EQ(args[0].ToObject(), picture) << "the frame comes back by reference";
    EXPECT_EQ(com::Get(*byName, "FrameCount"), vb::Variant(vb::Integer{1}));
    EXPECT_EQ(ErrorNumber([&] { com::Get(*byName, "NoSuchMember"); }), vb::err::kNotSupported);
}

TEST_F(SignRegistry, AWindowPlacesTheControlFromItsDescription) {
    FormsFixture fx;  // a temporary home of its own, with its own registry
    com::RegisterServer(VELDOSIGN_LIBRARY);
    fx.Describe("frmView", R"({ "Name": "frmView", "Controls": [
        { "Type": "SignObject", "Name": "ViewSign", "ClassId": "VELDOSign.SignOcx",
          "Left": 120, "Top": 120, "Width": 3000, "Height": 1500,
          "Properties": { "AnimationInterval": 500, "LEDOnColor": 255 } } ] })");
    auto& window = forms::Instance<ViewWindow>();
    auto& sign = window.ControlAs<forms::HostedControl>("ViewSign");
    Recorder view;
    sign.SetView(&view);

    // Restored from the window's saved properties.
    EXPECT_EQ(sign.Get("SegCountX"), vb::Variant(vb::Integer{0}));
    EXPECT_EQ(sign.Get("AnimationInterval"), vb::Variant(vb::Long{500}));
    EXPECT_EQ(sign.Get("LEDOnColor"), vb::Variant(vb::Long{255}));
    EXPECT_EQ(sign.Get("Width"), vb::Variant(3000.0f));

    // The host drives it as the main window does.
    sign.Let("SegCountX", vb::Integer{2});
    sign.Let("SegCountY", vb::Integer{1});
    sign.Let("Zoom", 3.0f);
    EXPECT_NE(sign.Width(), 3000) << "the control sized itself and the extender followed";
    com::Args text{"AB",           "NEW",          vb::Integer{12}, vb::Integer{8},
                   vb::Integer{2}, vb::Integer{1}, vb::Integer{0}};
    EXPECT_EQ(sign.Call("AddTextFrame", text), vb::Variant(true));
    EXPECT_EQ(sign.ChangedProperties(), std::vector<std::string>{});
    sign.Let("SegSepX", vb::Integer{3});
    EXPECT_EQ(sign.ChangedProperties(), std::vector<std::string>{"SegSepX"});

    // Its surface is the view's to show, the size of the extender.
    const gdi::Bitmap* surface = sign.Surface();
    ASSERT_NE(surface, nullptr);
    EXPECT_EQ(surface->Width(), static_cast<int>(std::lround(sign.Width() / 15)));
    EXPECT_NE(std::find(view.names.begin(), view.names.end(), "Image"), view.names.end());

    // Its events reach the window's handlers.
    com::Args none;
    sign.Input("Click", none);
    EXPECT_EQ(window.clicks, 1);
}

TEST_F(SignRegistry, AWindowWithAnUnregisteredControlFailsToLoad) {
    FormsFixture fx;
    fx.Describe("frmView", R"({ "Name": "frmView", "Controls": [
        { "Type": "SignObject", "Name": "ViewSign", "ClassId": "VELDOSign.Missing" } ] })");
    EXPECT_EQ(ErrorNumber([] { forms::Instance<ViewWindow>().Load(); }),
              vb::err::kCannotCreateObject);
}

}  // namespace
