#include "platform/vb/Collection.h"

#include "platform/vb/Error.h"
#include "platform/vb/Strings.h"

namespace vb {

void Collection::Add(Variant item, std::string_view key) {
    std::string folded = UCase(key);
    if (!folded.empty()) {
        if (index_.contains(folded)) Raise(err::kDuplicateKey);
        index_.emplace(folded, items_.size());
    }
    items_.push_back(std::move(item));
    keys_.push_back(std::move(folded));
}

const Variant& Collection::Item(Long index) const {
    return items_[Position(index)];
}

const Variant& Collection::Item(std::string_view key) const {
    return items_[Position(key)];
}

bool Collection::Contains(std::string_view key) const {
    return !key.empty() && index_.contains(UCase(key));
}

void Collection::Remove(Long index) {
    RemoveAt(Position(index));
}

void Collection::Remove(std::string_view key) {
    RemoveAt(Position(key));
}

void Collection::Clear() {
    items_.clear();
    keys_.clear();
    index_.clear();
}

size_t Collection::Position(Long index) const {
    if (index < 1 || index > Count()) Raise(err::kSubscriptOutOfRange);
    return static_cast<size_t>(index - 1);
}

size_t Collection::Position(std::string_view key) const {
    auto found = key.empty() ? index_.end() : index_.find(UCase(key));
    if (found == index_.end()) Raise(err::kInvalidCall);
    return found->second;
}

void Collection::RemoveAt(size_t position) {
    if (!keys_[position].empty()) index_.erase(keys_[position]);
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(position));
    keys_.erase(keys_.begin() + static_cast<std::ptrdiff_t>(position));
    // Items after the removed one moved down by one.
    for (auto& [key, at] : index_) {
        if (at > position) --at;
    }
}

}  // namespace vb
