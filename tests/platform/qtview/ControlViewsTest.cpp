#include <gtest/gtest.h>

#include <algorithm>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>

#include "platform/forms/BasicControls.h"
#include "platform/forms/CheckBox.h"
#include "platform/forms/ItemControls.h"
#include "platform/forms/ListControl.h"
#include "platform/forms/TextBox.h"
#include "tests/platform/qtview/QtFixture.h"
#include "tests/platform/qtview/ViewWindows.h"

using namespace forms;

class ControlViews : public ::testing::Test {
protected:
    void SetUp() override {
        fx.Describe("frmView", kViewWindow);
        fx.ShowActive(window);
        window.events.clear();
        line = &window.ControlAs<TextBox>("txtLine", 0);
    }
    using Events = std::vector<std::string>;

    QtFixture fx;
    ViewWindow& window = Instance<ViewWindow>();
    TextBox* line = nullptr;
};

TEST_F(ControlViews, WidgetsSitAtTheControlsPlacesInPixels) {
    EXPECT_EQ(fx.WidgetOf<QLineEdit>(*line).geometry(), QRect(8, 8, 200, 21));
    // Option buttons sit in their frame, at their place inside it.
    auto& option = fx.WidgetOf<QRadioButton>(window.ControlNamed("optUnit", 1));
    EXPECT_EQ(option.parentWidget(), &fx.WidgetOf<QGroupBox>(window.ControlNamed("fraUnit")));
    EXPECT_EQ(option.geometry(), QRect(8, 47, 100, 19));
    // Moving from code moves the widget; the status bar spans the bottom of the window.
    line->Move(300, 150, 1500, 300);
    EXPECT_EQ(fx.WidgetOf<QLineEdit>(*line).geometry(), QRect(20, 10, 100, 20));
    QWidget* status = fx.host.WidgetOf(window.ControlNamed("sbStatusBar"));
    QWidget* client = fx.WindowOf(window).Client();
    EXPECT_EQ(status->geometry(), QRect(0, client->height() - 21, client->width(), 21));
}

TEST_F(ControlViews, FramesDrawTheirLineAndCaptionWithoutAStyleSheet) {
    auto& frame = window.ControlNamed("fraUnit");
    auto& box = fx.WidgetOf<QGroupBox>(frame);
    // A style sheet would send the box and every control in it down Qt's slow styling path.
    EXPECT_FALSE(box.testAttribute(Qt::WA_StyleSheet));
    EXPECT_FALSE(fx.WidgetOf<QRadioButton>(window.ControlNamed("optUnit", 0))
                     .testAttribute(Qt::WA_StyleSheet));
    const int middle = box.height() / 2;
    auto lineShows = [&] {
        QImage shot = box.grab().toImage();
        QRgb inside = shot.pixel(box.width() - 8, middle);
        for (int x = 0; x < 3; ++x)
            if (shot.pixel(x, middle) != inside) return true;
        return false;
    };
    EXPECT_TRUE(lineShows());
    // The caption stands in from the edge, clear of the line's corner.
    QImage shot = box.grab().toImage();
    int firstInk = shot.width();
    for (int y = 0; y < box.fontMetrics().height(); ++y)
        for (int x = 0; x < firstInk; ++x)
            if (qGray(shot.pixel(x, y)) < 128) firstInk = x;
    EXPECT_GE(firstInk, 6);
    EXPECT_LT(firstInk, 12);
    // A frame without a border draws no line.
    frame.Let("BorderStyle", vb::Integer{0});
    EXPECT_FALSE(lineShows());
    frame.Let("BorderStyle", vb::Integer{1});
    EXPECT_TRUE(lineShows());
}

