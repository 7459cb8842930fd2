#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/forms/PropertyTable.h"
#include "platform/vb/Variant.h"

namespace forms {

// An object whose properties can be read and set by name at run time.  Properties that need
// no behaviour live in a bag; a name the type does not have raises error 438, which callers
// may pass over.
class PropertyObject : public vb::Object {
public:
    vb::Variant Get(std::string_view name) const;
    void Let(std::string_view name, const vb::Variant& value);
    bool HasProperty(std::string_view name) const { return Properties().Find(name) != nullptr; }

    virtual const PropertyTable& Properties() const = 0;

    // The bag, for properties declared Stored (and any other name kept there).
    const vb::Variant& StoredValue(std::string_view name) const;
    void SetStoredValue(std::string_view name, const vb::Variant& value);
    // Every stored property back to its default.
    void ClearStoredValues();

protected:
    // Every property change ends here, so that a view can follow the model.
    virtual void PropertyChanged(std::string_view name) { (void)name; }

private:
    void SetSlot(const PropertyTable::Entry& entry, const vb::Variant& value);

    std::vector<vb::Variant> slots_;  // by the table's slot; empty holds the default
    std::unordered_map<std::string, vb::Variant> others_;  // names the table does not store
};

}  // namespace forms
