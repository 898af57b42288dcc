#pragma once
// An exercise page as a unit writes it: a table of problems (texts, figure,
// keys, bar and labels), a table of hints chosen by problem and by what the
// pupil typed, and the page's few own values.  Code appears only for a
// figure.

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "frame/drawing.h"
#include "frame/ink.h"
#include "frame/unit.h"

namespace frame {

struct BarLabel {
    PointF at{};
    std::string_view text{};
};

struct Cell {
    int column = 0;
    int row = 0;
};

class ExerciseScreen;
using Figure = void (*)(ExerciseScreen&);

struct Problem {
    std::vector<Ink> show{};                 // drawn in order
    Figure figure = nullptr;                 // drawn after them
    bool instructions = true;                // the sheet's instructions follow
    std::array<std::string_view, 7> keys{};  // key 1 .. key 7
    std::string_view bar{};                  // its own answer bar; empty: the sheet's
    std::vector<BarLabel> labels{};          // on the bar, after the sheet's
    std::vector<std::string_view> hint{};    // lines from the sheet's hint cell down
};

// The problems a hint serves: first .. last; first 0 serves every problem.
struct Problems {
    int first = 0;
    int last = 0;  // 0: the first alone
    bool hold(int problem) const {
        return first == 0 || (problem >= first && problem <= (last == 0 ? first : last));
    }
};

struct TypedText {
    int slot = 1;
    std::string_view text{};
};

// A hint shown instead of the problem's own when it serves the problem and
// what was typed meets every check.
struct Hint {
    Problems problems{};
    std::vector<SlotCheck> keys{};   // the slot holds its key (or alternative key)
    std::vector<TypedText> typed{};  // the slot holds this text
    std::vector<Ink> show{};         // in red unless an ink says
    std::optional<Area> clear{};     // emptied just before this hint is shown
};

// Whether a number outside the page is refused before the page is laid out,
// or only after every number between 0 and N + 1 laid it out.
enum class NumberTest { BeforeLayout, AfterLayout };

struct ExerciseSheet {
    int page = 0;
    std::string_view header{};               // on the title band: "練習1 … 2ﾍﾟｰｼﾞ"
    std::string_view bar = "FORM7";          // the answer bar of a problem without its own
    std::optional<Font> label_font{};        // set on the bar before its labels
    Coordinates coordinates = Coordinates::Lesson;  // of the problem's drawing
    NumberTest number_test = NumberTest::BeforeLayout;
    std::vector<Ink> before_number_test{};   // drawn even when the number is refused
    std::vector<Ink> instructions{};         // after the problem's own, unless it says
    std::vector<Ink> show{};                 // with every problem, last
    std::vector<BarLabel> labels{};          // on the bar, before the problem's own
    std::vector<Problem> problems{};
    std::vector<std::string_view> end_hides{};  // forms the page end hides; none: the unit's

    PointF feedback_from{};                  // the area the celebration clears
    PointF feedback_to{};
    Cell praise{};                           // where "天才!ごうかく!" stands
    std::string_view password{};             // the reward for passing every problem
    Cell reward{5, 7};                       // where the password sentence stands

    // A wrong answer: the area cleared first, then the first hint of the
    // table that fits, else the lead-in and the problem's own hint.
    std::optional<Area> hint_clear{};
    std::vector<Ink> lead{CellRow{0, 17, "計算まちがいしてない?"}};
    Cell hint_cell{21, 17};
    std::vector<Hint> hints{};
};

// What a figure draws with: the canvas, and what the pupil typed.
class ExerciseScreen : public Drawing {
public:
    ExerciseScreen(Lesson& lesson, const ExerciseSheet& sheet);

    void draw(const std::vector<Ink>& inks);
    std::string_view typed(int slot) const;  // the answer slot's text
    int problem_number() const;

private:
    void draw_ink(const Ink& ink);
    const ExerciseSheet& sheet_;
};

// The page routines the event loop runs for an exercise page.
void show_problem(Lesson& lesson, const ExerciseSheet& sheet);  // page × 10 + 1
void celebrate(Lesson& lesson, const ExerciseSheet& sheet);     // page × 10 + 2
void answer_wrong(Lesson& lesson, const ExerciseSheet& sheet);  // page × 10 + 3

}  // namespace frame
