#include "tests/tour/screen_tour.h"

#include <QString>

#include <algorithm>
#include <optional>
#include <string>

#include "frame/exercise_page.h"
#include "tests/support/pupil.h"
#include "tests/tour/answers.h"
#include "tests/tour/pause_shots.h"

namespace tour {
namespace {

using harness::Nav;
using harness::Pupil;

constexpr std::string_view kPraise = "天才!ごうかく!";
constexpr std::string_view kPassword = "やったね!パスワードは";
constexpr std::string_view kUnitEnd = "単元終わり";

std::string two_digits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

std::string page_name(int page) { return "p" + two_digits(page); }
std::string problem_name(int page, int problem) {
    return page_name(page) + "-q" + two_digits(problem);
}

class Tour {
public:
    Tour(const frame::Unit& unit, std::filesystem::path folder, std::ostream& missed,
         const Pupil::DriveChange& change_drive)
        : unit_(unit), folder_(std::move(folder)), missed_(missed), pupil_(unit, {}, change_drive) {}

    Count walk() {
        if (pupil_.ended()) {
            miss("p00-contents", "the unit ended at start-up" + box_text());
            return count_;
        }
        contents();
        for (const frame::LessonPage& page : unit_.pages) {
            if (!dialog(page.number)) continue;
            if (page.sheet)
                exercise(page, *page.sheet);
            else
                explanation(page);
        }
        unit_end();
        return count_;
    }

private:
    void contents() {
        save("p00-contents", pupil_.screenshot());
        pupil_.press(Nav::Where);
        save("p00-page-select", pupil_.screenshot());
    }

    bool dialog(int page) {
        const std::size_t boxes = pupil_.boxes().size();
        pupil_.press(Nav::Where).type("EDIT1", std::to_string(page)).click("BUTTON1");
        if (pupil_.boxes().size() != boxes || pupil_.lesson().nav.current_page != page) {
            miss(page_name(page) + "-dialog", "the page-select screen did not open it" + box_text());
            return false;
        }
        save(page_name(page) + "-dialog", pupil_.screenshot());
        return true;
    }

    void explanation(const frame::LessonPage& page) {
        const std::string name = page_name(page.number) + "-end";
        if (opened(name, page.number, "1")) save(name, pupil_.screenshot());
    }

    void exercise(const frame::LessonPage& page, const frame::ExerciseSheet& sheet) {
        const int last = static_cast<int>(sheet.problems.size());
        for (int q = 1; q <= last; ++q) {
            const frame::Problem& problem = sheet.problems[static_cast<std::size_t>(q - 1)];
            const frame::AnswerBar& bar = bar_of(unit_, sheet, problem);
            const frame::OkRule* rule = rule_of(bar, page.number);
            const std::string name = problem_name(page.number, q);
            if (!rule) {
                miss(name + "-problem", "its bar " + std::string(bar.form) + " judges no answer here");
                continue;
            }
            if (!problem_shown(name + "-problem", page.number, q, bar)) continue;
            save(name + "-problem", pupil_.screenshot());
            hint(name + "-hint", page.number, q, bar, wrong_answer(*rule, problem), {});
            // Up to the first hint that serves every wrong answer: none after it is shown.
            for (std::size_t k = 0; k < sheet.hints.size(); ++k) {
                if (!sheet.hints[k].problems.hold(q)) continue;
                const auto typed = hint_answer(*rule, problem, sheet.hints[k]);
                if (!typed) break;
                hint(name + "-hint-t" + two_digits(static_cast<int>(k) + 1), page.number, q, bar,
                     *typed, static_cast<int>(k));
            }
            praise(page.number, q, bar, right_answer(*rule, problem), q == last);
        }
    }

    // A wrong answer, and the hint of the sheet's table it is to choose, if any.
    void hint(const std::string& name, int page, int q, const frame::AnswerBar& bar,
              const SlotTexts& typed, std::optional<int> expected) {
        if (!problem_shown(name, page, q, bar)) return;
        pupil_.forget_texts();
        answer(bar, typed);
        if (drew(kPraise)) return miss(name, "the typed text " + shown(typed) + " is judged right");
        const int chosen = fitting_hint(pupil_.lesson(), *unit_.lesson_page(page)->sheet, q);
        if (expected && chosen != *expected)
            return miss(name, "the typed text " + shown(typed) + " chooses " +
                                  (chosen < 0 ? "the problem's own hint"
                                              : "hint " + std::to_string(chosen + 1)));
        save(name, pupil_.screenshot());
    }

