#pragma once

#include <string>
#include <vector>

#include "platform/forms/Control.h"

namespace forms {

// The list of a combo box or list box.  Setting ListIndex raises Click; in a combo box, Text
// follows the chosen entry.
class ListControl : public Control {
public:
    using Control::Control;
    bool TakesFocus() const override { return true; }

    vb::Integer ListCount() const { return static_cast<vb::Integer>(items_.size()); }
    // -1 when nothing is chosen.
    vb::Integer ListIndex() const { return listIndex_; }
    void SetListIndex(vb::Integer index);
    // Entry `index` (0-based); "" past the end, as the runtime reads it.
    std::string List(vb::Integer index) const;
    void SetList(vb::Integer index, const std::string& text);
    vb::Long ItemData(vb::Integer index) const;
    void SetItemData(vb::Integer index, vb::Long data);
    // Adds an entry at the end, or at `index`; a Sorted list places it in order.  A list holds
    // as many entries as ListCount can count: one more raises error 7.
    void AddItem(const std::string& text, vb::Integer index = -1);
    void RemoveItem(vb::Integer index);
    void Clear();

    std::string Text() const;
    void SetText(const std::string& text);

    static const PropertyTable& Table();
    const PropertyTable& Properties() const override { return Table(); }

protected:
    void LoadItems(std::string_view key, const nlohmann::json& items) override;

private:
    struct Entry {
        std::string text;
        vb::Long data = 0;
    };
    void CheckIndex(vb::Integer index) const;

    std::vector<Entry> items_;
    vb::Integer listIndex_ = -1;
    std::string text_;  // the edit part of a combo box
};

class ComboBox : public ListControl {
public:
    using ListControl::ListControl;
    // A person opens the list (its arrow, Alt+Down): the focus comes here first, then
    // DropDown, so that a handler refilling the list is seen in the list that opens.  False
    // when the focus stayed where it was, and the list stays shut.
    bool OpenListByPerson();
    static const PropertyTable& Table();
    const PropertyTable& Properties() const override { return Table(); }
};

class ListBox : public ListControl {
public:
    using ListControl::ListControl;
    static const PropertyTable& Table();
    const PropertyTable& Properties() const override { return Table(); }
};

}  // namespace forms
