#pragma once
// The program's control events, waiting to be run: first in, first out, at
// most 64 of them.  An event that finds 64 waiting is dropped.

#include <QPoint>

#include <cstddef>
#include <deque>
#include <optional>
#include <string>

#include "platform/event_kind.h"

namespace platform {

struct Event {
    std::string form;      // "FORM8"
    std::string control;   // "BMPBUTTON3"; empty for an event of the form itself
    EventKind kind = EventKind::On;
    QPoint position;       // where the mouse was, for mouse events
    std::string handler;   // "BMPBUTTON3_ON"
};

class EventQueue {
public:
    static constexpr std::size_t kCapacity = 64;

    bool push(Event event);              // false when the queue is full
    bool pending() const { return !events_.empty(); }
    std::optional<Event> pop();          // the oldest event
    std::size_t size() const { return events_.size(); }

private:
    std::deque<Event> events_;
};

}  // namespace platform
