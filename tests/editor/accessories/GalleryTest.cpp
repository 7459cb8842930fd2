#include <filesystem>

#include "core/LogChannel.h"
#include "editor/frmGallery.h"
#include "tests/editor/accessories/AccessoryFixture.h"

namespace {

using zomel::frmGallery;

class GalleryTest : public AccessoryTest {
protected:
    frmGallery& Gallery() { return forms::Instance<frmGallery>(); }

    // A program folder of its own, with the windows and strings and the given gallery files.
    std::string OwnGallery(const std::string& picText, int photos) {
        Main();  // the main window loads from the program's own folder first
        std::string app = env.UseProgramFolder();
        const auto replace = std::filesystem::copy_options::recursive |
                             std::filesystem::copy_options::overwrite_existing;
        std::filesystem::copy("forms", app + "forms", replace);
        std::filesystem::copy("strings.tsv", app + "strings.tsv", replace);
        if (!picText.empty()) env.WriteFile("app/gifs_jpegs/pic.txt", picText);
        for (int n = 1; n <= photos; ++n)
            std::filesystem::copy("gifs_jpegs/t_1.jpg",
                                  app + "gifs_jpegs/t_" + std::to_string(n) + ".jpg", replace);
        forms::ReloadWindowDescriptions();
        forms::ReloadStringTable();
        return app;
    }

    void ExpectFailedLoad() {
        Main().mnuViewGallery_Click();
        EXPECT_FALSE(Gallery().GalleryLoaded);
        EXPECT_FALSE(Gallery().IsLoaded());
        ASSERT_EQ(host.Messages().size(), 1u);
        EXPECT_NE(LastPrompt().find("under development"), std::string::npos);
        for (const auto& line : host.Journal())
            EXPECT_NE(line, "modal frmGallery owner frmMain");
    }
};

TEST_F(GalleryTest, StepsThroughTheShippedPhotosWithTheirCaptions) {
    host.OnModal("frmGallery", [](forms::Form& form) {
        auto& gallery = static_cast<frmGallery&>(form);
        EXPECT_EQ(gallery.PhotoCount(), 5);
        EXPECT_EQ(gallery.PhotoIndex(), 1);
        EXPECT_FALSE(gallery.cmdPrev->Enabled());
        EXPECT_NE(gallery.Label1->Caption().find("trailer"), std::string::npos);
        EXPECT_TRUE(gallery.Picture1->Get("Picture").ToString().ends_with("gifs_jpegs/t_1.jpg"));
        for (int i = 0; i < 6; ++i)
            gallery.cmdNext->Click();  // one more than there are
        EXPECT_EQ(gallery.PhotoIndex(), 5);
        EXPECT_FALSE(gallery.cmdNext->Enabled());
        EXPECT_TRUE(gallery.cmdPrev->Enabled());
        // Photo 5 is 400 wide by 600 high: it keeps that shape.
        EXPECT_NEAR(gallery.Picture1->Width() / gallery.Picture1->Height(), 400.0 / 600.0, 1e-4);
        gallery.cmdPrev->Click();
        EXPECT_EQ(gallery.PhotoIndex(), 4);
        EXPECT_TRUE(gallery.cmdNext->Enabled());
        gallery.cmdExit->Click();
    });
    Main().mnuViewGallery_Click();
    EXPECT_TRUE(Gallery().GalleryLoaded);
    EXPECT_FALSE(Gallery().IsLoaded());
    EXPECT_TRUE(host.Messages().empty());
}

TEST_F(GalleryTest, FitScaleFillsTheRoomInOneDirection) {
    OwnGallery("2\r\nWide/600/400\r\nSquare/500/500\r\n", 2);
    frmGallery& gallery = Gallery();
    gallery.Load();
    ASSERT_TRUE(gallery.GalleryLoaded);
    EXPECT_EQ(gallery.PhotoCount(), 2);
    // Make the room beside the buttons and above the caption 3000 by 1500 twips.
    vb::Single widthMargin = gallery.ScaleWidth() - gallery.Picture1->Width();
    vb::Single heightMargin = gallery.ScaleHeight() - gallery.Picture1->Height();
    gallery.Move(0, 0, gallery.Width() - gallery.ScaleWidth() + widthMargin + 3000,
                 gallery.Height() - gallery.ScaleHeight() + heightMargin + 1500);
    EXPECT_NEAR(gallery.FitScale(), 3.75, 1e-4);
    EXPECT_NEAR(gallery.Picture1->Width(), 2250, 0.01);
    EXPECT_NEAR(gallery.Picture1->Height(), 1500, 0.01);
    EXPECT_NEAR(gallery.Label1->Width(), 2250, 0.01);
    gallery.cmdNext->Click();
    EXPECT_NEAR(gallery.Picture1->Width(), 1500, 0.01);  // square: height-limited
}

TEST_F(GalleryTest, AVerySmallWindowNeitherDividesByZeroNorSizesNegative) {
    frmGallery& gallery = Gallery();
    gallery.Load();
    vb::Single before = gallery.FitScale();
    gallery.Move(0, 0, 300, 300);
    EXPECT_EQ(gallery.FitScale(), before);
    EXPECT_GE(gallery.Picture1->Width(), 0);
    EXPECT_GE(gallery.Label1->Top(), 0);
    EXPECT_GE(gallery.cmdNext->Left(), 0);
}

TEST_F(GalleryTest, OnePhotoLeavesBothButtonsWithNothingToDo) {
    OwnGallery("1\r\nOnly/640/480\r\n", 1);
    Gallery().Load();
    EXPECT_FALSE(Gallery().cmdPrev->Enabled());
    Gallery().cmdNext->Click();
    EXPECT_EQ(Gallery().PhotoIndex(), 1);
}

TEST_F(GalleryTest, AMissingFolderFailsTheLoadWithOneLogRecord) {
    OwnGallery("", 0);
    std::string log = env.Root() + "run.log";
    ASSERT_TRUE(zomel::OpenLog(log));
    ExpectFailedLoad();
    zomel::CloseLog();
    std::string text = TestEnvironment::ReadFile(log);
    EXPECT_EQ(text, "\"76 Path not found\"\r\n");
}

TEST_F(GalleryTest, ABadPhotoListFailsTheLoadBeforeAnythingIsShown) {
    for (const char* list : {"two\r\nA/1/1\r\n", "3\r\nA/600/400\r\nB/600/400\r\n",
                             "1\r\nNo sizes\r\n", "1\r\nZero/0/400\r\n", "1.5\r\nA/1/1\r\n"}) {
        SCOPED_TRACE(list);
        host.ClearMessages();
        host.ClearJournal();
        OwnGallery(list, 3);
        ExpectFailedLoad();
    }
}

TEST_F(GalleryTest, AMissingPhotoFileShowsItsCaptionOverAnEmptyFrame) {
    std::string app = OwnGallery("2\r\nFirst/600/400\r\nSecond/600/400\r\n", 1);
    Gallery().Load();
    ASSERT_TRUE(Gallery().GalleryLoaded);
    Gallery().cmdNext->Click();
    EXPECT_EQ(Gallery().Label1->Caption(), "Second");
    EXPECT_EQ(Gallery().Picture1->Get("Picture").ToString(), "");
    EXPECT_TRUE(host.Messages().empty());
    // Without the first photo the gallery does not open at all.
    std::filesystem::remove(app + "gifs_jpegs/t_1.jpg");
    Gallery().Unload();
    ExpectFailedLoad();
}

}  // namespace
