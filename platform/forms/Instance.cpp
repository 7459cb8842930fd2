#include "platform/forms/Instance.h"

#include <algorithm>

#include "platform/vb/Error.h"
#include "platform/vb/HandledErrors.h"

namespace forms {
namespace {

struct Entry {
    std::type_index type;
    std::unique_ptr<Form> form;
};

std::vector<Entry>& Registry() {
    static std::vector<Entry> registry;
    return registry;
}

}  // namespace

Form& detail::InstanceOf(std::type_index type, const std::function<std::unique_ptr<Form>()>& make) {
    auto& registry = Registry();
    auto it = std::find_if(registry.begin(), registry.end(),
                           [&](const Entry& e) { return e.type == type; });
    if (it != registry.end()) return *it->form;
    auto form = make();
    Form& made = *form;
    registry.push_back(Entry{type, std::move(form)});
    return made;
}

std::vector<Form*> LoadedForms() {
    std::vector<Form*> loaded;
    for (const Entry& e : Registry())
        if (e.form->IsLoaded()) loaded.push_back(e.form.get());
    return loaded;
}

void ResetInstances() {
    auto& registry = Registry();
    // Unload handlers may touch other windows, which can add entries: index, don't iterate.
    for (size_t i = registry.size(); i-- > 0;) {
        Form& form = *registry[i].form;
        // Nothing is left to handle an error here, at the end of the run: it is logged and the
        // other windows still go.
        try {
            if (form.IsLoaded() && !form.Unload(vbAppWindows)) form.Hide();
        } catch (...) {
            vb::ErrObject pending = vb::Err();
            vb::CaptureCurrentException();
            vb::ReportHandled("Unload " + form.Name(), vb::Err().Number, vb::Err().Description);
            vb::Err() = pending;
        }
    }
    registry.clear();
}

}  // namespace forms
