#pragma once

#include <string>

#include "core/ProgramForm.h"
#include "platform/forms/ListView.h"
#include "platform/forms/Ref.h"

namespace zomel {

struct OptionRecord;

// "ZOMEL Sign Components List": every base part and option of the catalogue that fits the
// module generation in use, with its part number and price, sorted by description or part
// number.  Shift+Ctrl+Alt+P prints it.
class frmComponents : public ProgramForm {
public:
    frmComponents();

    forms::Ref<forms::ListView> lvComp{*this, "lvComp"};

    void FillComponents();
    void lvComp_ColumnClick(const forms::Item& ColumnHeader);
    void PrintComponents();

protected:
    void Window_Load() override;
    void Window_KeyUp(vb::Integer& KeyCode, vb::Integer& Shift) override;
    void Form_Resize() override;

private:
    void AddComponent(const OptionRecord& row, vb::Long n);
    void MeasureColumns();
    void FitColumns();
    vb::Single HeaderRoom(vb::Long textId, bool sorts) const;
    vb::Single WidestCell(vb::Long column) const;

    std::string AscendingText;
    std::string DescendingText;
    // What each column's texts need, measured once the list is filled: a resize only shares
    // out the width.
    vb::Single descriptionRoom_ = 0;
    vb::Single partRoom_ = 0;
    vb::Single priceRoom_ = 0;
};

}  // namespace zomel
