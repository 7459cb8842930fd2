#include <gtest/gtest.h>

#include "editor/StatusFigures.h"

namespace {

using zomel::SignFigures;
using zomel::StatusTexts;

SignFigures Figures(int x, int y, bool high) {
    SignFigures sign;
    sign.XZomelCount = static_cast<vb::Integer>(x);
    sign.YZomelCount = static_cast<vb::Integer>(y);
    sign.HighDensity = high;
    sign.SignWidth = 1234.5;
    sign.SignHeight = 0.5;
    sign.LengthUnit = "in";
    sign.Weight = 528.04;
    sign.WeightUnit = "lbs";
    return sign;
}

TEST(StatusTexts, AllFourPanels) {
    const auto texts = StatusTexts(Figures(20, 6, true));
    EXPECT_EQ(texts[0], "Size: 20 x 6");
    EXPECT_EQ(texts[1], "Dimensions: 1,234.50 x .50 in");
    EXPECT_EQ(texts[2], "Typical Maximum Power: 372.0 Amps");
    EXPECT_EQ(texts[3], "Weight: 528.0 lbs");
}

TEST(StatusTexts, StandardDensityPower) {
    EXPECT_EQ(StatusTexts(Figures(20, 6, false))[2], "Typical Maximum Power: 84.0 Amps");
    EXPECT_EQ(StatusTexts(Figures(1, 1, false))[2], "Typical Maximum Power: .7 Amps");
}

TEST(StatusTexts, NoColumnsBlanksEveryPanel) {
    const auto texts = StatusTexts(Figures(0, 4, true));
    for (const auto& text : texts)
        EXPECT_EQ(text, " ");
}

}  // namespace
