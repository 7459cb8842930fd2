#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "core/Catalogue.h"
#include "core/Globals.h"
#include "core/Sign.h"
#include "core/mapParts.h"
#include "editor/MessageRaster.h"
#include "editor/frmMain.h"
#include "platform/com/ServerLibrary.h"
#include "platform/forms/HeadlessHost.h"
#include "platform/forms/HostedControl.h"
#include "platform/forms/Instance.h"
#include "platform/forms/Interaction.h"
#include "tests/support/FreshRun.h"
#include "tests/support/TestEnvironment.h"

// A fresh run with the main window loaded on the headless host and the display control
// registered, and a person's ways of using it.
class RoadTest : public ::testing::Test {
protected:
    void SetUp() override {
        run_ = std::make_unique<FreshRun>(host);
        FreshRun::StartSign().Load();
        host.ClearMessages();
    }
    void TearDown() override { run_.reset(); }

    zomel::frmMain& Main() { return *zomel::MainForm; }
    zomel::Sign& TheSign() { return *zomel::gSign; }
    forms::HostedControl& Display() { return Main().ControlAs<forms::HostedControl>("ViewSign"); }
    vb::Integer DisplayNumber(const char* member) { return Display().Get(member).ToInteger(); }
    vb::Single Zoom() { return Display().Get("Zoom").ToSingle(); }
    // The frame on show: the display holds exactly one.
    gdi::PictureRef Frame() {
        if (Display().Get("FrameCount").ToInteger() != 1) return nullptr;
        return std::dynamic_pointer_cast<gdi::Picture>(
            Display().Call("GetFrame", {vb::Variant(vb::Integer{1})}).ToObject());
    }
    // Pixels of the lit colour on the display's drawn surface.
    int LitPixels() {
        const gdi::Bitmap* surface = Display().Surface();
        const auto lit = static_cast<gdi::Color>(Display().Get("LEDOnColor").ToLong());
        int count = 0;
        for (int y = 0; surface && y < surface->Height(); ++y)
            for (int x = 0; x < surface->Width(); ++x)
                count += surface->At(x, y) == lit;
        return count;
    }

    void Type(int line, const std::string& text) {
        Main().txtZomelText(static_cast<vb::Integer>(line)).SetText(text);
    }
    void Click(const std::string& tool) { Main().SSBars->ClickTool(tool); }
    // Gives `line` the focus and clicks the alignment tool, as a person does.
    void Align(int line, vb::Integer align) {
        static const char* const tools[] = {"id_FormatLeft", "id_FormatRight", "id_FormatCenter"};
        Main().txtZomelText_GotFocus(static_cast<vb::Integer>(line));
        Click(tools[align]);
    }
    std::string Panel(int index) {
        return Main().sbStatusBar->Panels()(index).Get("Text").ToString();
    }
    bool LineShown(int line) {
        return Main().txtZomelText(static_cast<vb::Integer>(line)).Visible();
    }
    std::vector<std::string> Prompts() const { return host.MessagePrompts(); }

    // The frame the display shows, as rows ("." unlit, "#" lit), cut to `width` by `height`
    // (all of it when 0).
    std::vector<std::string> FrameRows(int width = 0, int height = 0) {
        std::vector<std::string> rows;
        const gdi::PictureRef frame = Frame();
        if (!frame) return rows;
        const gdi::Bitmap& image = frame->Image();
        if (width == 0) width = image.Width();
        if (height == 0) height = image.Height();
        for (int y = 0; y < height; ++y) {
            std::string row;
            for (int x = 0; x < width; ++x)
                row += image.Contains(x, y) && image.At(x, y) == gdi::kWhite ? '#' : '.';
            rows.push_back(row);
        }
        return rows;
    }
    static int Lit(const std::vector<std::string>& rows) {
        int lit = 0;
        for (const auto& row : rows)
            lit += static_cast<int>(std::count(row.begin(), row.end(), '#'));
        return lit;
    }

    // The same text drawn independently in the 5x7 LED font at the given places, cut to
    // `width` by `height`.
    struct Placed {
        int x;
        int y;
        std::string text;
    };
    static std::vector<std::string> Expected(int width, int height,
                                             const std::vector<Placed>& lines) {
        gdi::Bitmap image(width, height);
        gdi::DeviceContext dc(image);
        zomel::RasterWork work;
        zomel::MessageRaster raster(dc, work);
        zomel::LineFormat format;
        format.FontName = "VELDO 5x7";
        raster.SetFont(format);
        for (const auto& line : lines)
            raster.Draw(line.x, line.y, line.text);
        std::vector<std::string> rows;
        for (int y = 0; y < height; ++y) {
            std::string row;
            for (int x = 0; x < width; ++x)
                row += image.At(x, y) == gdi::kWhite ? '#' : '.';
            rows.push_back(row);
        }
        return rows;
    }

    TestEnvironment env;
    forms::HeadlessHost host;

private:
    std::unique_ptr<FreshRun> run_;
};
