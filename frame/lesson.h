#pragma once
// The one lesson state of a program: everything the handlers, page modules
// and page routines read and write, with the machine services they use.

#include <array>
#include <cstdint>
#include <exception>
#include <map>
#include <string>
#include <vector>

#include "frame/handlers.h"
#include "frame/progress_record.h"
#include "frame/services.h"
#include "frame/unit.h"
#include "platform/event_queue.h"
#include "platform/picture.h"

namespace frame {

inline constexpr int kIdle = 99;
inline constexpr int kEndOfUnit = 9999;

enum class EntryMode { StartFrom = 0, PageSelect = 5 };

struct Navigation {
    int current_page = 0;
    int previous_page = 0;
    EntryMode entry_mode = EntryMode::StartFrom;
    std::string entry_text;
};

struct Lesson {
    Lesson(const Unit& unit, Services io, platform::EventQueue& queue);

    const Unit& unit;
    Services io;
    platform::EventQueue& queue;
    HandlerTable handlers;

    int request = kIdle;
    Navigation nav;

    // Explanation pages.
    std::int16_t start_paragraph = 0;
    int current_paragraph = 0;
    bool fast_forward_applies = false;  // an explanation page is drawing

    // Exercise pages.
    std::vector<double> current_problems;  // one per problem group of the unit
    std::int16_t fresh_start = 1;
    std::array<std::string, 8> keys;       // key 1 .. key 7 (index 0 unused)
    std::vector<std::string> answer_slots; // answer slot 1 .. n (index 0 unused)
    PassFlags pass_flags;                  // per exercise page, in page order

    // Start-up state.
    std::string record_name;
    std::string base_folder;
    std::string data_folder;
    std::map<std::string, platform::Picture, std::less<>> pictures;  // by file name as listed
    // Off-screen pictures a page routine sizes before each use, as the
    // source or target of block copies.
    std::vector<platform::Surface> bitmap_objects;

    bool interrupted = false;          // Ctrl+C typed on a form of the program
    std::string_view module = "main";  // the module whose statements run now

    platform::Surface& canvas();  // the page canvas: MAINFORM's surface
    platform::Form& form(std::string_view name);
    platform::EditField& field(std::string_view name);  // an edit field of any form
    const platform::Picture& picture(std::string_view name) const;
};

// Runs a module's statements under its name, so that a failure among them
// is reported with it: when the scope is left by an exception the name
// stays, for the report; the event loop sets it back after a page abandon.
struct ModuleScope {
    ModuleScope(Lesson& lesson, std::string_view name)
        : lesson(lesson), outer(lesson.module), exceptions(std::uncaught_exceptions()) {
        lesson.module = name;
    }
    ~ModuleScope() {
        if (std::uncaught_exceptions() == exceptions) lesson.module = outer;
    }
    ModuleScope(const ModuleScope&) = delete;
    ModuleScope& operator=(const ModuleScope&) = delete;

    Lesson& lesson;
    std::string_view outer;
    int exceptions;
};

}  // namespace frame
