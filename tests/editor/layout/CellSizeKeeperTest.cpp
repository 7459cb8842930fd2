#include <gtest/gtest.h>

#include <stdexcept>

#include "editor/CellSizeKeeper.h"
#include "platform/forms/Form.h"

namespace {

class ClipTest : public ::testing::Test {
protected:
    forms::Form window{"frmClipTest"};
    forms::PictureClip clip{window, "PictureClip", "PicClip", -1};
};

TEST_F(ClipTest, TheCellComesBackWhenThePreviewEndsEarly) {
    clip.SetClipWidth(12);
    clip.SetClipHeight(8);
    try {
        zomel::CellSizeKeeper keeper(clip);
        clip.SetClipWidth(36);
        clip.SetClipHeight(16);
        throw std::runtime_error("invalid argument");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(clip.ClipWidth(), 12);
    EXPECT_EQ(clip.ClipHeight(), 8);
}

TEST_F(ClipTest, TheCellKeptIsTheDisplaysOwn) {
    clip.SetClipWidth(7);
    clip.SetClipHeight(5);
    {
        zomel::CellSizeKeeper keeper(clip);
        keeper.Keep(8, 12);
        clip.SetClipWidth(32);
    }
    EXPECT_EQ(clip.ClipWidth(), 8);
    EXPECT_EQ(clip.ClipHeight(), 12);
}

TEST_F(ClipTest, ASizeTheClipRefusesLeavesItAsItIs) {
    clip.SetClipWidth(12);
    {
        zomel::CellSizeKeeper keeper(clip);
        keeper.Keep(-1, 8);
        clip.SetClipWidth(24);
    }
    EXPECT_EQ(clip.ClipWidth(), 24);
    EXPECT_EQ(clip.ClipHeight(), 8);
}

}  // namespace
