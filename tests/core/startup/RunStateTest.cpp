#include <gtest/gtest.h>

#include "core/Globals.h"
#include "core/RunState.h"
#include "core/mapParts.h"
#include "platform/vb/Error.h"

using namespace zomel;

// What one run leaves behind, the next run does not see.
TEST(RunState, OneResetPutsEveryRunLongValueBack) {
    gOptions(3).Name = "Photocell";
    gBaseParts(1).PartNo = "ZM-1000";
    gOptionCount = gBaseCount = 4;
    PresetPackage = 7;
    KitOptionIndex = 9;
    GroupCount = 2;
    LayoutCandidates(1).FontRows = 7;
    FontTable(10).Name = "VELDO 5x7";
    TempFolder = "/tmp/";
    HdrDescription = "Description:";
    UnitCm = "cm";
    CurrentLine = 5;
    HoldSize = vb::True;
    gPriceLoad.LoadError = vb::True;
    gMapParts = std::make_unique<mapParts>();
    vb::ResumeNext([] { vb::Raise(vb::err::kOverflow); });
    ASSERT_EQ(vb::Err().Number, vb::err::kOverflow);

    ResetRunState();
    EXPECT_EQ(gOptions(3).Name, "");
    EXPECT_EQ(gBaseParts(1).PartNo, "");
    EXPECT_EQ(gOptionCount + gBaseCount, 0);
    EXPECT_EQ(PresetPackage, 0);
    EXPECT_EQ(KitOptionIndex, 0);
    EXPECT_EQ(GroupCount, 0);
    EXPECT_EQ(LayoutCandidates(1).FontRows, 0);
    EXPECT_EQ(FontTable(10).Name, "");
    EXPECT_EQ(TempFolder, "");
    EXPECT_EQ(HdrDescription, "");
    EXPECT_EQ(UnitCm, "");
    EXPECT_EQ(CurrentLine, 0);
    EXPECT_EQ(HoldSize, vb::False);
    EXPECT_EQ(gPriceLoad.LoadError, vb::False);
    EXPECT_FALSE(gMapParts);
    EXPECT_EQ(vb::Err().Number, 0);
    // The names are the run state's own members.
    EXPECT_EQ(&CurrentLine, &gRun.CurrentLine);
    EXPECT_EQ(&gOptions, &gRun.gOptions);
}
