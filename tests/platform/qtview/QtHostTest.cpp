#include <gtest/gtest.h>

#include <sys/resource.h>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "platform/forms/BasicControls.h"
#include "platform/forms/ControlFactory.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/TextBox.h"
#include "platform/gdi/FontRegistry.h"
#include "tests/platform/qtview/QtFixture.h"
#include "tests/platform/qtview/ViewWindows.h"

using namespace forms;

namespace {

// Acts on the next modal widget of type W once it is up (a person answering a dialog).
template <class W>
void WhenModal(std::function<void(W&)> act) {
    QTimer::singleShot(0, [act] {
        auto* modal = qobject_cast<W*>(QApplication::activeModalWidget());
        if (modal) {
            act(*modal);
        } else {
            ADD_FAILURE() << "no modal dialog of the expected kind";
            if (QWidget* other = QApplication::activeModalWidget()) other->close();
        }
    });
}

// Whether the box shows all of its text: nothing cut off at its right edge or bottom.
bool ShowsAllOf(const QLabel& label) {
    const QRect room = label.contentsRect();
    if (label.wordWrap()) return label.heightForWidth(label.width()) <= label.height();
    static const QRegularExpression kLineEnd(QStringLiteral("\r\n|\r|\n"));
    for (const QString& line : label.text().split(kLineEnd))
        if (label.fontMetrics().horizontalAdvance(line) > room.width()) return false;
    return true;
}

}  // namespace

class QtHostWindows : public ::testing::Test {
protected:
    void SetUp() override {
        fx.Describe("frmView", kViewWindow);
        fx.Describe("frmDialog", kDialogWindow);
    }
    QtFixture fx;
    ViewWindow& window = Instance<ViewWindow>();
    DialogWindow& dialog = Instance<DialogWindow>();
};

