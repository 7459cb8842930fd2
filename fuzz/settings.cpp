// The per-user settings file on any bytes: what is written reads back as written, and any
// name or value put in survives the file.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/os/SettingsStore.h"

namespace {

void ExpectValue(const os::SettingsStore& store, const std::string& app, const std::string& section,
                 const std::string& key, const std::string& value) {
    const std::string* found = store.Find(app, section, key);
    if (!found || *found != value) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string app = input.ConsumeRandomLengthString(24);
    const std::string section = input.ConsumeRandomLengthString(24);
    const std::string key = input.ConsumeRandomLengthString(24);
    const std::string value = input.ConsumeRandomLengthString(64);
    const std::string text = input.ConsumeRemainingBytesAsString();

    os::SettingsStore store = os::SettingsStore::Parse(text);
    const std::string written = store.Format();
    if (os::SettingsStore::Parse(written).Format() != written) __builtin_trap();

    store.Set(app, section, key, value);
    ExpectValue(store, app, section, key, value);
    ExpectValue(os::SettingsStore::Parse(store.Format()), app, section, key, value);
    if (!store.Delete(app, section, key)) __builtin_trap();
    return 0;
}
