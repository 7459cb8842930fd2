#include "platform/com/Events.h"

#include <algorithm>

#include "platform/vb/Error.h"

namespace com {
namespace {

EventSource& SourceOf(Dispatch& object) {
    auto* source = dynamic_cast<EventSource*>(&object);
    if (!source) vb::Raise(vb::err::kNotSupported);
    return *source;
}

}  // namespace

EventSource::Cookie EventSource::Advise(Sink sink) {
    sinks_.emplace_back(next_, std::move(sink));
    return next_++;
}

void EventSource::Unadvise(Cookie cookie) {
    std::erase_if(sinks_, [cookie](const auto& entry) { return entry.first == cookie; });
}

void EventSource::RaiseEvent(std::string_view event, Args& args) {
    // A sink may connect or disconnect sinks while it runs.
    auto sinks = sinks_;
    for (auto& [cookie, sink] : sinks)
        sink(event, args);
}

EventSource::Cookie Advise(Dispatch& object, EventSource::Sink sink) {
    return SourceOf(object).Advise(std::move(sink));
}

void Unadvise(Dispatch& object, EventSource::Cookie cookie) {
    SourceOf(object).Unadvise(cookie);
}

}  // namespace com
