#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <memory>
#include <set>

#include "catalogue/frmSolar.h"
#include "core/Globals.h"
#include "core/Sign.h"
#include "editor/frmMain.h"
#include "estimate/frmOrder.h"
#include "platform/qtview/FormWindow.h"
#include "platform/qtview/QtHost.h"
#include "tests/platform/qtview/QtFixture.h"
#include "tests/support/FreshRun.h"

namespace {

using zomel::frmSolar;

// The solar window on the Qt host, used with the mouse and the keyboard as a person does;
// each state is kept as a picture.
class SolarScreen : public ::testing::Test {
protected:
    void SetUp() override {
        run_ = std::make_unique<FreshRun>(host);
        QDir().mkpath(ZOMEL_ARTIFACT_DIR);
        FreshRun::StartSign().Load();
        zomel::gSign->SetXZomelCount(20);
        zomel::gSign->SetYZomelCount(6);
        zomel::gSign->SetHighDensity(vb::False);
    }
    void TearDown() override {
        run_.reset();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    static frmSolar& Solar() { return forms::Instance<frmSolar>(); }

    QImage Shoot(const std::string& name) {
        QApplication::processEvents();
        QImage shot =
            host.WindowOf(Solar())->grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_TRUE(shot.save(
            QString::fromStdString(std::string(ZOMEL_ARTIFACT_DIR) + "/solar-" + name + ".png")));
        std::set<QRgb> colours;
        for (int y = 0; y < shot.height(); y += 3)
            for (int x = 0; x < shot.width(); x += 3)
                colours.insert(shot.pixel(x, y));
        EXPECT_GT(colours.size(), 8u) << name << " looks blank";
        return shot;
    }

    QWidget& WidgetOf(const forms::Control& control) { return *host.WidgetOf(control); }
    QToolButton& Arrow(const forms::Control& upDown, Qt::ArrowType type) {
        for (auto* button : WidgetOf(upDown).findChildren<QToolButton*>())
            if (button->arrowType() == type) return *button;
        throw std::runtime_error("no such arrow");
    }

    QApplication& app = TestApplication();
    TestEnvironment env;
    qtview::QtHost host;
    std::unique_ptr<FreshRun> run_;
};

TEST_F(SolarScreen, TheWindowAsAPersonUsesIt) {
    // Shown over the main window, as the estimate and the options tree are.
    zomel::MainForm->Show();
    Solar().Show(forms::ShowStyle::Modeless, zomel::MainForm);
    qtview::FormWindow& window = *host.WindowOf(Solar());
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    Shoot("window");
    QWidget* focus = QApplication::focusWidget();
    // Alt+S also presses "&Suggest", whose click comes once the button has shown it pressed.
    Solar().txtPanels->SetText("3");
    QTest::keyClick(focus ? focus : &window, Qt::Key_S, Qt::AltModifier);
    QTest::qWait(300);
    EXPECT_EQ(Solar().txtPanels->Text(), "12");
    EXPECT_EQ(zomel::MainForm->SolarUnlocked, vb::True);
    EXPECT_TRUE(WidgetOf(*Solar().UpDownDays).isVisible());

    // The up arrow of the days and a click on July's result.
    QTest::mouseClick(&Arrow(*Solar().UpDownDays, Qt::UpArrow), Qt::LeftButton);
    EXPECT_EQ(Solar().UpDownDays->Value(), 22);
    EXPECT_EQ(Solar().lblDays->Caption(), "22 days");
    QTest::mouseClick(&WidgetOf(Solar().lblOut(6)), Qt::LeftButton);
    EXPECT_TRUE(Solar().lblOut(6).Caption().ends_with(" start"));

    // No panels typed in: the counts go to the estimate as they are typed.
    auto& panels = static_cast<QLineEdit&>(WidgetOf(*Solar().txtPanels));
    panels.setFocus();
    panels.selectAll();
    QTest::keyClicks(&panels, "0");
    EXPECT_EQ(forms::Instance<zomel::frmOrder>().PanelCount.ToLong(), 0);
    Shoot("extra");
}

}  // namespace
