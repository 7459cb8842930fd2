#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <memory>

#include "core/FontTable.h"
#include "core/Globals.h"
#include "core/Sign.h"
#include "editor/frmMain.h"
#include "modelspec/frmModelNum.h"
#include "platform/com/ServerLibrary.h"
#include "platform/forms/Instance.h"
#include "platform/qtview/FormWindow.h"
#include "platform/qtview/QtHost.h"
#include "tests/platform/qtview/QtFixture.h"
#include "tests/support/FreshRun.h"
#include "tests/support/TestEnvironment.h"

namespace {

class ModelWindowOnScreen : public ::testing::Test {
protected:
    void SetUp() override {
        run_ = std::make_unique<FreshRun>(host);
        zomel::frmMain& main = FreshRun::StartSign();
        zomel::FillFontTable();
        zomel::ModelNumberLabel = "Model Number = ";
        main.Load();
    }
    void TearDown() override {
        run_.reset();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    template <class W>
    W& WidgetOf(const forms::Control& control) {
        auto* widget = qobject_cast<W*>(host.WidgetOf(control));
        if (!widget) throw std::runtime_error("no widget for " + control.Name());
        return *widget;
    }
    // A click near the left edge, where every button has its box or its text.
    void Click(const forms::Control& control) {
        QAbstractButton& button = WidgetOf<QAbstractButton>(control);
        QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(6, button.height() / 2));
    }

    QApplication& app = TestApplication();
    TestEnvironment env;
    qtview::QtHost host;
    std::unique_ptr<FreshRun> run_;
};

}  // namespace

TEST_F(ModelWindowOnScreen, APersonBuildsANumberAndReadsItsMeaning) {
    zomel::frmModelNum& window = forms::Instance<zomel::frmModelNum>();
    window.Show(forms::ShowStyle::Modeless, zomel::MainForm);
    qtview::FormWindow& shown = *host.WindowOf(window);
    ASSERT_TRUE(shown.isVisible());
    window.ControlAs<forms::Menu>("mnuBuild").Click();
    QApplication::processEvents();
    ASSERT_TRUE(WidgetOf<QAbstractButton>(*window.cmdModelNum).isVisible());

    Click(window.optLEDPerPixel(6));
    Click(*window.optVertical);
    Click(*window.cmdModelNum);
    EXPECT_EQ(zomel::gSign->ModelNumber(), "AF0-1H2A6-0101V");
    EXPECT_EQ(shown.windowTitle(), "Model Number = AF0-1H2A6-0101V");
    EXPECT_EQ(WidgetOf<QLineEdit>(*zomel::MainForm->txtModel).text(), "AF0-1H2A6-0101V");

    Click(*window.cmdSpecs);
    QApplication::processEvents();
    EXPECT_EQ(WidgetOf<QLabel>(*window.lblLEDCount).text(), "Your LED count is not recognized");
    EXPECT_EQ(WidgetOf<QLabel>(*window.lblProdType).text(), "AF0-1H2A6-0101V");
    EXPECT_EQ(WidgetOf<QLineEdit>(*window.txtLeds).text(), "6");
    EXPECT_TRUE(WidgetOf<QAbstractButton>(*window.cmdBack).isVisible());
    QDir().mkpath(ZOMEL_ARTIFACT_DIR);
    EXPECT_TRUE(shown.grab().save(QStringLiteral(ZOMEL_ARTIFACT_DIR "/modelnum-meaning.png")));

    Click(*window.cmdBack);
    QApplication::processEvents();
    EXPECT_TRUE(shown.grab().save(QStringLiteral(ZOMEL_ARTIFACT_DIR "/modelnum-choices.png")));
    Click(*window.cmdCancel);
    EXPECT_FALSE(window.IsLoaded());
}

