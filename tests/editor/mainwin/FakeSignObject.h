#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/com/Dispatch.h"
#include "platform/forms/Control.h"
#include "platform/forms/ControlFactory.h"

// Stands in for the display control in window descriptions ("SignObject"): it keeps the
// properties set by name and records every late-bound put and call, so that a test sees
// what the main window asked of the control.
class FakeSignObject : public forms::Control, public com::Dispatch {
public:
    using forms::Control::Control;

    std::vector<std::string> calls;  // "ClearSign", "PixPerSegX=12", ...
    std::map<std::string, vb::Variant> members;

    vb::Variant Member(const std::string& name) const {
        auto it = members.find(name);
        return it == members.end() ? vb::Variant() : it->second;
    }

    com::DispId IdOfName(std::string_view name) const override {
        for (size_t i = 0; i < names_.size(); ++i)
            if (names_[i] == name) return static_cast<com::DispId>(i + 1);
        names_.emplace_back(name);
        return static_cast<com::DispId>(names_.size());
    }

    vb::Variant Invoke(com::DispId id, com::InvokeKind kind, com::Args& args) override {
        const std::string& name = names_.at(static_cast<size_t>(id - 1));
        switch (kind) {
            case com::InvokeKind::PropertyGet:
                return Member(name);
            case com::InvokeKind::PropertyPut:
            case com::InvokeKind::PropertyPutRef:
                members[name] = args.back();
                calls.push_back(name + "=" + args.back().ToString());
                return {};
            case com::InvokeKind::Method:
                calls.push_back(name);
                return vb::Variant(vb::True);
        }
        return {};
    }

    static const forms::PropertyTable& Table() {
        static const forms::PropertyTable table = [] {
            forms::PropertyTable t(&Control::Table());
            t.Stored("ClassId", "");
            return t;
        }();
        return table;
    }
    const forms::PropertyTable& Properties() const override { return Table(); }

    static void Register() {
        forms::RegisterControlType(
            "SignObject", [](forms::Form& form, const std::string& name, vb::Integer index) {
                return std::make_unique<FakeSignObject>(form, "SignObject", name, index);
            });
    }

private:
    mutable std::vector<std::string> names_;
};
