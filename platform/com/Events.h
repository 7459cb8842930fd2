#pragma once

#include <functional>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/com/Dispatch.h"

namespace com {

// The outgoing events of a server object.  Hosts connect sinks; the object raises events by
// name, and every argument is by reference: a sink may change it and the object sees that.
class EventSource {
public:
    using Sink = std::function<void(std::string_view event, Args& args)>;
    using Cookie = unsigned;

    Cookie Advise(Sink sink);
    void Unadvise(Cookie cookie);

    // Calls the sinks in the order they were connected.
    void RaiseEvent(std::string_view event, Args& args);
    void RaiseEvent(std::string_view event, Args&& args = {}) { RaiseEvent(event, args); }

protected:
    ~EventSource() = default;

private:
    std::vector<std::pair<Cookie, Sink>> sinks_;
    Cookie next_ = 1;
};

// Connects a host's sink to a late-bound object; 438 when the object raises no events.
EventSource::Cookie Advise(Dispatch& object, EventSource::Sink sink);
void Unadvise(Dispatch& object, EventSource::Cookie cookie);

}  // namespace com
