// Every damaged file of the test data goes through the reader the program uses for its kind,
// and is refused: no crash, no runaway memory or time, a reason for the log.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/gdi/BdfFont.h"
#include "platform/gdi/Picture.h"

namespace {

std::vector<std::string> FilesIn(const std::string& kind) {
    std::vector<std::string> files;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(ZOMEL_BAD_INPUTS) + "/" + kind))
        files.push_back(entry.path().string());
    EXPECT_FALSE(files.empty()) << "no damaged " << kind;
    return files;
}

// A refusal is quick: the damaged size is seen before anything is made of it.
template <class Read>
void ExpectQuickly(const std::string& file, Read&& read) {
    const auto start = std::chrono::steady_clock::now();
    read();
    const auto taken = std::chrono::steady_clock::now() - start;
    EXPECT_LT(taken, std::chrono::seconds(1)) << file;
}

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