TEST_F(ControlViews, TypingSetsTextAndRaisesEventsInTheRuntimesOrder) {
    QLineEdit& edit = fx.WidgetOf<QLineEdit>(*line);
    edit.setFocus();
    QTest::keyClicks(&edit, "AB");
    EXPECT_EQ(line->Text(), "AB");
    EXPECT_EQ(line->SelStart(), 2);
    EXPECT_EQ(window.events,
              (Events{"Form_KeyDown 65", "txtLine_KeyDown(0) 65", "Form_KeyPress 65",
                      "txtLine_KeyPress(0) 65", "txtLine_Change(0) A", "Form_KeyUp 65 0",
                      "txtLine_KeyUp(0) 65", "Form_KeyDown 66", "txtLine_KeyDown(0) 66",
                      "Form_KeyPress 66", "txtLine_KeyPress(0) 66", "txtLine_Change(0) AB",
                      "Form_KeyUp 66 0", "txtLine_KeyUp(0) 66"}));
    // The box's MaxLength holds for typing as for code.
    QTest::keyClicks(&edit, "CDEFGHIJ");
    EXPECT_EQ(line->Text(), "ABCDEFGH");
    EXPECT_EQ(edit.text(), "ABCDEFGH");
}

TEST_F(ControlViews, TextFromCodeReachesTheWidgetWithoutASecondChange) {
    QLineEdit& edit = fx.WidgetOf<QLineEdit>(*line);
    line->SetText("SLOW");
    EXPECT_EQ(edit.text(), "SLOW");
    EXPECT_EQ(window.events, (Events{"txtLine_Change(0) SLOW"}));
    // A selection from code shows in the widget; a person's selection reaches the model.
    line->SetSelStart(1);
    line->SetSelLength(2);
    EXPECT_EQ(edit.selectedText(), "LO");
    edit.setSelection(2, 2);
    EXPECT_EQ(line->SelStart(), 2);
    EXPECT_EQ(line->SelText(), "OW");
}

TEST_F(ControlViews, EditingInTheMiddleKeepsTheCaret) {
    QLineEdit& edit = fx.WidgetOf<QLineEdit>(*line);
    edit.setFocus();
    line->SetText("AC");
    edit.setCursorPosition(1);
    QTest::keyClick(&edit, 'B');
    EXPECT_EQ(line->Text(),
              "AB"
              "C");
    EXPECT_EQ(edit.cursorPosition(), 2);
    EXPECT_EQ(line->SelStart(), 2);
}

TEST_F(ControlViews, ClicksOnCheckAndOptionButtonsSetValuesAndRaiseClick) {
    auto& check = window.ControlAs<CheckBox>("chkHigh");
    QCheckBox& box = fx.WidgetOf<QCheckBox>(check);
    // A person clicks the box itself.
    auto clickBox = [](QWidget& w) {
        QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(6, w.height() / 2));
    };
    clickBox(box);
    EXPECT_EQ(check.Value(), 1);
    EXPECT_TRUE(box.isChecked());
    check.SetValue(0);
    EXPECT_FALSE(box.isChecked());

    auto& inch = window.ControlAs<OptionButton>("optUnit", 0);
    auto& cm = window.ControlAs<OptionButton>("optUnit", 1);
    clickBox(fx.WidgetOf<QRadioButton>(cm));
    EXPECT_TRUE(cm.Value());
    EXPECT_FALSE(inch.Value());
    EXPECT_FALSE(fx.WidgetOf<QRadioButton>(inch).isChecked());
    // A click on the button already set keeps it set and raises Click again.
    clickBox(fx.WidgetOf<QRadioButton>(cm));
    EXPECT_TRUE(fx.WidgetOf<QRadioButton>(cm).isChecked());
    EXPECT_EQ(window.events,
              (Events{"chkHigh_Click", "chkHigh_Click", "optUnit_Click(1)", "optUnit_Click(1)"}));
}

