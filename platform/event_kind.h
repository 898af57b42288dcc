#pragma once
// The kinds of control events, numbered as the form descriptions' event
// lists number them.

#include <cstdint>

namespace platform {

enum class EventKind : std::uint16_t {
    On = 0x65,
    Change = 0x66,
    Start = 0x67,
    End = 0x68,
    SetFocus = 0x69,
    KillFocus = 0x6a,
    Resize = 0x6b,
    Click = 0x6c,
    DoubleClick = 0x6d,
    MouseDown = 0x6e,
    MouseUp = 0x6f,
    MouseMove = 0x70,
    Done = 0x72,
    QueryClose = 0x75,
};

}  // namespace platform
