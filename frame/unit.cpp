#include "frame/unit.h"

#include <algorithm>

#include "frame/exercise_page.h"

namespace frame {
namespace {

// The record's first line holds the header and the first two lists; each
// further list has a line of its own.
constexpr int kListsOnFirstLine = 2;

}  // namespace

int LessonPage::count() const {
    return sheet ? static_cast<int>(sheet->problems.size()) : paragraphs;
}

// The header names the problem counts too, 0 for a page the unit lacks.
RecordLayout Unit::record_layout() const {
    RecordLayout layout{.header = {0, 0, 0}, .flag_counts = {},
                        .lists_on_first_line = kListsOnFirstLine};
    for (const LessonPage* page : exercise_pages()) layout.flag_counts.push_back(page->count());
    std::copy_n(layout.flag_counts.begin(),
                std::min(layout.flag_counts.size(), layout.header.size()), layout.header.begin());
    return layout;
}

}  // namespace frame