TEST_F(ControlViews, ChoicesInListsSetListIndex) {
    auto& combo = window.ControlAs<ComboBox>("cbbHigh");
    QComboBox& comboWidget = fx.WidgetOf<QComboBox>(combo);
    comboWidget.setFocus();
    QTest::keyClick(&comboWidget, Qt::Key_Down);
    EXPECT_EQ(combo.ListIndex(), 0);
    QTest::keyClick(&comboWidget, Qt::Key_Down);
    EXPECT_EQ(combo.ListIndex(), 1);
    EXPECT_EQ(combo.Text(), "7");
    // Entries and the choice from code.
    combo.AddItem("11");
    combo.SetListIndex(3);
    EXPECT_EQ(comboWidget.count(), 4);
    EXPECT_EQ(comboWidget.currentText(), "11");
    combo.Clear();
    EXPECT_EQ(comboWidget.count(), 0);

    auto& list = window.ControlAs<ListBox>("lstSigns");
    auto& listWidget = fx.WidgetOf<QListWidget>(list);
    QRect second = listWidget.visualItemRect(listWidget.item(1));
    QTest::mouseClick(listWidget.viewport(), Qt::LeftButton, {}, second.center());
    EXPECT_EQ(list.ListIndex(), 1);
    list.RemoveItem(0);
    EXPECT_EQ(listWidget.count(), 2);
    EXPECT_EQ(listWidget.currentRow(), 0);
    EXPECT_EQ(listWidget.item(0)->text(), "second");
    EXPECT_EQ(window.events,
              (Events{"Form_KeyDown 40", "cbbHigh_Click", "Form_KeyUp 40 0", "Form_KeyDown 40",
                      "cbbHigh_Click", "Form_KeyUp 40 0", "cbbHigh_Click", "lstSigns_Click"}));
}

TEST_F(ControlViews, TabClicksSelectAndRaiseClickEvenOnTheSelectedTab) {
    auto& strip = window.ControlAs<TabStrip>("tabCreate");
    auto* tabs = fx.host.WidgetOf(strip)->findChild<QTabBar*>();
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(1), "By &Model");
    EXPECT_EQ(tabs->tabToolTip(0), "text");
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    EXPECT_EQ(strip.SelectedIndex(), 2);
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    EXPECT_EQ(window.events, (Events{"tabCreate_Click", "tabCreate_Click"}));
    strip.Tabs()(1).Let("Caption", "Create by &Text");
    EXPECT_EQ(tabs->tabText(0), "Create by &Text");
    strip.Select(1);
    EXPECT_EQ(tabs->currentIndex(), 0);
}

TEST_F(ControlViews, EnterClicksTheDefaultButtonOnceAndTheButtonShowsItsFocus) {
    auto& button = window.ControlAs<CommandButton>("cmdShow");
    button.Let("Default", true);
    QPushButton& push = fx.WidgetOf<QPushButton>(button);
    QLineEdit& edit = fx.WidgetOf<QLineEdit>(*line);
    auto clicks = [&] {
        return std::count(window.events.begin(), window.events.end(), "cmdShow_Click");
    };
    edit.setFocus();
    QTest::keyClick(&edit, Qt::Key_Return);
    EXPECT_EQ(clicks(), 1);
    EXPECT_EQ(line->Text(), "");

    // Once the keyboard moves the focus about, the focused button shows it, the default
    // one too; Enter on it clicks it once.
    fx.WindowOf(window).setAttribute(Qt::WA_KeyboardFocusChange);
    const QImage unfocused = push.grab().toImage();
    push.setFocus();
    ASSERT_TRUE(push.hasFocus());
    EXPECT_NE(push.grab().toImage(), unfocused);
    QTest::keyClick(&push, Qt::Key_Return);
    EXPECT_EQ(clicks(), 2);
}

TEST_F(ControlViews, CaptionsStatesAndPanelsFollowTheModel) {
    auto& button = window.ControlAs<CommandButton>("cmdShow");
    QPushButton& push = fx.WidgetOf<QPushButton>(button);
    EXPECT_EQ(push.text(), "Sho&w");
    QTest::mouseClick(&push, Qt::LeftButton);
    button.SetEnabled(false);
    EXPECT_FALSE(push.isEnabled());
    QTest::mouseClick(&push, Qt::LeftButton);  // a disabled button does nothing
    EXPECT_EQ(window.events, (Events{"cmdShow_Click"}));

    auto& warn = window.ControlAs<Label>("lblWarn");
    QLabel& label = fx.WidgetOf<QLabel>(warn);
    EXPECT_EQ(label.text(), "Warn & go");  // the mnemonic mark is not shown on a label
    warn.SetVisible(false);
    EXPECT_TRUE(label.isHidden());
    warn.SetToolTipText("careful");
    EXPECT_EQ(label.toolTip(), "careful");

    auto& status = window.ControlAs<StatusBar>("sbStatusBar");
    QList<QLabel*> panels =
        fx.host.WidgetOf(status)->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(panels.size(), 2);
    status.Panels()(2).Let("Text", "Too wide");
    status.Panels()(2).Let("ToolTipText", "Too wide");
    EXPECT_EQ(panels[1]->text(), "Too wide");
    EXPECT_EQ(panels[1]->toolTip(), "Too wide");
    status.Panels()(2).Let("Visible", false);
    EXPECT_TRUE(panels[1]->isHidden());
    EXPECT_EQ(panels[0]->width(), 100);
}

