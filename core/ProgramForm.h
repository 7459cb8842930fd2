#pragma once

#include <string>

#include "platform/forms/Form.h"
#include "platform/vb/Types.h"

namespace zomel {

// A window of the program.  Its entry and exit are traced and F12 shows its number, under the
// label and caption id that the program's window table gives its name; a window adds its own
// handling in the Window_ handlers, which run after the entry trace, before the exit trace and
// after the F12 check.
class ProgramForm : public forms::Form {
public:
    // The window table's label and caption id of `name`; error 5 for a window not in it.
    struct Identity {
        const char* label;
        vb::Long captionId;
    };
    static Identity IdentityOf(std::string_view name);

    const char* TraceLabel() const { return identity_.label; }
    vb::Long CaptionId() const { return identity_.captionId; }

protected:
    explicit ProgramForm(std::string name);

    virtual void Window_Load() {}
    virtual void Window_Unload(vb::Integer& Cancel) { (void)Cancel; }
    virtual void Window_KeyUp(vb::Integer& KeyCode, vb::Integer& Shift) {
        (void)KeyCode;
        (void)Shift;
    }

    // For a window whose load or unload traces as one step among its own (the main window).
    void TraceEntry() const;
    void TraceExit() const;

    void Form_Load() override;
    void Form_Unload(vb::Integer& Cancel) override;
    void Form_KeyUp(vb::Integer& KeyCode, vb::Integer& Shift) override;

private:
    Identity identity_;
};

}  // namespace zomel
