#pragma once

#include <array>
#include <cstdint>

#include "platform/vb/Types.h"

namespace forms {

// The modifiers each key went down with.  A shortcut typed at speed lets go of its
// modifiers before its key (Ctrl up, then C up), so the key's release on its own comes
// without them; a window that reads its shortcuts on the release hears them as pressed.
class HeldKeys {
public:
    HeldKeys() { Clear(); }
    void Down(vb::Integer keyCode, vb::Integer shift);
    // The shift state the release reports: its own with the one the key went down with.
    // Shift, Ctrl and Alt report their own release as it is.
    vb::Integer Up(vb::Integer keyCode, vb::Integer shift);
    void Clear() { downShift_.fill(kNotHeld); }

private:
    static constexpr std::int8_t kNotHeld = -1;
    static constexpr vb::Integer kKeyCodes = 256;

    static bool Remembered(vb::Integer keyCode);

    std::array<std::int8_t, kKeyCodes> downShift_{};
};

}  // namespace forms