// A caption longer than its label shows as far as it fits, ending in an ellipsis, and the
// whole of it is the label's tooltip; widened to hold it, the label shows it whole.
TEST_F(ControlViews, ALabelTooNarrowForItsCaptionEndsItInAnEllipsisAndTipsTheWhole) {
    auto& warn = window.ControlAs<Label>("lblWarn");
    QLabel& label = fx.WidgetOf<QLabel>(warn);
    const std::string caption = "Start at 100% end at 100% recharge 7x at 25% on 2, 6, 10, 14";
    warn.SetCaption(caption);
    EXPECT_EQ(label.toolTip().toStdString(), caption);

    // What a person sees: the line as a plain label shows its fitted text.
    QLabel seen;
    seen.setFont(label.font());
    seen.setPalette(label.palette());
    seen.setAutoFillBackground(label.autoFillBackground());
    seen.setAlignment(label.alignment());
    seen.resize(label.size());
    const QString fitted =
        label.fontMetrics().elidedText(label.text(), Qt::ElideRight, label.contentsRect().width());
    ASSERT_TRUE(fitted.endsWith(QChar(0x2026))) << fitted.toStdString();
    seen.setText(fitted);
    EXPECT_EQ(label.grab().toImage(), seen.grab().toImage());

    warn.Move(warn.Left(), warn.Top(), 12000, warn.Height());
    EXPECT_EQ(label.toolTip(), "");
    seen.resize(label.size());
    seen.setText(label.text());
    EXPECT_EQ(label.grab().toImage(), seen.grab().toImage());
}

TEST_F(ControlViews, StatusPanelsKeepTheirPlacesAndShortenWhatDoesNotFit) {
    auto& status = window.ControlAs<StatusBar>("sbStatusBar");
    QWidget& bar = *fx.host.WidgetOf(status);
    QList<QLabel*> panels = bar.findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(panels.size(), 2);
    // The second panel coming and going moves nothing of the first.
    const QRect first = panels[0]->geometry();
    status.Panels()(2).Let("Visible", false);
    EXPECT_EQ(panels[0]->geometry(), first);
    status.Panels()(2).Let("Visible", true);
    EXPECT_EQ(panels[0]->geometry(), first);

    // Whatever a small window leaves under the bar does not show through it.
    EXPECT_TRUE(bar.autoFillBackground());

    // In a narrow window each long text ends in an ellipsis inside its own box.
    status.Panels()(1).Let("Text", "Size: 12 columns by 4 rows of modules");
    status.Panels()(2).Let("Text", "The message is wider than the sign that was held");
    window.Move(window.Left(), window.Top(), 2700, window.Height());
    QApplication::processEvents();
    EXPECT_EQ(panels[0]->geometry(), first);
    EXPECT_LE(panels[0]->geometry().right(), panels[1]->geometry().left());
    EXPECT_LE(panels[1]->geometry().right(), bar.width());
    for (QLabel* panel : panels) {
        EXPECT_TRUE(panel->text().endsWith(QChar(0x2026))) << panel->text().toStdString();
        EXPECT_LE(panel->fontMetrics().horizontalAdvance(panel->text()),
                  panel->contentsRect().width());
    }
}

TEST_F(ControlViews, ArrayElementsLoadedAtRunTimeGetWidgetsAndLoseThem) {
    Control& added = window.LoadArrayElement("txtLine", 1);
    QWidget* widget = fx.host.WidgetOf(added);
    ASSERT_NE(widget, nullptr);
    EXPECT_TRUE(widget->isHidden());  // a new element starts hidden
    added.SetVisible(true);
    EXPECT_FALSE(widget->isHidden());
    QPointer<QWidget> watch(widget);
    window.UnloadArrayElement("txtLine", 1);
    EXPECT_TRUE(watch.isNull());
}
