#include <filesystem>

#include "core/LogChannel.h"
#include "editor/frmClipArt.h"
#include "platform/os/Paths.h"
#include "tests/editor/accessories/AccessoryFixture.h"
#include "tests/support/DiskFull.h"

namespace {

using zomel::frmClipArt;

class ClipArtTest : public AccessoryTest {
protected:
    frmClipArt& ClipArt() {
        frmClipArt& window = forms::Instance<frmClipArt>();
        if (!window.IsLoaded()) window.Load();
        return window;
    }
    forms::HostedControl& Display() { return *ClipArt().ViewSign; }
    vb::Long Frames() { return Display().Get("FrameCount").ToLong(); }
    gdi::PictureRef Frame(vb::Integer index) {
        return Display().Call("GetFrame", {index}).As<gdi::Picture>();
    }
    void Press(vb::Integer key) {
        vb::Integer shift = 0;
        ClipArt().KeyUp(key, shift);
    }
    std::string SavePath(int index) const {
        return env.Root() + "home/Documents/ZomelBuilder/Image" + std::to_string(index) + ".bmp";
    }
};

TEST_F(ClipArtTest, OpensWithTheGraphicsNoteAndSevenPicturesOfTheSignSize) {
    host.OnModal("frmClipArt", [](forms::Form& form) {
        auto& window = static_cast<frmClipArt&>(form);
        EXPECT_EQ(window.Caption(), "Clip-Art Preview");
        EXPECT_EQ(window.ControlAs<forms::Label>("Label1").Caption(),
                  "< Click on an image to enlarge:");
        for (vb::Integer i = 0; i < 7; ++i) {
            auto picture = gdi::Picture::Load(
                os::JoinPath(os::ProgramFolder(), window.Img(i).Get("Picture").ToString()));
            ASSERT_TRUE(picture) << i;
            EXPECT_EQ(picture->PixelWidth(), 72);
            EXPECT_EQ(picture->PixelHeight(), 48);
        }
        EXPECT_FALSE(window.ViewSign->Visible());
    });
    Main().mnuSignClipArt_Click();
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_NE(LastPrompt().find("graphics are for a specific size sign"), std::string::npos);
}

TEST_F(ClipArtTest, ClickedPicturesAccumulateAsFramesOnceEach) {
    ClipArt().Img(3).Click();
    EXPECT_TRUE(ClipArt().ViewSign->Visible());
    ClipArt().Img(3).Click();
    EXPECT_EQ(Frames(), 1);
    ClipArt().Img(0).Click();
    ClipArt().Img(5).Click();
    EXPECT_EQ(Frames(), 3);
    // The frames are the pictures themselves, in click order: white is a lit LED.
    auto clip = [](int i) {
        return gdi::Picture::Load(
            os::JoinPath(os::ProgramFolder(), "pictures/clip" + std::to_string(i) + ".bmp"));
    };
    int order[] = {3, 0, 5};
    for (vb::Integer k = 1; k <= 3; ++k) {
        auto frame = Frame(k);
        ASSERT_TRUE(frame);
        auto expected = clip(order[k - 1]);
        for (int y = 0; y < 48; ++y)
            for (int x = 0; x < 72; ++x)
                ASSERT_EQ(frame->Image().At(x, y), expected->Image().At(x, y)) << k;
    }
    const gdi::Bitmap& frame = Frame(3)->Image();
    EXPECT_EQ(frame.Width(), 72);
    int lit = 0;
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 72; ++x)
            lit += frame.At(x, y) == gdi::kWhite;
    EXPECT_GT(lit, 100);
}

TEST_F(ClipArtTest, FunctionKeysSaveThePicturesIntoTheSaveFolderAndSaySo) {
    Press(119);  // F8: the seventh picture
    ASSERT_TRUE(std::filesystem::exists(SavePath(6)));
    EXPECT_EQ(LastPrompt(), "The picture was saved as:\n" + SavePath(6));
    auto saved = gdi::Picture::Load(SavePath(6));
    ASSERT_TRUE(saved);
    auto original = gdi::Picture::Load(os::JoinPath(os::ProgramFolder(), "pictures/clip6.bmp"));
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 72; ++x)
            ASSERT_EQ(saved->Image().At(x, y), original->Image().At(x, y));
    // Saving again keeps the same file without complaint.
    Press(119);
    EXPECT_EQ(LastPrompt(), "The picture was saved as:\n" + SavePath(6));
    size_t messages = host.Messages().size();
    Press(120);  // F9 does nothing
    EXPECT_EQ(host.Messages().size(), messages);
    EXPECT_FALSE(std::filesystem::exists(SavePath(7)));
}

TEST_F(ClipArtTest, AnUnrelatedFileOfTheSameNameIsNotReplaced) {
    env.WriteFile("home/Documents/ZomelBuilder/Image0.bmp", "my own notes");
    Press(113);  // F2
    EXPECT_EQ(TestEnvironment::ReadFile(SavePath(0)), "my own notes");
    EXPECT_NE(LastPrompt().find("was not saved"), std::string::npos);
    EXPECT_NE(LastPrompt().find(SavePath(0)), std::string::npos);
}

TEST_F(ClipArtTest, AFailedSaveIsReported) {
    // A folder has taken the picture's name: the file cannot be written.
    std::filesystem::create_directories(SavePath(1));
    Press(114);  // F3
    EXPECT_EQ(LastPrompt(), "The picture could not be saved as:\n" + SavePath(1));
    EXPECT_EQ(host.Messages().back().Icon(), forms::vbExclamation);

    // A full disk leaves no part of a picture behind, which would stand in the next save's way.
    {
        DiskFull disk(1024);
        Press(115);  // F4
    }
    EXPECT_EQ(LastPrompt(), "The picture could not be saved as:\n" + SavePath(2));
    EXPECT_FALSE(std::filesystem::exists(SavePath(2)));
    Press(115);
    EXPECT_EQ(LastPrompt(), "The picture was saved as:\n" + SavePath(2));
}

TEST_F(ClipArtTest, AFailedSaveLeavesItsCauseInTheLog) {
    std::filesystem::create_directories(SavePath(1));
    const std::string log = env.Root() + "run.log";
    ASSERT_TRUE(zomel::OpenLog(log));
    Press(114);  // F3
    zomel::CloseLog();
    const std::string text = TestEnvironment::ReadFile(log);
    EXPECT_NE(text.find("Clip Art Save Picture"), std::string::npos) << text;
    EXPECT_NE(text.find(SavePath(1)), std::string::npos) << text;  // the file that failed
}

TEST_F(ClipArtTest, ExitClosesTheWindowAndTheFramesGoWithIt) {
    ClipArt().Img(2).Click();
    ClipArt().cmdCancel->Click();
    EXPECT_FALSE(forms::Instance<frmClipArt>().IsLoaded());
    EXPECT_EQ(Frames(), 0);  // opened again: the frames went with the window
}

}  // namespace
