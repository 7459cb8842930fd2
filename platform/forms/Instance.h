#pragma once

#include <functional>
#include <memory>
#include <typeindex>
#include <vector>

#include "platform/forms/Form.h"

namespace forms {

namespace detail {
Form& InstanceOf(std::type_index type, const std::function<std::unique_ptr<Form>()>& make);
}

// The one object of window class T, created on first use and kept for the run, as the
// language's default window instances are.  Creating it does not load the window.
template <class T>
T& Instance() {
    static_assert(std::is_base_of_v<Form, T>);
    return static_cast<T&>(
        detail::InstanceOf(typeid(T), [] { return std::unique_ptr<Form>(new T()); }));
}

// The loaded windows, in the order their objects were made (the Forms collection).
std::vector<Form*> LoadedForms();

// Unloads and destroys every window object, so that a test starts from a fresh run.
void ResetInstances();

}  // namespace forms
