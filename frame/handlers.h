#pragma once
// The program's event handlers by name, as the form descriptions name them.

#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "platform/window_set.h"

namespace frame {

struct Lesson;
struct Unit;

using Handler = std::function<void(Lesson&, platform::Form& raised_by)>;
using HandlerTable = std::map<std::string, Handler, std::less<>>;

// The frame's handlers and those of the unit's answer bars.
HandlerTable handlers_of(const Unit& unit);

}  // namespace frame
