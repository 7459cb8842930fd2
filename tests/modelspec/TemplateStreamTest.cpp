#include <gtest/gtest.h>

#include "modelspec/engine/SpecTokens.h"
#include "modelspec/engine/TemplateStream.h"
#include "tests/modelspec/ModelFixture.h"

namespace {

using zomel::StreamTemplate;

// Values that show which token was met.
std::string Named(std::string_view token) {
    if (token == "$last$") return "";
    if (token == "$xcount$") return "7";
    if (token == "$ycount$") return "3";
    return "";
}

std::string Stream(std::string_view text) {
    return StreamTemplate(text, Named);
}

}  // namespace

TEST(TemplateStreamTest, TokensAreReplacedWhereverTheyStand) {
    EXPECT_EQ(Stream("A sign of $xcount$ columns."), "A sign of 7 columns.");
    EXPECT_EQ(Stream("$xcount$$ycount$"), "73");
    EXPECT_EQ(Stream("$xcount$ by $ycount$ modules"), "7 by 3 modules");
    EXPECT_EQ(Stream("at the end $ycount$"), "at the end 3");
    EXPECT_EQ(Stream("no tokens at all"), "no tokens at all");
    EXPECT_EQ(Stream(""), "");
    // A token across the first fifty characters is found all the same.
    std::string long_ = std::string(48, 'x') + "$xcount$" + std::string(60, 'y') + "$ycount$z";
    EXPECT_EQ(Stream(long_), std::string(48, 'x') + "7" + std::string(60, 'y') + "3z");
}

TEST(TemplateStreamTest, UnknownNamesGoAndTheEndTokenStopsReplacement) {
    EXPECT_EQ(Stream("a$unknown$b"), "ab");
    EXPECT_EQ(Stream("$xcount$ then$last$ $xcount$ costs US$5"), "7 then $xcount$ costs US$5");
    EXPECT_EQ(Stream("$last$"), "");
}

TEST(TemplateStreamTest, AnOpeningWithoutItsCloseKeepsTheRestWhole) {
    EXPECT_EQ(Stream("$xcount$ and $ never closed"), "7 and $ never closed");
    const std::string far = "$xcount$ $" + std::string(60, 'n') + "$ tail $ycount$";
    EXPECT_EQ(Stream(far), "7 " + far.substr(9));
}

class SpecTokensTest : public ModelTest {
protected:
    std::string Value(std::string_view token) {
        auto figures = zomel::PrepareSpecFigures(sign(), main().HighDensity);
        return zomel::GetTokenValue(figures, sign(), token);
    }
};

TEST_F(SpecTokensTest, UnitsCarryTheirPeriodOnlyWhereTheyAreAbbreviations) {
    sign().SetLengthUnit("m");
    EXPECT_EQ(Value("$signunit$"), "m");
    sign().SetLengthUnit("in");
    EXPECT_EQ(Value("$signunit$"), "in.");
    sign().SetLengthUnit("ft");
    EXPECT_EQ(Value("$signunit$"), "ft.");
    sign().SetCharSizeUnit("pix");
    EXPECT_EQ(Value("$charunit$"), "pix");
    EXPECT_EQ(Value("$lspace$"), "0.000");
    EXPECT_EQ(Value("$pspace$"), "0.000");
    EXPECT_EQ(Value("$minsize$"), "0.00");
    sign().SetCharSizeUnit("in");
    EXPECT_EQ(Value("$charunit$"), "in.");
    EXPECT_EQ(Value("$nosuchtoken$"), "");
    EXPECT_EQ(Value("$sbccount$"), "1");
    EXPECT_EQ(Value("$trimzomelcount$"), "1");
}

TEST_F(SpecTokensTest, StandardDensityIgnoresTheOrientation) {
    main().mnuSignDensity_Click();
    ASSERT_FALSE(main().HighDensity);
    sign().SetCharSizeUnit("cm");
    main().mnuSignVertical_Click(vb::True);
    EXPECT_EQ(Value("$pspace$"), "6.985");  // 2.75 in
    EXPECT_EQ(Value("$lspace$"), "3.429");  // 1.35 in
    main().mnuSignVertical_Click(vb::False);
    EXPECT_EQ(Value("$pspace$"), "6.985");
    EXPECT_EQ(Value("$ptotal$"), "140");
    EXPECT_EQ(Value("$ldensity$"), "standard");
}
