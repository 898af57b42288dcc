#include "platform/event_queue.h"

#include <utility>

namespace platform {

bool EventQueue::push(Event event) {
    if (events_.size() >= kCapacity) {
        return false;
    }
    events_.push_back(std::move(event));
    return true;
}

std::optional<Event> EventQueue::pop() {
    if (events_.empty()) {
        return std::nullopt;
    }
    Event oldest = std::move(events_.front());
    events_.pop_front();
    return oldest;
}

}  // namespace platform
