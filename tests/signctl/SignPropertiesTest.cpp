// The control's interface by member name: defaults, setters and the property bag.
#include "tests/signctl/SignFixture.h"

namespace {

constexpr vb::Long kWindowText = static_cast<vb::Long>(0x80000008);

TEST_F(SignTest, ANewInstanceHasTheDesignedDefaults) {
    EXPECT_EQ(Get("SegCountX"), vb::Variant(vb::Integer{4}));
    EXPECT_EQ(Get("SegCountY"), vb::Variant(vb::Integer{3}));
    EXPECT_EQ(Get("PixPerSegX"), vb::Variant(vb::Integer{12}));
    EXPECT_EQ(Get("PixPerSegY"), vb::Variant(vb::Integer{8}));
    EXPECT_EQ(Get("Zoom"), vb::Variant(1.0f));
    EXPECT_EQ(Get("LEDOnColor"), vb::Variant(vb::Long{0xFFFF}));
    EXPECT_EQ(Get("LEDOffColor"), vb::Variant(vb::Long{0}));
    EXPECT_EQ(Get("FrameCount"), vb::Variant(vb::Integer{0}));
    EXPECT_EQ(Get("AnimationInterval"), vb::Variant(vb::Long{1000}));
    EXPECT_EQ(Get("Animate"), vb::Variant(false));
    EXPECT_EQ(Get("BitmapMask").ToObject(), nullptr);
}

TEST_F(SignTest, MembersHaveTheirInterfaceOrder) {
    EXPECT_EQ(sign->IdOfName("Animate"), 1);
    EXPECT_EQ(sign->IdOfName("zoom"), 16);
    EXPECT_EQ(sign->IdOfName("SignType"), 30);
    EXPECT_EQ(sign->IdOfName("AddBMPFrame"), 31);
    EXPECT_EQ(sign->IdOfName("Duplicate"), 36);
    EXPECT_THROW(Put("FrameCount", vb::Integer{2}), vb::VbError);
}

TEST_F(SignTest, ARestoredInstanceReadsOnlyItsBag) {
    auto restored = std::make_shared<veldo::SignOcx>();
    restored->Load(forms::PropertyBag{});
    auto get = [&](const char* name) { return com::Get(*restored, name); };
    EXPECT_EQ(get("SegCountX"), vb::Variant(vb::Integer{0}));
    EXPECT_EQ(get("SegCountY"), vb::Variant(vb::Integer{0}));
    EXPECT_EQ(get("Zoom"), vb::Variant(0.0f));
    EXPECT_EQ(get("AnimationInterval"), vb::Variant(vb::Long{1000}));
    EXPECT_EQ(get("BackColor"), vb::Variant(vb::Long{0x404040}));
    EXPECT_EQ(get("BorderWidth"), vb::Variant(vb::Integer{1}));
    EXPECT_EQ(get("BorderColor"), vb::Variant(kWindowText));
    EXPECT_EQ(restored->Canvas().Font()->Name, "VELDO 5x7");
    // Zoom waits for the module counts.
    com::Put(*restored, "Zoom", 2.0f);
    EXPECT_EQ(get("Zoom"), vb::Variant(0.0f));
}

TEST_F(SignTest, CaptionsLoseTrailingBlanksAndHideWhenEmpty) {
    Put("Top1", "Word   ");
    EXPECT_EQ(Get("Top1"), vb::Variant("Word"));
    EXPECT_TRUE(sign->Caption(0).Visible());
    EXPECT_EQ(sign->Caption(0).Caption(), "Word");
    Put("Top1", "   ");
    EXPECT_EQ(Get("Top1"), vb::Variant(""));
    EXPECT_FALSE(sign->Caption(0).Visible());
    EXPECT_TRUE(site.notices.empty()) << "captions send no property-changed notice";
}

TEST_F(SignTest, OutOfRangeValuesAreIgnoredWhereTheInterfaceSaysSo) {
    Put("SegCountX", vb::Integer{0});
    Put("SegCountY", vb::Integer{-5});
    EXPECT_EQ(Get("SegCountX"), vb::Variant(vb::Integer{4}));
    EXPECT_EQ(Get("SegCountY"), vb::Variant(vb::Integer{3}));
    Put("BorderWidth", vb::Integer{3});
    Put("BorderWidth", vb::Integer{0});
    EXPECT_EQ(Get("BorderWidth"), vb::Variant(vb::Integer{3}));
    EXPECT_EQ(site.notices, std::vector<std::string>{"BorderWidth"});
}

TEST_F(SignTest, SelectedShowsTheSelectionFrame) {
    Put("Selected", true);
    EXPECT_TRUE(sign->Children()[4]->Visible());
    forms::PropertyBag bag;
    sign->Save(bag);
    auto restored = std::make_shared<veldo::SignOcx>();
    restored->Load(bag);
    EXPECT_EQ(com::Get(*restored, "Selected"), vb::Variant(true));
    EXPECT_FALSE(restored->Children()[4]->Visible()) << "the frame stays as designed";
}

class Persistence : public SignTest {
protected:
    std::shared_ptr<veldo::SignOcx> SavedAndRestored() {
        forms::PropertyBag bag;
        sign->Save(bag);
        auto restored = std::make_shared<veldo::SignOcx>();
        restored->Load(bag);
        return restored;
    }
};

TEST_F(Persistence, AnyAnimationIntervalSurvives) {
    for (vb::Long interval : {500, 1000, 750, 1}) {
        Put("AnimationInterval", interval);
        EXPECT_EQ(com::Get(*SavedAndRestored(), "AnimationInterval"), vb::Variant(interval));
    }
}

TEST_F(Persistence, DefaultsStoreNothingButTheTextFontAlwaysGoes) {
    forms::PropertyBag bag;
    sign->Save(bag);
    EXPECT_FALSE(bag.Contains("LEDOnColor"));
    EXPECT_FALSE(bag.Contains("BitmapMask"));
    EXPECT_FALSE(bag.Contains("Selected"));
    EXPECT_TRUE(bag.Contains("TextFrameFontName"));
    EXPECT_TRUE(bag.Contains("TextFrameFontSize"));
    EXPECT_TRUE(bag.Contains("Font"));
    // The default animation interval is stored under its first default only.
    EXPECT_EQ(bag.ReadProperty("AnimationInterval"), vb::Variant(vb::Long{1000}));
}

TEST_F(Persistence, ColoursGapsAndFlagsRoundTrip) {
    Put("LEDOnColor", vb::Long{0x00FF00});
    Put("LEDOffColor", vb::Long{0x101010});
    Put("PixPerSegX", vb::Integer{5});
    Put("PixPerSegY", vb::Integer{7});
    Put("SegSepX", vb::Integer{3});
    Put("ZomelOutline", true);
    Put("BackColor", vb::Long{0x123456});
    Put("BorderStyle", vb::Integer{1});
    Put("BorderColor", vb::Long{0xFF});
    Put("SignBorderVisible", true);
    Put("SignBorderColor", vb::Long{0xAA});
    Put("Animate", true);
    Put("SegCountX", vb::Integer{9});
    Put("RecID", vb::Long{77});
    auto restored = SavedAndRestored();
    for (const char* name : {"LEDOnColor", "LEDOffColor", "PixPerSegX", "PixPerSegY", "SegSepX",
                             "ZomelOutline", "BackColor", "BorderStyle", "BorderColor",
                             "SignBorderVisible", "SignBorderColor", "Animate"})
        EXPECT_EQ(com::Get(*restored, name), Get(name)) << name;
    EXPECT_EQ(com::Get(*restored, "SegCountX"), vb::Variant(vb::Integer{0}));
    EXPECT_EQ(com::Get(*restored, "RecID"), vb::Variant(vb::Long{0}));
}

TEST_F(Persistence, OnlyTheTextFontsNameAndSizeComeBack) {
    auto bold = std::make_shared<forms::StdFont>();
    bold->Name = "VELDO 4x7";
    bold->Size = 9;
    bold->Bold = true;
    com::PutRef(*sign, "Font", vb::ToVariant(bold));
    EXPECT_EQ(site.notices.back(), "Font");
    EXPECT_TRUE(sign->Font()->Bold);
    auto restored = SavedAndRestored();
    EXPECT_EQ(restored->Font()->Name, "VELDO 4x7");
    EXPECT_EQ(restored->Font()->Size, 9);
    EXPECT_FALSE(restored->Font()->Bold);
}

TEST_F(SignTest, DuplicateComparesItemsWithTheKey) {
    auto collection = std::make_shared<vb::Collection>();
    vb::Variant col = vb::ToVariant(collection);
    vb::Variant key = "B";
    EXPECT_EQ(com::Call(*sign, "duplicate", {col, key}), vb::Variant(false));
    collection->Add("A");
    collection->Add(vb::Integer{2});
    EXPECT_EQ(com::Call(*sign, "duplicate", {col, key}), vb::Variant(false));
    EXPECT_EQ(com::Call(*sign, "duplicate", {col, vb::Variant(vb::Long{2})}), vb::Variant(true));
    collection->Add("B");
    EXPECT_EQ(com::Call(*sign, "duplicate", {col, key}), vb::Variant(true));
}

TEST_F(SignTest, APersonsActionsAreRelayedUnchanged) {
    std::vector<std::string> seen;
    com::Advise(*sign, [&](std::string_view event, com::Args& args) {
        seen.push_back(std::string(event) + " " + std::to_string(args.size()));
        if (event == "KeyDown") args[0] = vb::Variant(vb::Integer{0});
    });
    com::Args mouse{vb::Integer{1}, vb::Integer{0}, 10.5f, 20.0f};
    sign->Input("MouseDown", mouse);
    com::Args key{vb::Integer{65}, vb::Integer{1}};
    sign->Input("KeyDown", key);
    com::Args none;
    sign->Input("Click", none);
    sign->Input("Paint", none);
    EXPECT_EQ(seen, (std::vector<std::string>{"MouseDown 4", "KeyDown 2", "Click 0"}));
    EXPECT_EQ(mouse[2], vb::Variant(10.5f));
    EXPECT_EQ(key[0], vb::Variant(vb::Integer{0})) << "a handler's change reaches the caller";
}

}  // namespace
