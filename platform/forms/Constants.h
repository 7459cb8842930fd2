#pragma once

#include "platform/vb/Types.h"

// The runtime's named constants.
namespace forms {

// Message box styles and answers.
inline constexpr int vbOKOnly = 0;
inline constexpr int vbOKCancel = 1;
inline constexpr int vbAbortRetryIgnore = 2;
inline constexpr int vbYesNoCancel = 3;
inline constexpr int vbYesNo = 4;
inline constexpr int vbRetryCancel = 5;
inline constexpr int vbCritical = 16;
inline constexpr int vbQuestion = 32;
inline constexpr int vbExclamation = 48;
inline constexpr int vbInformation = 64;
inline constexpr int vbDefaultButton2 = 256;
inline constexpr int vbDefaultButton3 = 512;

inline constexpr int vbOK = 1;
inline constexpr int vbCancel = 2;
inline constexpr int vbAbort = 3;
inline constexpr int vbRetry = 4;
inline constexpr int vbIgnore = 5;
inline constexpr int vbYes = 6;
inline constexpr int vbNo = 7;

// Show styles.
enum class ShowStyle { Modeless = 0, Modal = 1 };

// Why a window unloads (QueryUnload's UnloadMode).
inline constexpr vb::Integer vbFormControlMenu = 0;
inline constexpr vb::Integer vbFormCode = 1;
inline constexpr vb::Integer vbAppWindows = 2;
inline constexpr vb::Integer vbAppTaskManager = 3;
inline constexpr vb::Integer vbFormOwner = 5;

// Window states.
inline constexpr vb::Integer vbNormal = 0;
inline constexpr vb::Integer vbMinimized = 1;
inline constexpr vb::Integer vbMaximized = 2;

// Window borders and start-up positions.
inline constexpr vb::Integer kBorderNone = 0;
inline constexpr vb::Integer kBorderFixedSingle = 1;
inline constexpr vb::Integer kBorderSizable = 2;
inline constexpr vb::Integer kBorderSizableToolWindow = 5;
inline constexpr vb::Integer kStartCenterOwner = 1;
inline constexpr vb::Integer kStartCenterScreen = 2;

// Mouse pointers.
inline constexpr vb::Integer vbDefault = 0;
inline constexpr vb::Integer vbArrow = 1;
inline constexpr vb::Integer vbHourglass = 11;

// Key codes and shift state.
inline constexpr vb::Integer vbKeyReturn = 13;
inline constexpr vb::Integer vbKeyShift = 16;
inline constexpr vb::Integer vbKeyControl = 17;
inline constexpr vb::Integer vbKeyMenu = 18;  // Alt
inline constexpr vb::Integer vbKeyEscape = 27;
inline constexpr vb::Integer vbKeyDelete = 46;
inline constexpr vb::Integer vbKeyF1 = 112;
inline constexpr vb::Integer vbKeyF12 = 123;
inline constexpr vb::Integer vbShiftMask = 1;
inline constexpr vb::Integer vbCtrlMask = 2;
inline constexpr vb::Integer vbAltMask = 4;

// Check box values.
inline constexpr vb::Integer vbUnchecked = 0;
inline constexpr vb::Integer vbChecked = 1;
inline constexpr vb::Integer vbGrayed = 2;

}  // namespace forms
