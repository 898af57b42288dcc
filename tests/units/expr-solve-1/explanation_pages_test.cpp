// The two explanation pages as a pupil meets them from a later paragraph,
// and the balance of page 1 as the board receives it.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/explanation_session.h"
#include "units/expr-solve-1/balance.h"
#include "units/expr-solve-1/unit.h"

namespace {

using harness::last_colour;
using harness::Pupil;
using harness::TextSeen;
using Heard = std::vector<int>;

const frame::Unit& unit = units::expr_solve_1::unit;

struct WholePage {
    int page;
    std::string_view last;      // the start paragraph that draws the whole page
    std::string_view end_mark;  // at (380,350)
    int current_paragraph;      // the last one the page itself set
    std::vector<TextSeen> seen;     // where the worked examples ended
};

const WholePage kWholePages[] = {
    {1, "2", "1ページ終わり", 1,
     {{"だん落 2", {570, 2}, 7}, {"だん落 1", {570, 2}, 0}, {"8", {256, 240}, 7},
      {"180", {541, 240}, 7}, {"512 ÷ 64", {236, 190}, 7}, {"5 × 36", {521, 190}, 7},
      {"＝の位置をたてにそろえて書く｡", {239, 300}, 2}}},
    {2, "5", "2ページ終わり", 4,
     {{"だん落 5", {570, 2}, 7}, {"だん落 4", {570, 2}, 0}, {"÷ 28", {267, 190}, 7},
      {"＝   14", {204, 240}, 7}, {"× 53", {444, 190}, 7}, {"9", {432, 190}, 7},
      {"9", {452, 190}, 0}, {"477  ＝", {449, 240}, 7},
      {"数字は支点をまたいで左から右へ 右から左へ移動する時に ×は÷に ÷は×に変わる｡",
       {0, 300}, 2}}},
};

TEST(Expr1ExplanationPages, FromTheLastParagraphTheWholePageAppearsSilently) {
    for (const WholePage& w : kWholePages) {
        SCOPED_TRACE("page " + std::to_string(w.page));
        Pupil pupil(unit);
        harness::expect_drawn_at_once(pupil, w.page, w.last, w.end_mark, {380, 350});
        EXPECT_EQ(pupil.lesson().current_paragraph, w.current_paragraph);
        harness::expect_texts(pupil, w.seen);
    }
}

TEST(Expr1ExplanationPages, Page1LeavesNoBalanceOnTheBoard) {
    Pupil pupil(unit);
    harness::open_from(pupil, 1, "2");
    const platform::Surface& canvas = pupil.lesson().canvas();
    int blue = 0;
    for (int y = canvas.to_pixel({0, 160}).y(); y <= canvas.to_pixel({0, 340}).y(); ++y)
        for (int x = 0; x < 640; ++x) blue += pupil.colour_at({x, y}) == 1;
    EXPECT_EQ(blue, 0);
}

TEST(Expr1ExplanationPages, Page2FromParagraph3DrawsTheFirstTwoAtOnceAndSpeaksFrom33) {
    Pupil pupil(unit);
    harness::fill_in_start_from(pupil, 2, "3");
    const std::size_t before = pupil.sound_commands().size();
    pupil.start_trace();
    pupil.click("BUTTON1");
    const harness::SoundLog log(pupil, before);
    EXPECT_EQ(log.narrations(), (Heard{33, 29, 35, 36, 33, 29, 38, 39}));
    ASSERT_GE(log.commands.size(), 2u);
    EXPECT_EQ(log.commands.front(), "close wave1");
    EXPECT_EQ(log.commands.back(), "close wave1");

    const auto& lines = pupil.trace_lines();
    const auto line_at = [&](std::string_view part) {
        return std::find_if(lines.begin(), lines.end(),
                            [&](const std::string& l) { return l.find(part) != l.npos; });
    };
    const auto paragraph3 = line_at("c7 \"だん落 3\"");
    ASSERT_NE(paragraph3, lines.end());
    EXPECT_LT(line_at("MAINFORM fillbox (60,30)-(630,380) c0"), paragraph3);
    EXPECT_LT(paragraph3, line_at("sleep "));  // nothing before paragraph 3 waited
}

// The balance on a cleared board, as page 1 calls it.
struct Board {
    Pupil pupil{unit};
    frame::Page page{pupil.lesson(), 1};
    Board() { page.fill_box({0, 0}, {640, 490}, 0); }
    int at(platform::PointF logical) {
        return pupil.colour_at(pupil.lesson().canvas().to_pixel(logical));
    }
};

TEST(Expr1Balance, ComesToTheBoardInOneBlockCopyBesideOrOverAnEarlierOne) {
    Board board;
    board.pupil.start_trace();
    units::expr_solve_1::draw_balance(board.page, {0, 0});
    std::vector<std::string> on_board;
    for (const std::string& line : board.pupil.trace_lines())
        if (line.starts_with("MAINFORM")) on_board.push_back(line);
    EXPECT_EQ(on_board,
              std::vector<std::string>{"MAINFORM copy (80,170) 280x220 from BITMAP1 (0,0) copy"});
    // The beam's top, the base's foot, the right pan's rim.
    for (platform::PointF p : {platform::PointF{175, 235}, {285, 290}, {340, 205}})
        EXPECT_EQ(board.at(p), 1) << p.x << "," << p.y;
    EXPECT_EQ(board.at({175, 237}), 0);  // the beam is hollow

    units::expr_solve_1::draw_balance(board.page, {285, 0});
    EXPECT_EQ(board.at({340, 205}), 1);  // the first balance is untouched
    EXPECT_EQ(board.at({460, 235}), 1);

    units::expr_solve_1::draw_balance(board.page, {0, 50});
    EXPECT_EQ(board.at({175, 285}), 1);  // the lower balance's beam
    EXPECT_EQ(board.at({285, 290}), 0);  // covers the upper one's foot
    EXPECT_EQ(board.at({340, 205}), 1);  // but not its pans
}

}  // namespace
