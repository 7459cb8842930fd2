#pragma once

#include "platform/com/Clsid.h"
#include "platform/com/Dispatch.h"

// The contract between a host and an in-process server library.
namespace com {

// Makes instances of one class.
class ClassFactory {
public:
    virtual ~ClassFactory() = default;
    virtual DispatchRef CreateInstance() = 0;
};

// Results of the exports.  DllCanUnloadNow answers Ok when no object of the library is alive.
namespace status {
inline constexpr int kOk = 0;
inline constexpr int kFailed = 1;
inline constexpr int kClassNotAvailable = 2;
}  // namespace status

// The four exports of a server library, with C linkage under these names.  The factory that
// DllGetClassObject hands out belongs to the library and lives as long as it stays loaded.
using RegisterServerFn = int (*)();
using UnregisterServerFn = int (*)();
using GetClassObjectFn = int (*)(const Clsid* clsid, ClassFactory** factory);
using CanUnloadNowFn = int (*)();

}  // namespace com
