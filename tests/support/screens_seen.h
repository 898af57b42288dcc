#pragma once
// What a unit's shared screens must show a pupil, written down as literal
// texts, and the checks that walk a fresh program through them: the window
// set and its answer bars, the contents page, every start-from dialog, the
// page-select screen, the end-of-unit page and the record left at exit.

#include <QRect>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "frame/unit.h"
#include "tests/support/unit_tour.h"

namespace harness {

// A lesson page as its start-from dialog presents it.
struct PageSeen {
    std::string_view dialog_title{};
    int count = 0;          // paragraphs, or problems of an exercise page
    bool exercise = false;
};

struct ScreensSeen {
    std::string_view title{};
    std::vector<std::string_view> contents_lines{};  // rows 7, 8, ... in order
    std::vector<PageSeen> pages{};                   // pages 1, 2, ... in order
    std::string_view select_contents{};              // the page-select screen's "目次" line
    int end_keeps_page = 0;                          // the page the end-of-unit page stands for
    std::string fresh_record{};                      // after a run without passes
};

// Starts the unit once for each screen and checks what it shows: the
// contents lines at their rows, all as long in CP932, and no "ごうかく!"; each page's dialog (title,
// range sentence, the pass sentence of an exercise page, the paragraphs or
// the problems listed in columns of ten); the page-select screen (its sentence and lines) taking
// exactly "0" to the last page and still asking after a refusal; "next" from
// the contents page through every page to the end-of-unit page, again on a
// further "next", and
// "befor" leaving it for the page before; and the exact record of a run
// without passes.
void expect_screens(const frame::Unit& unit, const ScreensSeen& seen);

// A record with passes as the pupil meets it again: "ごうかく!" at these
// cells of the contents page and the page-select screen, "ごうかく" beside
// these problems of each exercise page's list, and the record written back
// unchanged at exit.
struct PassesSeen {
    std::string record{};
    Cells contents_marks{};
    std::vector<std::pair<int, std::vector<int>>> passed_problems{};  // page, problems
};
void expect_passes(const frame::Unit& unit, const PassesSeen& seen);

// An answer bar as the window set holds it after start-up: hidden, topmost,
// at (0,414), this wide, with its controls at these places.
struct BarSeen {
    std::string_view form{};
    int width = 641;
    std::vector<std::pair<std::string_view, QRect>> controls{};
};

// The windows after start-up: the navigation bar, tag, strip and mascots
// shown; the entry bar and the answer bars hidden; the absent forms not built.
void expect_window_set(Pupil& pupil, const std::vector<BarSeen>& bars,
                       const std::vector<std::string_view>& absent);

}  // namespace harness
