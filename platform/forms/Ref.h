#pragma once

#include <string>
#include <vector>

#include "platform/forms/Form.h"

namespace forms {

// A window's named control, as the window's code writes it (`txtModel->Text()`).  Touching
// it loads the window when it is not loaded; the control is looked up once per load.
template <class T>
class Ref {
public:
    Ref(Form& owner, std::string name) : owner_(&owner), name_(std::move(name)) {}

    T& operator*() const { return Get(); }
    T* operator->() const { return &Get(); }
    const std::string& Name() const { return name_; }

private:
    T& Get() const {
        if (!owner_->IsLoaded()) owner_->Load();
        if (generation_ != owner_->LoadGeneration() || !control_) {
            control_ = &owner_->template ControlAs<T>(name_);
            generation_ = owner_->LoadGeneration();
        }
        return *control_;
    }

    Form* owner_;
    std::string name_;
    mutable T* control_ = nullptr;
    mutable unsigned generation_ = 0;
};

// A control array of a window (`txtZomelText(3)->Text()`).
template <class T>
class ArrayRef {
public:
    ArrayRef(Form& owner, std::string name) : owner_(&owner), name_(std::move(name)) {}

    T& operator()(vb::Integer index) const {
        if (!owner_->IsLoaded()) owner_->Load();
        if (generation_ != owner_->LoadGeneration()) {
            cache_.clear();
            generation_ = owner_->LoadGeneration();
        }
        auto slot = static_cast<size_t>(index);
        if (index >= 0 && slot < cache_.size() && cache_[slot]) return *cache_[slot];
        T& control = owner_->template ControlAs<T>(name_, index);
        if (index >= 0) {
            if (cache_.size() <= slot) cache_.resize(slot + 1, nullptr);
            cache_[slot] = &control;
        }
        return control;
    }
    const std::string& Name() const { return name_; }

private:
    Form* owner_;
    std::string name_;
    mutable std::vector<T*> cache_;
    mutable unsigned generation_ = 0;
};

}  // namespace forms
