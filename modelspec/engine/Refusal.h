#pragma once

#include <string>

namespace zomel {

// A check that refuses its input ends the run that made it with this message.
struct Refusal {
    std::string message;
};

}  // namespace zomel
