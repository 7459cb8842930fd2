#include <cmath>

#include "modelspec/frmSpecChoose.h"
#include "platform/forms/Interaction.h"
#include "platform/vb/Format.h"
#include "tests/modelspec/SpecFixture.h"
#include "tests/support/DocumentReaders.h"

namespace {

using readers::RtfText;

class SpecDocumentTest : public SpecTest {
protected:
    // The custom document of the sign now designed, as a word processor reads it.
    std::string CustomText() {
        desktop.Started(0);
        CreateSpecification(true);
        EXPECT_EQ(desktop.Started(),
                  (std::vector<std::string>{env.Root() + "app", app + "CustomSpec.rtf"}));
        std::filesystem::remove(desktop.Record());
        EXPECT_TRUE(readers::RtfGroupsBalance(Read("CustomSpec.rtf")));
        return RtfText(app + "CustomSpec.rtf");
    }
    static std::string Two(double value) { return vb::Format(value, "0.00"); }
};

bool Holds(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

}  // namespace

TEST_F(SpecDocumentTest, TheGenericDocumentIsTheTemplateOfTheGenerationInUse) {
    env.WriteFile("app/ZomelSpec.rtf", "an old document");
    CreateSpecification(false);
    EXPECT_EQ(Read("ZomelSpec.rtf"), Read("ZomelSpec.hms"));
    EXPECT_EQ(desktop.Started(),
              (std::vector<std::string>{env.Root() + "app", app + "ZomelSpec.rtf"}));
    EXPECT_TRUE(Holds(RtfText(app + "ZomelSpec.rtf"), "Technical Specification, Generation 1"));
    EXPECT_TRUE(host.Messages().empty());
    std::filesystem::remove(desktop.Record());

    Click(zomel::Zomel2Mode ? "id_Sign2" : "id_Sign1");
    ASSERT_TRUE(zomel::Zomel2Mode);
    CreateSpecification(false);
    EXPECT_EQ(Read("ZomelSpec.rtf"), Read("ZomelSpec2.hms"));  // the same output name
    std::string text = RtfText(app + "ZomelSpec.rtf");
    EXPECT_TRUE(Holds(text, "Technical Specification, Generation 2"));
    EXPECT_TRUE(Holds(text, "Weight: 4.65 lbs"));
    EXPECT_EQ(desktop.Started().size(), 2u);
}

TEST_F(SpecDocumentTest, TheCustomDocumentGivesTheSignsFiguresInItsUnits) {
    Type(0, "ROAD WORK");
    Type(1, "AHEAD");
    const zomel::Sign& sign = TheSign();
    ASSERT_GE(sign.XZomelCount(), 1);
    ASSERT_TRUE(Main().HighDensity);
    const std::string x = std::to_string(sign.XZomelCount());
    const std::string y = std::to_string(sign.YZomelCount());
    const std::string text = CustomText();
    EXPECT_EQ(Read("CustomSpec.rtf").rfind(Read("E.hms"), 0), 0u);  // the head comes first
    EXPECT_TRUE(Holds(text, "Modules across (columns): " + x + " Modules down (rows): " + y));
    EXPECT_TRUE(
        Holds(text, "Modules in all: " + std::to_string(sign.XZomelCount() * sign.YZomelCount())));
    const std::string unit = sign.LengthUnit() + ".";  // "ft." or "in."
    EXPECT_TRUE(Holds(text, "Outer width: " + Two(sign.SignWidth()) + " " + unit)) << text;
    EXPECT_TRUE(Holds(text, "Outer height: " + Two(sign.SignHeight()) + " " + unit));
    EXPECT_TRUE(Holds(
        text, "Weight with bus bars: " + Two(sign.SignWeight() + sign.BusBarWeight()) + " lbs"));
    EXPECT_TRUE(Holds(text, "Pixels per module: 96 (12 across by 8 down)"));
    EXPECT_TRUE(Holds(text, "LEDs per module: 384"));
    EXPECT_TRUE(Holds(text, "Module density: High"));
    EXPECT_TRUE(Holds(text, "every high density module"));
    EXPECT_TRUE(Holds(text, "Average draw per module: 11.50 W Maximum draw per module: 4.80 A"));
    EXPECT_TRUE(Holds(text, "Typical current draw per module: 3.10 Amps"));
    EXPECT_TRUE(Holds(
        text, "Jumper-connected modules per column: " + std::to_string(sign.YZomelCount() - 1)));
    EXPECT_TRUE(
        Holds(text, "Rail sets (rows plus one): " + std::to_string(sign.YZomelCount() + 1)));
    EXPECT_TRUE(Holds(text, "Layout: full matrix"));
    // Behind the end of the tokens the template is copied as it stands.
    EXPECT_TRUE(Holds(text, "quoted in US$ by your VELDO representative"));
    EXPECT_FALSE(Holds(text.substr(0, text.find("Warranty")), "$"));
}

TEST_F(SpecDocumentTest, DensityOrientationAndUnitsChangeTheOpticalFigures) {
    Type(0, "SLOW");
    Main().mnuSignVertical_Click(vb::True);
    TheSign().SetCharSizeUnit("in");
    std::string text = CustomText();
    EXPECT_TRUE(Holds(text, "LED spacing within a pixel: 0.500 in."));
    EXPECT_TRUE(Holds(text, "Pixel pitch: 1.600 in."));
    EXPECT_TRUE(Holds(text, "Smallest legible character: 7.40 in."));
    EXPECT_TRUE(Holds(text, "Module orientation: Vertical"));

    Main().mnuSignVertical_Click(vb::False);
    TheSign().SetCharSizeUnit("cm");
    TheSign().SetLengthUnit("m");
    TheSign().SetWeightUnit("kg");
    text = CustomText();
    EXPECT_TRUE(Holds(text, "Pixel pitch: 4.369 cm"));                 // 1.72 in
    EXPECT_TRUE(Holds(text, "Smallest legible character: 20.07 cm"));  // 7.9 in
    EXPECT_TRUE(Holds(text, "Module orientation: Horizontal"));
    EXPECT_TRUE(Holds(text, "Outer width: " + Two(TheSign().SignWidth()) + " m Outer"));
    EXPECT_TRUE(Holds(text, " kg"));

    Main().mnuSignDensity_Click();
    ASSERT_FALSE(Main().HighDensity);
    Main().mnuSignVertical_Click(vb::True);
    TheSign().SetCharSizeUnit("pix");
    TheSign().SetLengthUnit("in");
    text = CustomText();
    EXPECT_TRUE(Holds(text, "Pixels per module: 35 (7 across by 5 down)"));
    EXPECT_TRUE(Holds(text, "LEDs per module: 140"));
    EXPECT_TRUE(Holds(text, "LED spacing within a pixel: 0.000 pix"));  // no factor for pixels
    EXPECT_TRUE(Holds(text, "Smallest legible character: 0.00 pix"));
    EXPECT_TRUE(Holds(text, "Average draw per module: 3.50 W Maximum draw per module: 1.75 A"));
    EXPECT_TRUE(Holds(text, "Typical current draw per module: 0.70 Amps"));
    EXPECT_TRUE(Holds(text, "Module density: Standard"));
    EXPECT_TRUE(Holds(text, "Outer width: " + Two(TheSign().SignWidth()) + " in."));
}

TEST_F(SpecDocumentTest, TheSecondGenerationUsesItsOwnTemplate) {
    Click(zomel::Zomel2Mode ? "id_Sign2" : "id_Sign1");
    Type(0, "EXIT");
    std::string text = CustomText();
    EXPECT_TRUE(Holds(text, "ZOMEL modules, generation 2"));
    EXPECT_TRUE(Holds(text, "lockdown clips along every edge"));
}

TEST_F(SpecDocumentTest, TextsFromTheStringTableCannotBreakTheDocument) {
    std::string strings = Read("strings.tsv");
    strings.replace(strings.find("11700\tfull matrix"), 17, "11700\tfull {matrix} \\ caf\xC3\xA9");
    env.WriteFile("app/strings.tsv", strings);
    forms::ReloadStringTable();
    Type(0, "EXIT");
    std::string text = CustomText();
    // unrtf writes the code page's characters as they are: Latin-1 bytes.
    EXPECT_TRUE(Holds(text, "Layout: full {matrix} \\ caf\xE9 Module orientation")) << text;
}

TEST_F(SpecDocumentTest, ASignWithoutModulesGetsNoCustomDocument) {
    Main().mnuSignClear_Click();
    ASSERT_LT(TheSign().XZomelCount(), 1);
    CreateSpecification(true);
    EXPECT_EQ(Prompts(), std::vector<std::string>{
                             "Your sign does not contain any ZOMEL's.  To create a custom "
                             "specification, a sign must first be created."});
    EXPECT_FALSE(std::filesystem::exists(app + "CustomSpec.rtf"));
    EXPECT_TRUE(desktop.Started(100).empty());
    EXPECT_EQ(forms::Screen().MousePointer(), forms::vbDefault);
    EXPECT_FALSE(forms::Instance<zomel::frmSpecChoose>().Visible());
}

TEST_F(SpecDocumentTest, AMissingTemplateIsReportedAndNoDocumentIsOpened) {
    Type(0, "EXIT");
    env.WriteFile("app/CustomSpec.rtf", "the last document");
    env.WriteFile("app/ZomelSpec.rtf", "the last generic document");
    std::filesystem::remove(app + "CustomSpec.hms");
    std::filesystem::remove(app + "ZomelSpec.hms");
    CreateSpecification(true);
    CreateSpecification(false);
    ASSERT_EQ(host.Messages().size(), 2u);
    for (const std::string& prompt : Prompts())
        EXPECT_EQ(prompt.rfind("An unexpected error has occurred in GenSpecMain - Load", 0), 0u)
            << prompt;
    // Each names the template it could not read.
    EXPECT_TRUE(Prompts()[0].find("#, 53, File not found: " + app + "CustomSpec.hms") !=
                std::string::npos)
        << Prompts()[0];
    EXPECT_TRUE(Prompts()[1].find("#, 53, File not found: " + app + "ZomelSpec.hms") !=
                std::string::npos)
        << Prompts()[1];
    EXPECT_EQ(Read("CustomSpec.rtf"), "the last document");
    EXPECT_EQ(Read("ZomelSpec.rtf"), "the last generic document");
    EXPECT_TRUE(desktop.Started(200).empty());
}

TEST_F(SpecDocumentTest, F12ShowsTheChoiceWindowsNumber) {
    auto& choose = forms::Instance<zomel::frmSpecChoose>();
    choose.Load();
    EXPECT_EQ(choose.Caption(), "Specification Type");
    EXPECT_TRUE(choose.Option1(0).Value());
    choose.KeyUp(forms::vbKeyF12, 0);
    EXPECT_EQ(Prompts(), std::vector<std::string>{"Specification Type #114"});
}
