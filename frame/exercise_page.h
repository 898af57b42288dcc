#pragma once
// An exercise page as a unit writes it: a table of problems (texts, letter
// marks, keys, bar labels, hints) and the page's few own values, with code
// only where a hint depends on what the pupil typed.

#include <array>
#include <string_view>
#include <vector>

#include "frame/lesson.h"

namespace frame {

using platform::PointF;

struct CellRow {
    int column = 0;
    int row = 0;
    std::string_view text{};
};

struct BarLabel {
    PointF at{};
    std::string_view text{};
};

struct Problem {
    std::vector<CellRow> rows{};             // drawn top to bottom
    std::vector<PointF> marks{};             // letter marks in the rows' blanks
    std::array<std::string_view, 7> keys{};  // key 1 .. key 7
    std::vector<BarLabel> labels{};          // on the problem's answer bar
    std::string_view hint{};                 // the hint a wrong answer shows
};

struct Cell {
    int column = 0;
    int row = 0;
};

class ExerciseScreen;

struct ExerciseSheet {
    int page = 0;
    std::string_view header{};               // on the title band: "練習1 … 2ﾍﾟｰｼﾞ"
    std::string_view bar = "FORM7";        // the answer bar of every problem
    std::vector<CellRow> rows{};             // drawn with every problem, after its own
    std::vector<PointF> marks{};
    std::vector<BarLabel> labels{};          // on the bar, before the problem's own
    std::vector<Problem> problems{};

    PointF feedback_from{};                  // the area the celebration clears
    PointF feedback_to{};
    Cell praise{};                           // where "天才!ごうかく!" stands
    std::string_view password{};             // the reward for passing every problem
    Cell reward{5, 7};                       // where the password sentence stands

    // The wrong-answer block: by default the message and the problem's hint.
    CellRow wrong_message{0, 17, "計算まちがいしてない?"};
    Cell hint_cell{21, 17};
    void (*draw_problem)(ExerciseScreen&, const Problem&) = nullptr;  // replaces rows and marks
    void (*wrong)(ExerciseScreen&, const Problem&) = nullptr;         // replaces the default
};

// What a unit's problem and hint code draws with.
class ExerciseScreen {
public:
    ExerciseScreen(Lesson& lesson, const ExerciseSheet& sheet) : lesson_(lesson), sheet_(sheet) {}

    void cell_text(int column, int row, std::string_view text);
    void colour(int text_colour);
    void mark(PointF at, int colour = 7);
    void fill_box(PointF a, PointF b, int colour);
    void font(std::string_view face);
    void rows(const Problem& problem);      // the problem's rows and marks, as the table has them
    std::string_view typed(int slot) const; // the answer slot's text
    int problem_number() const;
    Lesson& lesson() { return lesson_; }

private:
    Lesson& lesson_;
    const ExerciseSheet& sheet_;
};

// The page routines the event loop runs for an exercise page.
void show_problem(Lesson& lesson, const ExerciseSheet& sheet);  // page × 10 + 1
void celebrate(Lesson& lesson, const ExerciseSheet& sheet);     // page × 10 + 2
void answer_wrong(Lesson& lesson, const ExerciseSheet& sheet);  // page × 10 + 3

}  // namespace frame
