#include "tests/support/screens_seen.h"

#include <gtest/gtest.h>

#include <QWidget>

#include <algorithm>

#include "platform/text.h"

namespace harness {
namespace {

// Where problem k of a start-from dialog's list stands, in three columns of
// ten: its number from column 7, "ごうかく" from column 14 of the first.
QPoint list_cell(int problem, int first_column) {
    const int column = (problem - 1) / 10;
    return {first_column + 28 * column, problem - 10 * column + 8};
}
QPoint number_cell(int problem) { return list_cell(problem, 7); }
QPoint pass_cell(int problem) { return list_cell(problem, 14); }

std::string range_sentence(int count) {
    return "回答らんに1から" + std::to_string(count) +
           "までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡";
}

std::string select_sentence(int last) {
    return "何ページを開けますか? 0から" + std::to_string(last) +
           "までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡";
}

std::string pass_sentence(int count) {
    return "1番から" + std::to_string(count) + "番まですべて ごうかくするとパスワードが出ます｡";
}

void expect_contents(const frame::Unit& unit, const ScreensSeen& seen) {
    Pupil pupil(unit);
    ASSERT_FALSE(pupil.ended()) << (pupil.boxes().empty() ? "" : pupil.boxes().back().text);
    EXPECT_TRUE(pupil.shows_text(seen.title)) << seen.title;
    int row = 7;
    for (std::string_view line : seen.contents_lines)
        EXPECT_EQ(cells_of(pupil, line), Cells{QPoint(2, row++)}) << line;
    // The unit's lines, as long as one another: their page numbers align.
    const std::size_t bytes = platform::to_cp932(unit.contents_lines.at(0).text).size();
    for (const frame::ContentsLine& line : unit.contents_lines)
        EXPECT_EQ(platform::to_cp932(line.text).size(), bytes) << line.text;
    EXPECT_TRUE(cells_of(pupil, "ごうかく!").empty());
}

void expect_dialog(Pupil& pupil, int page, const PageSeen& seen) {
    const auto texts = dialog_texts(pupil, page);
    EXPECT_EQ(pupil.lesson().nav.current_page, page);
    EXPECT_TRUE(holds(texts, seen.dialog_title)) << seen.dialog_title;
    EXPECT_EQ(cells_of(pupil, range_sentence(seen.count)), Cells{QPoint(2, 3)}) << page;
    if (seen.exercise) {
        EXPECT_EQ(cells_of(pupil, pass_sentence(seen.count)), Cells{QPoint(2, 5)}) << page;
        Cells marks;  // "番" over the trailing blank of each number
        for (int k = 1; k <= seen.count; ++k) {
            EXPECT_EQ(cells_of(pupil, " " + std::to_string(k) + " "), Cells{number_cell(k)}) << k;
            marks.push_back(number_cell(k) + QPoint(3, 0));
        }
        EXPECT_EQ(cells_of(pupil, "番"), marks) << page;
    } else {
        EXPECT_EQ(std::ranges::count_if(texts, [](const std::string& t) {
                      return t.starts_with("だん落 ");
                  }),
                  seen.count)
            << page;
    }
    EXPECT_TRUE(cells_of(pupil, "ごうかく").empty()) << page;
}

void expect_page_select(const frame::Unit& unit, const ScreensSeen& seen) {
    Pupil pupil(unit);
    const int last = static_cast<int>(seen.pages.size());
    pupil.forget_texts();
    pupil.press(Nav::Where);
    EXPECT_EQ(cells_of(pupil, select_sentence(last)), Cells{QPoint(2, 2)});
    EXPECT_EQ(cells_of(pupil, seen.select_contents), Cells{QPoint(18, 5)});
    int row = 7;
    for (std::string_view line : seen.contents_lines)
        EXPECT_EQ(cells_of(pupil, line), Cells{QPoint(2, row++)}) << line;
    for (int page = last; page >= 0; --page) {
        pupil.press(Nav::Where).type("EDIT1", std::to_string(page)).click("BUTTON1");
        EXPECT_EQ(pupil.lesson().nav.current_page, page);
    }
    EXPECT_TRUE(pupil.boxes().empty());
    // Only the page numbers as they are written, in half-width digits, are taken.
    const std::string n = std::to_string(last);
    pupil.press(Nav::Where);
    for (const std::string& refused : std::vector<std::string>{
             std::to_string(last + 1), "0" + n, " " + n, n + " ", n + ".0", "-0", "３", ""}) {
        const std::size_t boxes = pupil.boxes().size();
        pupil.type("EDIT1", refused).click("BUTTON1");
        ASSERT_EQ(pupil.boxes().size(), boxes + 1) << "\"" << refused << "\"";
        EXPECT_EQ(pupil.boxes().back().text, "そのページはありません！");
        EXPECT_EQ(pupil.lesson().nav.entry_mode, frame::EntryMode::PageSelect);  // still asking
    }
}

void expect_end_page(const frame::Unit& unit, const ScreensSeen& seen) {
    Pupil pupil(unit);
    const int last = static_cast<int>(seen.pages.size());
    for (int page = 1; page <= last; ++page) {
        pupil.press(Nav::Next);
        EXPECT_EQ(pupil.lesson().nav.current_page, page);
    }
    for (int time = 0; time < 2; ++time) {
        pupil.forget_texts();
        pupil.press(Nav::Next);
        EXPECT_EQ(cells_of(pupil, "単元終わり"), Cells{QPoint(10, 7)}) << time;
        EXPECT_EQ(pupil.lesson().nav.current_page, seen.end_keeps_page);
    }
    // "befor" leaves the end page for the page before the one it stands for.
    const int before = seen.end_keeps_page - 1;
    pupil.press(Nav::Befor);
    EXPECT_EQ(pupil.lesson().nav.current_page, before);
    EXPECT_TRUE(pupil.shows_text(seen.pages.at(std::size_t(before) - 1).dialog_title));
}

}  // namespace

void expect_screens(const frame::Unit& unit, const ScreensSeen& seen) {
    expect_contents(unit, seen);
    {
        Pupil pupil(unit);
        for (std::size_t i = 0; i < seen.pages.size(); ++i)
            expect_dialog(pupil, static_cast<int>(i) + 1, seen.pages[i]);
    }
    expect_page_select(unit, seen);
    expect_end_page(unit, seen);
    Pupil fresh(unit);
    EXPECT_EQ(record_after_exit(fresh), seen.fresh_record);
}

void expect_passes(const frame::Unit& unit, const PassesSeen& seen) {
    Pupil pupil(unit, seen.record);
    ASSERT_FALSE(pupil.ended()) << (pupil.boxes().empty() ? "" : pupil.boxes().back().text);
    EXPECT_EQ(cells_of(pupil, "ごうかく!"), seen.contents_marks);
    pupil.forget_texts();
    pupil.press(Nav::Where);
    EXPECT_EQ(cells_of(pupil, "ごうかく!"), seen.contents_marks) << "on the page-select screen";
    for (const auto& [page, problems] : seen.passed_problems) {
        dialog_texts(pupil, page);
        Cells expected;
        for (int problem : problems) expected.push_back(pass_cell(problem));
        EXPECT_EQ(cells_of(pupil, "ごうかく"), expected) << "page " << page;
    }
    EXPECT_EQ(record_after_exit(pupil), seen.record);
}

void expect_window_set(Pupil& pupil, const std::vector<BarSeen>& bars,
                       const std::vector<std::string_view>& absent) {
    platform::WindowSet& windows = pupil.windows();
    for (std::string_view shown : {"FORM4", "FORM5", "FORM6", "FORM8"})
        EXPECT_TRUE(windows.form(shown).is_visible()) << shown;
    EXPECT_FALSE(windows.form("FORM3").is_visible());
    EXPECT_EQ(windows.form("FORM3").position(), QPoint(0, 414));
    for (std::string_view form : absent) EXPECT_FALSE(windows.has_form(form)) << form;
    for (const BarSeen& bar : bars) {
        platform::Form& form = windows.form(bar.form);
        EXPECT_FALSE(form.is_visible()) << bar.form;
        EXPECT_TRUE(form.is_topmost()) << bar.form;
        EXPECT_EQ(form.position(), QPoint(0, 414)) << bar.form;
        EXPECT_EQ(form.client_size(), QSize(bar.width, 29)) << bar.form;
        for (const auto& [control, place] : bar.controls)
            EXPECT_EQ(form.control_widget(control)->geometry(), place) << control;
    }
}

}  // namespace harness
