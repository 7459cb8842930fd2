#pragma once

#include "platform/vb/Types.h"

namespace zomel {

// Holds a re-entrancy flag True for a scope and clears it however the scope is left, so that
// a failing step cannot leave the flag set for the rest of the run.
class FlagScope {
public:
    explicit FlagScope(vb::Integer& flag) : flag_(flag) { flag_ = vb::True; }
    ~FlagScope() { flag_ = vb::False; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    vb::Integer& flag_;
};

}  // namespace zomel
