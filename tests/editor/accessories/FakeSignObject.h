#pragma once

#include <map>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <utility>
#include <vector>

#include "platform/com/Dispatch.h"
#include "platform/forms/Control.h"
#include "platform/forms/ControlFactory.h"
#include "platform/gdi/Picture.h"
#include "platform/vb/Error.h"
#include "platform/vb/Strings.h"

// Stands in for the hosted display control ("SignObject") until the real one is on hand: a
// control that answers by member name, keeps its frames by name and its properties, and
// records every call.
class FakeSignObject : public forms::Control, public com::Dispatch {
public:
    using forms::Control::Control;

    std::vector<std::pair<std::string, gdi::PictureRef>> frames;
    std::map<std::string, vb::Variant> properties{{"ZomelOutline", false},
                                                  {"BackColor", vb::Long{0x000000}},
                                                  {"PixPerSegX", vb::Integer{12}},
                                                  {"PixPerSegY", vb::Integer{8}},
                                                  {"SegSepX", vb::Integer{0}},
                                                  {"SegSepY", vb::Integer{0}},
                                                  {"Zoom", 3.0}};
    std::vector<std::string> calls;

    static void Register() {
        forms::RegisterControlType(
            "SignObject", [](forms::Form& parent, const std::string& name, vb::Integer index) {
                return std::make_unique<FakeSignObject>(parent, "SignObject", name, index);
            });
    }

    // The class id and saved properties are the real control's business.
    void LoadDescription(const nlohmann::json& description) override {
        nlohmann::json extender = description;
        extender.erase("ClassId");
        extender.erase("Properties");
        forms::Control::LoadDescription(extender);
    }

    com::DispId IdOfName(std::string_view name) const override {
        for (size_t i = 0; i < names_.size(); ++i)
            if (vb::TextEquals(names_[i], name)) return static_cast<com::DispId>(i + 1);
        names_.emplace_back(name);
        return static_cast<com::DispId>(names_.size());
    }

    vb::Variant Invoke(com::DispId id, com::InvokeKind kind, com::Args& args) override {
        const std::string name = names_.at(static_cast<size_t>(id - 1));
        calls.push_back(name);
        if (name == "ClearSign") {
            frames.clear();
            return {};
        }
        if (name == "AddBMPFrame") return AddBMPFrame(args);
        if (name == "FrameCount") return vb::Integer(frames.size());
        if (name == "GetFrame") {
            size_t index = static_cast<size_t>(args.at(0).ToLong());
            if (index < 1 || index > frames.size()) vb::Raise(vb::err::InvalidCall);
            return vb::Variant(vb::ObjectRef(frames[index - 1].second));
        }
        if (kind == com::InvokeKind::PropertyPut) {
            properties[name] = args.back();
            return {};
        }
        auto found = properties.find(name);
        if (found == properties.end()) vb::Raise(vb::err::NotSupported);
        return found->second;
    }

    std::vector<std::string> FrameNames() const {
        std::vector<std::string> names;
        for (const auto& frame : frames)
            names.push_back(frame.first);
        return names;
    }

private:
    vb::Variant AddBMPFrame(com::Args& args) {
        auto picture = args.at(0).As<gdi::Picture>();
        std::string name = args.at(1).ToString();
        for (const auto& frame : frames)
            if (vb::TextEquals(frame.first, name)) return false;  // a duplicate name
        frames.emplace_back(name, picture);
        return true;
    }

    mutable std::vector<std::string> names_;
};
