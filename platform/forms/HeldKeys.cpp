#include "platform/forms/HeldKeys.h"

#include "platform/forms/Constants.h"

namespace forms {
namespace {

constexpr vb::Integer kShiftStates = vbShiftMask | vbCtrlMask | vbAltMask;

}  // namespace

bool HeldKeys::Remembered(vb::Integer keyCode) {
    return keyCode >= 0 && keyCode < kKeyCodes && keyCode != vbKeyShift &&
           keyCode != vbKeyControl && keyCode != vbKeyMenu;
}

void HeldKeys::Down(vb::Integer keyCode, vb::Integer shift) {
    if (Remembered(keyCode)) downShift_[keyCode] = static_cast<std::int8_t>(shift & kShiftStates);
}

vb::Integer HeldKeys::Up(vb::Integer keyCode, vb::Integer shift) {
    if (!Remembered(keyCode) || downShift_[keyCode] == kNotHeld) return shift;
    const auto held = static_cast<vb::Integer>(shift | downShift_[keyCode]);
    downShift_[keyCode] = kNotHeld;
    return held;
}

}  // namespace forms
