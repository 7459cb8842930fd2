#pragma once

#include <string>
#include <vector>

#include "platform/forms/HeadlessHost.h"

// The texts of the message boxes a person was shown, in order.
inline std::vector<std::string> PromptsOf(const forms::HeadlessHost& host) {
    std::vector<std::string> prompts;
    for (const auto& message : host.Messages())
        prompts.push_back(message.prompt);
    return prompts;
}
