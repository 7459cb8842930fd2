#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/forms/HeadlessHost.h"
#include "platform/forms/UserControl.h"
#include "platform/gdi/Picture.h"
#include "signctl/SignOcx.h"

// A container for one control: it records what the control tells it and sizes it.
class RecordingSite : public forms::ControlSite {
public:
    void SurfaceChanged() override {
        ++repaints;
        if (onRepaint) onRepaint();
    }
    void ExtentChanged(vb::Single width, vb::Single height) override {
        extents.push_back({width, height});
    }
    void PropertyChanged(std::string_view name) override { notices.emplace_back(name); }
    forms::FontRef AmbientFont() const override { return ambient; }

    int repaints = 0;
    std::function<void()> onRepaint;
    std::vector<std::pair<vb::Single, vb::Single>> extents;
    std::vector<std::string> notices;
    forms::FontRef ambient = std::make_shared<forms::StdFont>();
};

// A new control on the headless host, as a container places it.
class SignTest : public ::testing::Test {
protected:
    SignTest() {
        forms::SetHost(&host);
        sign->SetSite(&site);
        sign->InitNew();
    }
    ~SignTest() override {
        sign.reset();
        forms::SetHost(nullptr);
    }

    // A frame from rows of text: '#' pure white (lit), anything else dark.
    static gdi::PictureRef Frame(const std::vector<std::string>& rows) {
        gdi::Bitmap image(static_cast<int>(rows.at(0).size()), static_cast<int>(rows.size()));
        for (int y = 0; y < image.Height(); ++y)
            for (int x = 0; x < image.Width(); ++x)
                image.Set(x, y,
                          rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == '#'
                              ? gdi::kWhite
                              : gdi::Rgb(40, 40, 40));
        return std::make_shared<gdi::Picture>(std::move(image));
    }
    static gdi::PictureRef Blank(int width, int height) {
        return std::make_shared<gdi::Picture>(gdi::Bitmap(width, height));
    }

    bool AddFrame(const gdi::PictureRef& picture, const std::string& name) {
        vb::Variant frame = vb::ToVariant(picture);
        vb::Variant key = name;
        return sign->AddBMPFrame(frame, key);
    }
    vb::Variant Get(const char* name) { return com::Get(*sign, name); }
    void Put(const char* name, vb::Variant value) { com::Put(*sign, name, std::move(value)); }

    forms::HeadlessHost host;
    RecordingSite site;
    std::shared_ptr<veldo::SignOcx> sign = std::make_shared<veldo::SignOcx>();
};
