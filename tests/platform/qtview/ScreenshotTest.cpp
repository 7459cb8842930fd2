#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <cstdio>

#include "platform/forms/ControlFactory.h"
#include "platform/forms/TextBox.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/qtview/SurfaceView.h"
#include "tests/platform/qtview/QtFixture.h"
#include "tests/platform/qtview/RepaintClock.h"

using namespace forms;

namespace {

constexpr int kPitch = 4;  // pixels from one LED to the next
constexpr int kLed = 3;    // an LED's side in pixels
constexpr gdi::Color kLit = gdi::Rgb(255, 176, 0);
constexpr gdi::Color kDark = gdi::Rgb(40, 40, 40);

// A small sign preview drawn by its owner, as the display control draws: the message is laid
// out one pixel per LED, and every LED becomes a dot on the surface.
class TestPreview : public Control {
public:
    using Control::Control;

    const gdi::Bitmap& Surface() const { return surface_; }
    const gdi::Bitmap& Raster() const { return raster_; }

    void ShowMessage(const std::string& text) {
        raster_ = gdi::Bitmap(48, 12, gdi::kBlack);
        gdi::DeviceContext dc(raster_);
        dc.SelectObject(gdi::Font{"DejaVu Sans", 7});
        dc.SetTextColor(gdi::kWhite);
        dc.TextOutA(1, 0, text);
        surface_ = gdi::Bitmap(raster_.Width() * kPitch, raster_.Height() * kPitch, gdi::kBlack);
        for (int y = 0; y < raster_.Height(); ++y)
            for (int x = 0; x < raster_.Width(); ++x)
                surface_.Fill({x * kPitch, y * kPitch, x * kPitch + kLed, y * kPitch + kLed},
                              raster_.At(x, y) != gdi::kBlack ? kLit : kDark);
        PropertyChanged("Image");
    }

    static const PropertyTable& Table() {
        static const PropertyTable table(&Control::Table());
        return table;
    }
    const PropertyTable& Properties() const override { return Table(); }

private:
    gdi::Bitmap raster_;
    gdi::Bitmap surface_;
};

class SignWindow : public Form {
public:
    SignWindow() : Form("frmSign") {
        On("txtZomelText", "Change", [this](Control& line, EventArgs&) {
            ControlAs<TestPreview>("ViewSign").ShowMessage(static_cast<TextBox&>(line).Text());
        });
    }
};

const char* kSignWindow = R"({
  "Name": "frmSign", "Caption": "Sign", "Left": 0, "Top": 0, "Width": 3720, "Height": 2400,
  "Controls": [
    { "Type": "TextBox", "Name": "txtZomelText", "Index": 0, "Left": 120, "Top": 120,
      "Width": 2400, "Height": 315 },
    { "Type": "Label", "Name": "lblWarn", "Left": 2640, "Top": 120, "Width": 840,
      "Height": 315, "Caption": "WW", "ForeColor": 255, "BackColor": 16777215,
      "Font": { "Name": "DejaVu Sans", "Size": 12, "Bold": true } },
    { "Type": "TestPreview", "Name": "ViewSign", "Left": 120, "Top": 600, "Width": 2880,
      "Height": 720 }
  ]
})";

QRgb ToQRgb(gdi::Color color) {
    return qRgb(gdi::Red(color), gdi::Green(color), gdi::Blue(color));
}

}  // namespace

class Screenshot : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterControlType("TestPreview", [](Form& p, const std::string& n, vb::Integer i) {
            return std::unique_ptr<Control>(new TestPreview(p, "TestPreview", n, i));
        });
        qtview::RegisterSurfaceType(
            "TestPreview", [](Control& c) { return &static_cast<TestPreview&>(c).Surface(); });
        fx.Describe("frmSign", kSignWindow);
        fx.ShowActive(window);
        preview = &window.ControlAs<TestPreview>("ViewSign");
        edit = &fx.WidgetOf<QLineEdit>(window.ControlNamed("txtZomelText", 0));
        edit->setFocus();
    }

    QtFixture fx;
    SignWindow& window = Instance<SignWindow>();
    TestPreview* preview = nullptr;
    QLineEdit* edit = nullptr;
};

TEST_F(Screenshot, ThePreviewShowsTheLitLedsWhereTheSignHasThem) {
    QTest::keyClicks(edit, "HI 42");
    qtview::FormWindow& screen = fx.WindowOf(window);
    QImage shot = screen.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QDir().mkpath(ZOMEL_ARTIFACT_DIR);
    EXPECT_TRUE(shot.save(QStringLiteral(ZOMEL_ARTIFACT_DIR "/qtview-sign-window.png")));

    QPoint origin = fx.host.WidgetOf(*preview)->mapTo(&screen, QPoint(0, 0));
    const gdi::Bitmap& raster = preview->Raster();
    int lit = 0;
    for (int y = 0; y < raster.Height(); ++y) {
        for (int x = 0; x < raster.Width(); ++x) {
            bool on = raster.At(x, y) != gdi::kBlack;
            lit += on;
            QPoint led = origin + QPoint(x * kPitch + 1, y * kPitch + 1);
            ASSERT_EQ(shot.pixel(led), ToQRgb(on ? kLit : kDark)) << "LED " << x << "," << y;
            // The gap between LEDs stays dark.
            ASSERT_EQ(shot.pixel(led + QPoint(kLed - 1, kLed - 1)), qRgb(0, 0, 0));
        }
    }
    EXPECT_GT(lit, 20);  // the message lit a fair share of the sign

    // The label shows its red text on white inside its box, and nothing outside it.
    QRect box(fx.host.WidgetOf(window.ControlNamed("lblWarn"))->mapTo(&screen, QPoint(0, 0)),
              QSize(56, 21));
    int red = 0;
    int white = 0;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            red += shot.pixel(x, y) == qRgb(255, 0, 0);
            white += shot.pixel(x, y) == qRgb(255, 255, 255);
        }
    }
    EXPECT_GT(red, 30);
    EXPECT_GT(white, box.width() * box.height() / 2);
}

TEST_F(Screenshot, AKeystrokeRepaintsThePreviewWithinOneFrame) {
    // Time from the key to the preview's paint, the way a person sees it.
    QWidget* surface = fx.host.WidgetOf(*preview);
    const std::string message = "SLOW DOWN";
    std::vector<double> millis = RepaintClock(*surface).Type(*edit, message);
    ASSERT_EQ(millis.size(), message.size()) << "the preview was not repainted";
    double median = millis[millis.size() / 2];
    std::printf("keystroke to preview repaint: median %.2f ms, worst %.2f ms over %zu keys\n",
                median, millis.back(), millis.size());
    RecordProperty("median_ms", std::to_string(median));
    EXPECT_LT(median, 16.0);
    EXPECT_EQ(window.ControlAs<TextBox>("txtZomelText", 0).Text(), message);
}
