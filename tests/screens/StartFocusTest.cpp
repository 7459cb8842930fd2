#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTest>
#include <memory>

#include "core/Globals.h"
#include "editor/frmMain.h"
#include "platform/qtview/FormWindow.h"
#include "platform/qtview/QtHost.h"
#include "tests/support/OnScreenRun.h"

namespace {

class StartFocus : public OnScreenRun<> {
protected:
    // The main window of a fresh run, on screen as it comes up.
    zomel::frmMain& ShowMain() {
        zomel::frmMain& main = FreshRun::StartSign();
        main.Load();
        main.Show();
        QApplication::processEvents();
        return main;
    }
};

// Keys typed into the main window as it comes up, without a click, land in the first line.
TEST_F(StartFocus, TypingAtStartReachesTheFirstLine) {
    zomel::frmMain& main = ShowMain();
    QWindow* window = host.WindowOf(main)->windowHandle();
    ASSERT_NE(window, nullptr);
    for (char key : std::string("EXIT"))
        QTest::keyClick(window, key);
    QApplication::processEvents();
    EXPECT_EQ(main.txtZomelText(0).Text(), "EXIT");
    auto* line = qobject_cast<QLineEdit*>(host.WidgetOf(main.txtZomelText(0)));
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->text(), "EXIT");
    EXPECT_EQ(main.ActiveControl(), &main.txtZomelText(0));
}

// A character height set from the keyboard alone: Tab to the line's height bar, an arrow.
TEST_F(StartFocus, TabAndAnArrowSetTheFirstLinesCharacterHeight) {
    zomel::frmMain& main = ShowMain();
    QWidget* line = host.WidgetOf(main.txtZomelText(0));
    QWidget* bar = host.WidgetOf(main.HSLine(0));
    ASSERT_TRUE(line->hasFocus());
    const std::string before = main.LblCharHeight(0).Caption();
    QTest::keyClick(line, Qt::Key_Tab);
    ASSERT_TRUE(bar->hasFocus());
    EXPECT_EQ(main.ActiveControl(), &main.HSLine(0));
    QTest::keyClick(bar, Qt::Key_Right);
    EXPECT_EQ(main.HSLine(0).Value(), 11);
    EXPECT_NE(main.LblCharHeight(0).Caption(), before);
    QTest::keyClick(bar, Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_TRUE(line->hasFocus());
}

// The text page's frame sits at the window's left edge; its caption stands clear of it.
TEST_F(StartFocus, TheTextFramesCaptionStandsClearOfTheWindowEdge) {
    zomel::frmMain& main = ShowMain();
    auto* frame = qobject_cast<QGroupBox*>(host.WidgetOf(main.Frame(1)));
    ASSERT_NE(frame, nullptr);
    ASSERT_FALSE(frame->title().isEmpty());
    QStyleOptionGroupBox option;
    option.initFrom(frame);
    option.text = frame->title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    const QRect caption = frame->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                         QStyle::SC_GroupBoxLabel, frame);
    EXPECT_GE(frame->mapTo(frame->window(), caption.topLeft()).x(), 6);
}

// Alt with a letter that nothing of the window marks types nothing and lays nothing out.
TEST_F(StartFocus, AltWithALetterNoMnemonicMarksTypesNothing) {
    zomel::frmMain& main = ShowMain();
    auto* line = qobject_cast<QLineEdit*>(host.WidgetOf(main.txtZomelText(0)));
    ASSERT_TRUE(line && line->hasFocus());
    QTest::keyClicks(line, "EXIT");
    QTest::keyClick(line, Qt::Key_O, Qt::AltModifier);
    QTest::keyClick(line, Qt::Key_Q, Qt::AltModifier | Qt::ShiftModifier);
    EXPECT_EQ(line->text(), "EXIT");
    EXPECT_EQ(main.txtZomelText(0).Text(), "EXIT");
    EXPECT_TRUE(line->hasFocus());
}

// A tab's letter shows its page and puts the keyboard in the page's first box: Alt+M, then
// typing, fills the model number box.
TEST_F(StartFocus, TheModelTabsLetterPutsTheKeyboardInTheModelNumberBox) {
    zomel::frmMain& main = ShowMain();
    QWidget* line = host.WidgetOf(main.txtZomelText(0));
    auto* model = qobject_cast<QLineEdit*>(host.WidgetOf(*main.txtModel));
    ASSERT_TRUE(line && model && line->hasFocus());
    QTest::keyClick(line, Qt::Key_M, Qt::AltModifier);
    QApplication::processEvents();
    EXPECT_EQ(main.tabCreate->SelectedIndex(), 2);
    EXPECT_TRUE(model->hasFocus());
    EXPECT_EQ(main.ActiveControl(), &*main.txtModel);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_T, Qt::AltModifier);
    QApplication::processEvents();
    EXPECT_EQ(main.tabCreate->SelectedIndex(), 1);
    EXPECT_TRUE(line->hasFocus());
}

}  // namespace
