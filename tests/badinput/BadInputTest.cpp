// Every damaged file of the test data goes through the reader the program uses for its kind,
// and is refused: no crash, no runaway memory or time, a reason for the log.
#include <gtest/gtest.h>

#include <string>

#include "platform/gdi/BdfFont.h"
#include "platform/gdi/Picture.h"
#include "tests/badinput/DamagedFiles.h"

namespace {

TEST(BadInputs, EveryDamagedFontIsRefusedWithAReason) {
    for (const std::string& file : FilesIn("fonts")) {
        ExpectQuickly(file, [&] {
            std::string refusal;
            EXPECT_EQ(gdi::BdfFont::Load(file, &refusal), nullptr) << file;
            EXPECT_FALSE(refusal.empty()) << file;
        });
    }
}

TEST(BadInputs, EveryDamagedPictureIsAnInvalidPicture) {
    for (const std::string& file : FilesIn("pictures")) {
        ExpectQuickly(file, [&] {
            gdi::PictureError error = gdi::PictureError::None;
            EXPECT_EQ(gdi::Picture::Load(file, &error), nullptr) << file;
            EXPECT_EQ(error, gdi::PictureError::InvalidPicture) << file;
        });
    }
}

}  // namespace
