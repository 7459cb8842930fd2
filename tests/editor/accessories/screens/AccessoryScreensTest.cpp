#include <gtest/gtest.h>

#include <memory>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QTimer>
#include <set>

#include "core/Catalogue.h"
#include "core/Globals.h"
#include "core/Sign.h"
#include "editor/frmAbout.h"
#include "editor/frmClipArt.h"
#include "editor/frmClipList.h"
#include "editor/frmGallery.h"
#include "editor/frmMain.h"
#include "editor/frmSplash.h"
#include "editor/frmVELDOInfo.h"
#include "platform/com/ServerLibrary.h"
#include "platform/forms/Interaction.h"
#include "platform/qtview/FormWindow.h"
#include "platform/qtview/QtHost.h"
#include "tests/platform/qtview/QtFixture.h"
#include "tests/support/FreshRun.h"
#include "tests/support/WindowShot.h"

namespace {

// Each accessory window shown on the Qt host, as a person sees it; the shot is saved and must
// show more than a blank window.
class AccessoryScreens : public ::testing::Test {
protected:
    void SetUp() override { run_ = std::make_unique<FreshRun>(host); }
    void TearDown() override {
        answerer_.stop();
        run_.reset();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Answers the message boxes a window shows while it opens, as a person clicks OK, until
    // the test ends.
    void AnswerBoxes() {
        QObject::connect(&answerer_, &QTimer::timeout, [] {
            if (QWidget* box = QApplication::activeModalWidget()) box->close();
        });
        answerer_.start(50);
    }

    QImage Shoot(forms::Form& form, const std::string& name) {
        return ShootWindow(host, form,
                           std::string(ZOMEL_ARTIFACT_DIR) + "/accessory-" + name + ".png");
    }

    QApplication& app = TestApplication();
    TestEnvironment env;
    qtview::QtHost host;
    std::unique_ptr<FreshRun> run_;
    QTimer answerer_;
};

TEST_F(AccessoryScreens, ClipList) {
    auto& list = forms::Instance<zomel::frmClipList>();
    list.Load();
    Shoot(list, "cliplist");
    EXPECT_GT(list.LstClipText->ListCount(), 20);
}

TEST_F(AccessoryScreens, ClipArtWithAPictureOnItsDisplay) {
    AnswerBoxes();
    auto& clipArt = forms::Instance<zomel::frmClipArt>();
    clipArt.Load();
    clipArt.Img(3).Click();
    Shoot(clipArt, "clipart");
    EXPECT_EQ(clipArt.ViewSign->Get("FrameCount").ToLong(), 1);
}

TEST_F(AccessoryScreens, GalleryShowsAPhotoAndItsCaption) {
    auto& gallery = forms::Instance<zomel::frmGallery>();
    gallery.Load();
    ASSERT_TRUE(gallery.GalleryLoaded);
    QImage shot = Shoot(gallery, "gallery");
    auto* caption = qobject_cast<QLabel*>(host.WidgetOf(*gallery.Label1));
    ASSERT_NE(caption, nullptr);
    EXPECT_NE(caption->text().toStdString().find("trailer"), std::string::npos);
}

TEST_F(AccessoryScreens, AboutContactAndSplash) {
    auto& about = forms::Instance<zomel::frmAbout>();
    auto& contact = forms::Instance<zomel::frmVELDOInfo>();
    const QImage aboutShot = Shoot(about, "about");
    const QImage contactShot = Shoot(contact, "contact");
    Shoot(forms::Instance<zomel::frmSplash>(), "splash");
    // The logo's corners show the window's own colour; its box stays the maker's red.
    auto logoOn = [&](const QImage& shot, forms::Form& form, const char* image) {
        QWidget* logo = host.WidgetOf(form.ControlNamed(image));
        ASSERT_NE(logo, nullptr);
        const QRect box(logo->mapTo(logo->window(), QPoint(0, 0)), logo->size());
        const QRgb window = shot.pixel(box.left() - 4, box.top() + 4);
        EXPECT_EQ(shot.pixel(box.topLeft()), window) << form.Name();
        EXPECT_EQ(shot.pixel(box.bottomRight()), window) << form.Name();
        const QRgb inside = shot.pixel(box.left() + 8, box.center().y());
        EXPECT_NE(inside, window) << form.Name();
        EXPECT_GT(qRed(inside), 2 * qGreen(inside)) << form.Name();
    };
    logoOn(aboutShot, about, "picIcon");
    logoOn(contactShot, contact, "Image1");
}

TEST_F(AccessoryScreens, TheClipboardIsTheDesktops) {
    forms::Clipboard().SetText("LANE CLOSED");
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "LANE CLOSED");
    QApplication::clipboard()->setText("DETOUR");
    EXPECT_EQ(forms::Clipboard().GetText(), "DETOUR");
}

}  // namespace
