#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/vb/Variant.h"

namespace vb {

// The language's Collection: items in insertion order, indexed from 1, optionally keyed by a
// text compared without regard to case.  A duplicate key raises error 457, an index out of
// range error 9, an unknown key error 5.
class Collection : public Object {
public:
    void Add(Variant item, std::string_view key = {});
    const Variant& Item(Long index) const;
    const Variant& Item(std::string_view key) const;
    bool Contains(std::string_view key) const;
    void Remove(Long index);
    void Remove(std::string_view key);
    Long Count() const { return static_cast<Long>(items_.size()); }
    void Clear();

    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    size_t Position(Long index) const;
    size_t Position(std::string_view key) const;
    void RemoveAt(size_t position);

    std::vector<Variant> items_;
    std::vector<std::string> keys_;                  // folded key per item, "" when none
    std::unordered_map<std::string, size_t> index_;  // folded key -> position in items_
};

}  // namespace vb