// Every check box and option button of the choices shows its whole caption at the desktop's
// font, and sits on its group's colour.
TEST_F(ModelWindowOnScreen, EveryChoiceShowsItsWholeCaptionOnItsGroupsColour) {
    zomel::frmModelNum& window = forms::Instance<zomel::frmModelNum>();
    window.Show(forms::ShowStyle::Modeless, zomel::MainForm);
    window.ControlAs<forms::Menu>("mnuBuild").Click();
    QApplication::processEvents();
    int checked = 0;
    for (const auto& control : window.Controls()) {
        auto* button = qobject_cast<QAbstractButton*>(host.WidgetOf(*control));
        if (!button || control->TypeName() == "CommandButton" || !button->isVisible()) continue;
        EXPECT_LE(button->sizeHint().width(), button->width())
            << control->Name() << " " << button->text().toStdString();
        EXPECT_FALSE(button->autoFillBackground()) << control->Name();
        ++checked;
    }
    EXPECT_GT(checked, 15);
    QDir().mkpath(ZOMEL_ARTIFACT_DIR);
    host.WindowOf(window)->grab().save(
        QStringLiteral(ZOMEL_ARTIFACT_DIR "/modelnum-choices-fit.png"));
}

// The labels' letters: Alt+C and Alt+R put the keyboard in the boxes they name.
TEST_F(ModelWindowOnScreen, ALabelsLetterReachesTheBoxItNames) {
    zomel::frmModelNum& window = forms::Instance<zomel::frmModelNum>();
    window.Show(forms::ShowStyle::Modeless, zomel::MainForm);
    window.ControlAs<forms::Menu>("mnuBuild").Click();
    qtview::FormWindow& shown = *host.WindowOf(window);
    shown.activateWindow();
    QApplication::setActiveWindow(&shown);
    QApplication::processEvents();
    QWidget* columns = host.WidgetOf(*window.comboColumns);
    QWidget* rows = host.WidgetOf(*window.comboRows);
    ASSERT_TRUE(columns && rows && columns->isVisible());
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_R, Qt::AltModifier);
    EXPECT_TRUE(rows->hasFocus());
    EXPECT_EQ(window.ActiveControl(), &*window.comboRows);
    QTest::keyClick(rows, Qt::Key_C, Qt::AltModifier);
    EXPECT_TRUE(columns->hasFocus());
    EXPECT_EQ(window.ActiveControl(), &*window.comboColumns);
}

// Tab round the window opened from View > Models stops only where a person sees the focus:
// on the widget of the control the runtime moved it to, inside the window.
TEST_F(ModelWindowOnScreen, TabStopsOnlyInsideTheWindow) {
    zomel::MainForm->SSBars->ClickTool("id_ViewModels");
    zomel::frmModelNum& window = forms::Instance<zomel::frmModelNum>();
    window.ControlAs<forms::Menu>("mnuBuild").Click();
    qtview::FormWindow& shown = *host.WindowOf(window);
    shown.activateWindow();
    QApplication::setActiveWindow(&shown);
    QApplication::processEvents();
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    const QRect inside = shown.rect();
    EXPECT_TRUE(inside.contains(QApplication::focusWidget()->mapTo(&shown, QPoint(0, 0))));
    QWidget* first = nullptr;
    int stops = 0;
    for (; stops <= static_cast<int>(window.Controls().size()); ++stops) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        if (focus == first) break;
        if (!first) first = focus;
        const forms::Control* active = window.ActiveControl();
        ASSERT_NE(active, nullptr);
        EXPECT_EQ(host.WidgetOf(*active), focus) << active->Name();
        const QRect place(focus->mapTo(&shown, QPoint(0, 0)), focus->size());
        EXPECT_TRUE(inside.intersects(place)) << active->Name();
    }
    // The choices' nine groups, two count lists and two buttons.
    EXPECT_EQ(stops, 14);
    // With the meaning shown, the choices' letters reach nothing: Alt+P leaves "DMS Package".
    Click(*window.cmdModelNum);
    Click(*window.cmdSpecs);
    QApplication::processEvents();
    QWidget* meaning = QApplication::focusWidget();
    ASSERT_NE(meaning, nullptr);
    QTest::keyClick(meaning, Qt::Key_P, Qt::AltModifier);
    QTest::qWait(300);
    EXPECT_FALSE(window.optDMSComponents->Value());
    EXPECT_EQ(QApplication::focusWidget(), meaning);
}
