#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <functional>
#include <memory>

#include "catalogue/frmChooser.h"
#include "catalogue/frmComponents.h"
#include "catalogue/frmOptions.h"
#include "catalogue/frmSolar.h"
#include "core/Globals.h"
#include "core/Sign.h"
#include "editor/frmAbout.h"
#include "editor/frmClipArt.h"
#include "editor/frmClipList.h"
#include "editor/frmGallery.h"
#include "editor/frmMain.h"
#include "editor/frmSplash.h"
#include "editor/frmVELDOInfo.h"
#include "estimate/frmOrder.h"
#include "modelspec/frmSpecChoose.h"
#include "platform/forms/Instance.h"
#include "tests/support/OnScreenRun.h"
#include "tests/support/TextFit.h"
#include "tests/support/WindowShot.h"

namespace {

struct Window {
    const char* shot;
    std::function<forms::Form&()> open;
};

// Each window as a person first sees it, loaded after the main window as the program does.
class WindowTextsFit : public OnScreenRun<::testing::TestWithParam<Window>> {
protected:
    void SetUp() override {
        OnScreenRun::SetUp();
        FreshRun::StartSign().Load();
        // Message boxes a window shows while it opens are answered as a person clicks OK.
        QObject::connect(&answerer_, &QTimer::timeout, [] {
            if (QWidget* box = QApplication::activeModalWidget()) box->close();
        });
        answerer_.start(50);
    }
    void TearDown() override {
        answerer_.stop();
        OnScreenRun::TearDown();
    }

    QTimer answerer_;
};

template <class F>
forms::Form& Loaded() {
    F& form = forms::Instance<F>();
    form.Load();
    return form;
}

TEST_P(WindowTextsFit, EveryCaptionAndLabelShowsWhole) {
    forms::Form& form = GetParam().open();
    ShootWindow(host, form, std::string(ZOMEL_ARTIFACT_DIR) + "/fit-" + GetParam().shot + ".png");
    EXPECT_EQ(ClippedTexts(host, form), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Windows, WindowTextsFit,
    ::testing::Values(Window{"main", []() -> forms::Form& { return *zomel::MainForm; }},
                      Window{"clipart", &Loaded<zomel::frmClipArt>},
                      Window{"cliplist", &Loaded<zomel::frmClipList>},
                      Window{"gallery", &Loaded<zomel::frmGallery>},
                      Window{"contact", &Loaded<zomel::frmVELDOInfo>},
                      Window{"splash", &Loaded<zomel::frmSplash>},
                      Window{"about", &Loaded<zomel::frmAbout>},
                      Window{"order", &Loaded<zomel::frmOrder>},
                      Window{"solar", &Loaded<zomel::frmSolar>},
                      Window{"chooser", &Loaded<zomel::frmChooser>},
                      Window{"options", &Loaded<zomel::frmOptions>},
                      Window{"components", &Loaded<zomel::frmComponents>},
                      Window{"specchoose", &Loaded<zomel::frmSpecChoose>}),
    [](const auto& info) { return std::string(info.param.shot); });

}  // namespace