TEST_F(QtHostWindows, MessageBoxesAreRealDialogsWithTheRuntimesAnswers) {
    std::string seen;
    WhenModal<QMessageBox>([&](QMessageBox& box) {
        seen = box.windowTitle().toStdString() + "|" + box.text().toStdString();
        EXPECT_EQ(box.icon(), QMessageBox::Question);
        EXPECT_EQ(box.standardButtons(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        EXPECT_EQ(static_cast<QAbstractButton*>(box.defaultButton()), box.button(QMessageBox::No));
        box.button(QMessageBox::Cancel)->click();
    });
    int answer = MsgBox("Save?", vbYesNoCancel | vbQuestion | vbDefaultButton2, "Sign");
    EXPECT_EQ(seen, "Sign|Save?");
    EXPECT_EQ(answer, vbCancel);

    WhenModal<QMessageBox>([](QMessageBox& box) {
        EXPECT_EQ(box.icon(), QMessageBox::Critical);
        QTest::keyClick(&box, Qt::Key_Escape);  // Escape answers OK in a box with OK alone
    });
    EXPECT_EQ(MsgBox("Broken", vbCritical), vbOK);
}

// A folder named on a line of its own reads as one name: the box is wide enough for it, and
// still shows every other line whole, whether the folder is longer or shorter than they are.
TEST_F(QtHostWindows, AMessageBoxKeepsAPathOnOneLine) {
    const std::string lead = "Some LED block fonts are missing or damaged in the folder:\r";
    const std::string tail =
        "\r\rveldo-5x7.bdf (damaged)\r\rUntil VELDO ZOMELBuilder is reinstalled, signs are "
        "sized with another face, so their size and price may be wrong.";
    for (const std::string folder :
         {"/home/maintenance-crew/county-road-department/sign-designs/zomel-builder/fonts",
          "/tmp/app/fonts", "/opt/zb/Documents/ZomelBuilder/Printout 1.pdf"}) {
        SCOPED_TRACE(folder);
        int needed = 0, given = 0;
        bool whole = false;
        WhenModal<QMessageBox>([&](QMessageBox& box) {
            auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            ASSERT_NE(label, nullptr);
            needed = label->fontMetrics().horizontalAdvance(QString::fromStdString(folder));
            given = label->contentsRect().width();
            whole = ShowsAllOf(*label);
            box.button(QMessageBox::Ok)->click();
        });
        MsgBox(lead + folder + tail, vbExclamation);
        EXPECT_GT(needed, 0);
        EXPECT_GE(given, needed);
        EXPECT_TRUE(whole);
    }
    // A printout's message: its first line is longer than the path below it.
    bool whole = false;
    WhenModal<QMessageBox>([&](QMessageBox& box) {
        auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        ASSERT_NE(label, nullptr);
        whole = ShowsAllOf(*label);
        box.button(QMessageBox::Ok)->click();
    });
    MsgBox(
        "No printer is set up on this computer, so the printout was saved as a PDF file:\n"
        "/root/Documents/ZomelBuilder/Printout 1.pdf",
        vbInformation);
    EXPECT_TRUE(whole);
}

TEST_F(QtHostWindows, AModalWindowWaitsUntilItIsHiddenOrClosed) {
    fx.ShowActive(window);
    bool shownWhileWaiting = false;
    QTimer::singleShot(0, [&] {
        shownWhileWaiting =
            fx.host.WindowOf(dialog)->isVisible() && fx.host.WindowOf(dialog)->isModal();
        dialog.Hide();
    });
    dialog.Show(ShowStyle::Modal, &window);
    EXPECT_TRUE(shownWhileWaiting);
    EXPECT_FALSE(dialog.Visible());
    EXPECT_TRUE(dialog.IsLoaded());

    // The close box unloads it, which ends the wait too.
    QTimer::singleShot(0, [&] { fx.host.WindowOf(dialog)->close(); });
    dialog.Show(ShowStyle::Modal, &window);
    EXPECT_FALSE(dialog.IsLoaded());
    EXPECT_EQ(fx.host.WindowOf(dialog), nullptr);
}

TEST_F(QtHostWindows, AWindowLoadedHiddenGetsItsWidgetsWhenFirstShown) {
    auto lines = [] {
        const QWidgetList all = QApplication::allWidgets();
        return std::count_if(all.begin(), all.end(),
                             [](QWidget* widget) { return qobject_cast<QLineEdit*>(widget); });
    };
    const auto before = lines();
    window.Load();
    auto& line = static_cast<TextBox&>(window.ControlNamed("txtLine", 0));
    line.SetText("typed");
    EXPECT_EQ(lines(), before);
    window.Show();
    EXPECT_GT(lines(), before);
    EXPECT_TRUE(fx.WindowOf(window).isVisible());
    EXPECT_EQ(fx.WidgetOf<QLineEdit>(line).text(), "typed");
}

TEST_F(QtHostWindows, TheCloseBoxAsksTheFormWhichMayRefuse) {
    fx.ShowActive(window);
    window.refuseToClose = true;
    fx.WindowOf(window).close();
    EXPECT_EQ(window.closeMode, vbFormControlMenu);
    EXPECT_TRUE(window.IsLoaded());
    EXPECT_TRUE(fx.WindowOf(window).isVisible());
    window.refuseToClose = false;
    QPointer<QWidget> gone = &fx.WindowOf(window);
    gone->close();
    EXPECT_FALSE(window.IsLoaded());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(gone.isNull());
}

TEST_F(QtHostWindows, FocusAndKeyPressFollowThePersonAndTheCode) {
    fx.ShowActive(window);
    Control& line = window.ControlNamed("txtLine", 0);
    auto& edit = fx.WidgetOf<QLineEdit>(line);
    // The window opens with the focus in its first box: the runtime knows it.
    EXPECT_TRUE(edit.hasFocus());
    EXPECT_EQ(window.ActiveControl(), &line);
    EXPECT_EQ(std::count(window.events.begin(), window.events.end(), "txtLine_GotFocus(0)"), 1);
    // A person moves the focus away and back: GotFocus again.
    window.events.clear();
    fx.WidgetOf<QCheckBox>(window.ControlNamed("chkHigh")).setFocus();
    edit.setFocus();
    EXPECT_EQ(window.ActiveControl(), &line);
    EXPECT_EQ(window.events, (std::vector<std::string>{"txtLine_GotFocus(0)"}));
    // Code gives the focus to the box that has it: nothing more happens; Enter is a KeyPress.
    window.events.clear();
    line.SetFocus();
    QTest::keyClick(&edit, Qt::Key_Return);
    EXPECT_EQ(window.events, (std::vector<std::string>{"Form_KeyDown 13", "txtLine_KeyDown(0) 13",
                                                       "Form_KeyPress 13", "txtLine_KeyPress(0) 13",
                                                       "Form_KeyUp 13 0", "txtLine_KeyUp(0) 13"}));
}

TEST_F(QtHostWindows, AKeyWhoseHandlerOpensAMessageBoxReachesTheFormOnce) {
    fx.ShowActive(window);
    // A button lets a key it does not use go on to its window.
    auto& check = fx.WidgetOf<QCheckBox>(window.ControlNamed("chkHigh"));
    check.setFocus();
    window.onKeyUp = [](vb::Integer) {
        WhenModal<QMessageBox>([](QMessageBox& box) {
            // The person answers with a key of its own, at the box's button.
            QApplication::setActiveWindow(&box);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            // The window manager gives the window its focus back only later.
            if (QWidget* focus = QApplication::focusWidget()) focus->clearFocus();
        });
        MsgBox("The picture was saved.");
    };
    window.events.clear();
    QTest::keyRelease(&check, Qt::Key_F2);
    EXPECT_EQ(window.events, (std::vector<std::string>{"Form_KeyUp 113 0"}));
}

TEST_F(QtHostWindows, AWindowMayGoWithTheKeyThatClosesIt) {
    fx.ShowActive(window);
    auto& edit = fx.WidgetOf<QLineEdit>(window.ControlNamed("txtLine", 0));
    edit.setFocus();
    window.onKeyDown = [this](vb::Integer key) {
        if (key == vbKeyEscape) window.Unload();
    };
    QTest::keyClick(&edit, Qt::Key_Escape);
    EXPECT_FALSE(window.IsLoaded());
    EXPECT_EQ(fx.host.WindowOf(window), nullptr);
}

TEST_F(QtHostWindows, ActivationAndKeysReachTheForm) {
    fx.ShowActive(window);
    EXPECT_EQ(window.activations, 1);
    fx.ShowActive(dialog);
    fx.ShowActive(window);
    EXPECT_EQ(window.activations, 2);
    window.events.clear();
    auto& edit = fx.WidgetOf<QLineEdit>(window.ControlNamed("txtLine", 0));
    edit.setFocus();
    QTest::keyClick(&edit, Qt::Key_F12, Qt::ShiftModifier);
    EXPECT_EQ(window.events, (std::vector<std::string>{"Form_KeyDown 16", "txtLine_KeyDown(0) 16",
                                                       "Form_KeyDown 123", "txtLine_KeyDown(0) 123",
                                                       "Form_KeyUp 123 1", "txtLine_KeyUp(0) 123",
                                                       "Form_KeyUp 16 0", "txtLine_KeyUp(0) 16"}));
}

TEST_F(QtHostWindows, TheHourglassIsTheOverrideCursor) {
    Screen().SetMousePointer(vbHourglass);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    Screen().SetMousePointer(vbHourglass);  // set twice, undone once
    Screen().SetMousePointer(vbDefault);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(QtHostWindows, TheFontDialogWritesTheChoiceBack) {
    fx.ShowActive(window);
    auto& fonts = window.ControlAs<CommonDialog>("dlgFont");
    fonts.Let("FontName", "DejaVu Sans");
    fonts.Let("FontSize", 12.0);
    WhenModal<QFontDialog>([](QFontDialog& box) {
        QFont chosen = box.currentFont();
        chosen.setUnderline(true);
        chosen.setPointSize(20);
        box.setCurrentFont(chosen);
        box.accept();
    });
    fonts.ShowFont();
    EXPECT_EQ(fonts.Get("FontName").ToString(), "DejaVu Sans");
    EXPECT_EQ(fonts.Get("FontSize").ToDouble(), 20.0);
    EXPECT_TRUE(fonts.Get("FontUnderline").ToBool());
    EXPECT_FALSE(fonts.Get("FontBold").ToBool());

    WhenModal<QFontDialog>([](QFontDialog& box) { box.reject(); });
    fonts.Let("CancelError", true);
    try {
        fonts.ShowFont();
        ADD_FAILURE() << "Cancel must raise when CancelError is set";
    } catch (const vb::VbError& e) {
        EXPECT_EQ(e.Number(), 32755);
    }
    EXPECT_EQ(fonts.Get("FontSize").ToDouble(), 20.0);
}

TEST_F(QtHostWindows, ThePrinterDialogIsTheDesktopsWithTheChoiceAndCopies) {
    fx.ShowActive(window);
    const std::string file = fx.env.Root() + "Printout 1.pdf";
    forms::PrinterChoice choice{"", file, 1};
    std::string shownFile;
    WhenModal<QPrintDialog>([&](QPrintDialog& box) {
        shownFile = box.printer()->outputFileName().toStdString();
        auto* copies = box.findChild<QSpinBox*>("copies");
        ASSERT_NE(copies, nullptr);
        copies->setValue(2);
        box.accept();
    });
    ASSERT_TRUE(forms::CurrentHost().ShowPrinterDialog("ZOMELBuilder Estimate", choice));
    EXPECT_EQ(shownFile, file);
    EXPECT_EQ(choice, (forms::PrinterChoice{"", file, 2}));

    WhenModal<QPrintDialog>([](QPrintDialog& box) { box.reject(); });
    EXPECT_FALSE(forms::CurrentHost().ShowPrinterDialog("ZOMELBuilder Estimate", choice));
    EXPECT_EQ(choice.copies, 2);
}

TEST_F(QtHostWindows, TheFontDialogOffersTheLedFontsBesideTheInstalledOnes) {
    std::filesystem::copy("fonts", fx.folder + "fonts", std::filesystem::copy_options::recursive);
    gdi::FontRegistry::Instance().SetFontsFolder("");
    fx.ShowActive(window);
    auto& fonts = window.ControlAs<CommonDialog>("dlgFont");
    fonts.Let("FontName", "DejaVu Sans");
    QStringList offered;
    WhenModal<QFontDialog>([&offered](QFontDialog& box) {
        // The families a person can pick from, as the dialog lists them.
        for (QListView* list : box.findChildren<QListView*>())
            for (int row = 0; row < list->model()->rowCount(); ++row)
                offered << list->model()->index(row, 0).data().toString();
        box.setCurrentFont(QFont("VELDO 5x7"));
        box.accept();
    });
    fonts.ShowFont();
    EXPECT_TRUE(offered.contains("DejaVu Sans"));
    for (const char* led : {"VELDO 4x5", "VELDO 5x7", "VELDO 8x12"})
        EXPECT_TRUE(offered.contains(led)) << led;
    EXPECT_EQ(fonts.Get("FontName").ToString(), "VELDO 5x7");
}

namespace {

class TickWindow : public Form {
public:
    TickWindow() : Form("frmTick") {
        On("tmrAnimate", "Timer", [this](Control& timer, EventArgs&) {
            if (++ticks == 3) timer.SetEnabled(false);
        });
    }
    int ticks = 0;
};

}  // namespace

TEST_F(QtHostWindows, TimersRunOnTheEventLoop) {
    fx.Describe("frmTick", R"({ "Name": "frmTick", "Controls": [
        { "Type": "Timer", "Name": "tmrAnimate", "Interval": 5 } ] })");
    auto& ticking = Instance<TickWindow>();
    ticking.Load();
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticking.ticks >= 3; }, 2000));
    QTest::qWait(50);
    EXPECT_EQ(ticking.ticks, 3);  // disabled from its own handler
    ticking.ControlNamed("tmrAnimate").SetEnabled(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticking.ticks > 3; }, 2000));
}

namespace {

// Seconds of processor time this thread has used.
double ThreadSeconds() {
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    const auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

}  // namespace

// A window the desktop does not show (it has not put it there yet, or never will): a refresh
// waits for it asleep, and does not wait at all for a minimised one.
TEST_F(QtHostWindows, ARefreshWaitsForTheDesktopWithoutSpinning) {
    window.Load();
    qtview::FormWindow& shown = fx.WindowOf(window);
    shown.setAttribute(Qt::WA_DontShowOnScreen);
    window.Show();
    QApplication::processEvents();
    ASSERT_TRUE(shown.isVisible());
    ASSERT_FALSE(shown.windowHandle()->isExposed());

    const double before = ThreadSeconds();
    window.Refresh();
    EXPECT_LT(ThreadSeconds() - before, 0.5);

    shown.setWindowState(Qt::WindowMinimized);
    QElapsedTimer clock;
    clock.start();
    window.Refresh();
    EXPECT_LT(clock.elapsed(), 1000);
}
