#pragma once

#include <array>

#include "platform/vb/Error.h"
#include "platform/vb/Types.h"

namespace zomel {

// A fixed table with the language's bounds: entries First to Last, read and written as
// table(i); an index outside the bounds raises error 9 (Subscript out of range).
template <class T, int First, int Last>
class Table {
public:
    static constexpr vb::Integer LBound = First;
    static constexpr vb::Integer UBound = Last;

    T& operator()(int index) { return entries_[Slot(index)]; }
    const T& operator()(int index) const { return entries_[Slot(index)]; }

    auto begin() { return entries_.begin(); }
    auto end() { return entries_.end(); }

private:
    static size_t Slot(int index) {
        if (index < First || index > Last) vb::Raise(vb::err::kSubscriptOutOfRange);
        return static_cast<size_t>(index - First);
    }

    std::array<T, Last - First + 1> entries_{};
};

}  // namespace zomel