    void praise(int page, int q, const frame::AnswerBar& bar, const SlotTexts& typed, bool last) {
        const std::string name = problem_name(page, q) + "-praise";
        if (!problem_shown(name, page, q, bar)) return;
        const PauseShots shots(pupil_, {kPraise, kPassword});
        answer(bar, typed);
        if (shots.shot(0).isNull())
            return miss(name, "the right answer " + shown(typed) + " is not praised");
        save(name, shots.shot(0));
        if (!last) return;
        if (shots.shot(1).isNull())
            miss(page_name(page) + "-password", "no password after the last problem passed");
        else
            save(page_name(page) + "-password", shots.shot(1));
        save(page_name(page) + "-end", pupil_.screenshot());
    }

    void unit_end() {
        const std::string name = page_name(unit_.end_page_module()) + "-unit-end";
        pupil_.forget_texts();
        pupil_.press(Nav::Next);
        if (!drew(kUnitEnd)) return miss(name, "\"next\" on the last page did not show it");
        save(name, pupil_.screenshot());
    }

    bool opened(const std::string& name, int page, std::string_view start) {
        const std::size_t boxes = pupil_.boxes().size();
        pupil_.open(page, start);
        if (pupil_.boxes().size() == boxes && pupil_.lesson().nav.current_page == page) return true;
        miss(name, "opening page " + std::to_string(page) + " at " + std::string(start) +
                       " failed" + box_text());
        return false;
    }

    bool problem_shown(const std::string& name, int page, int q, const frame::AnswerBar& bar) {
        if (!opened(name, page, std::to_string(q))) return false;
        if (pupil_.shown_bar() == bar.form) return true;
        miss(name, "the bar " + std::string(bar.form) + " is not shown but \"" +
                       pupil_.shown_bar() + "\"");
        return false;
    }

    // Types the slots' texts into the bar's fields (the others emptied), then "O  K".
    void answer(const frame::AnswerBar& bar, const SlotTexts& typed) {
        for (const frame::AnswerField& field : bar.fields) {
            const auto text = typed.find(field.slot);
            pupil_.type(field.name, text == typed.end() ? "" : text->second);
        }
        pupil_.ok();
    }

    bool drew(std::string_view start) const {
        return std::ranges::any_of(pupil_.texts(), [&](const harness::WatchedText& t) {
            return t.form == "MAINFORM" && t.text.text.starts_with(start);
        });
    }

    static std::string shown(const SlotTexts& typed) {
        std::string text;
        for (const auto& [slot, typed_text] : typed)
            text += (text.empty() ? "" : ", ") + std::to_string(slot) + ":\"" + typed_text + "\"";
        return "(" + text + ")";
    }

    std::string box_text() const {
        return pupil_.boxes().empty() ? "" : " (message box: " + pupil_.boxes().back().text + ")";
    }

    void save(const std::string& name, const QImage& screen) {
        const std::filesystem::path file = folder_ / (name + ".png");
        if (screen.isNull()) return miss(name, "no window is visible");
        if (!screen.save(QString::fromStdString(file.string()), "PNG"))
            return miss(name, "cannot write " + file.string());
        ++count_.written;
    }

    void miss(const std::string& name, const std::string& why) {
        missed_ << "tour: " << unit_.name << "/" << name << ".png: not reached: " << why << "\n";
        ++count_.missed;
    }

    const frame::Unit& unit_;
    std::filesystem::path folder_;
    std::ostream& missed_;
    Pupil pupil_;
    Count count_;
};

}  // namespace

Count tour_unit(const frame::Unit& unit, const std::filesystem::path& folder, std::ostream& missed,
                const Pupil::DriveChange& change_drive) {
    return Tour(unit, folder, missed, change_drive).walk();
}

}  // namespace tour
