#pragma once
// What a pupil sees and hears of an explanation page: opening it from the
// start-from dialog, and the commands the sound device was sent meanwhile.

#include <string>
#include <vector>

#include "tests/support/pupil.h"

namespace harness {

struct SoundLog {
    std::vector<std::string> commands;  // as sent, from the first one of interest

    SoundLog(const Pupil& pupil, std::size_t from)
        : commands(pupil.sound_commands().begin() + static_cast<long>(from),
                   pupil.sound_commands().end()) {}

    // The numbers of the narration files opened, in order ("SOUND12.WAV" → 12).
    std::vector<int> narrations() const {
        std::vector<int> heard;
        for (const std::string& c : commands)
            if (c.starts_with("open SOUND")) heard.push_back(std::stoi(c.substr(10)));
        return heard;
    }

    // The narrations the page opened without sending "close wave1" first (the
    // close that ends a narration played to its end does not count).
    std::vector<int> opened_unclosed() const {
        std::vector<int> found;
        for (std::size_t i = 0; i < commands.size(); ++i) {
            if (!commands[i].starts_with("open SOUND")) continue;
            const bool closed = i >= 1 && commands[i - 1] == "close wave1" &&
                                (i < 2 || commands[i - 2] != "play wave1 notify wait");
            if (!closed) found.push_back(std::stoi(commands[i].substr(10)));
        }
        return found;
    }

    // The narrations played to their end ("play wave1 notify wait", then closed).
    std::vector<int> played_to_end() const {
        std::vector<int> found;
        for (std::size_t i = 1; i + 1 < commands.size(); ++i)
            if (commands[i] == "play wave1 notify wait" && commands[i + 1] == "close wave1")
                found.push_back(std::stoi(commands[i - 1].substr(10)));
        return found;
    }
};

// Everything of opening a page from the start-from dialog but the last
// "O  K", so that what the page alone sends can be told apart.
inline void fill_in_start_from(Pupil& pupil, int page, std::string_view start) {
    pupil.press(Nav::Where).type("EDIT1", std::to_string(page)).click("BUTTON1");
    pupil.type("EDIT1", start);
}

// Opens an explanation page from the start-from dialog at a paragraph and
// gives what the page alone sent to the sound device; the texts drawn before
// are forgotten.
inline SoundLog open_from(Pupil& pupil, int page, std::string_view start) {
    fill_in_start_from(pupil, page, start);
    const std::size_t before = pupil.sound_commands().size();
    pupil.forget_texts();
    pupil.click("BUTTON1");
    return SoundLog(pupil, before);
}

// The colour a text was last drawn in at a point on the canvas, or -1 when it
// never was.
inline int last_colour(const Pupil& pupil, std::string_view text, platform::PointF at) {
    int colour = -1;
    for (const WatchedText& drawn : pupil.texts())
        if (drawn.form == "MAINFORM" && drawn.text.text == text && drawn.text.at.x == at.x &&
            drawn.text.at.y == at.y)
            colour = drawn.text.colour;
    return colour;
}

// A text a page leaves standing where it stands, in the colour it was last
// drawn in.
struct TextSeen {
    std::string_view text;
    platform::PointF at;
    int colour = 7;
};

inline void expect_texts(const Pupil& pupil, const std::vector<TextSeen>& texts) {
    for (const TextSeen& t : texts)
        EXPECT_EQ(last_colour(pupil, t.text, t.at), t.colour) << t.text;
}

// The colour a cell text was last drawn in at a cell of the canvas, or -1.
inline int cell_colour(const Pupil& pupil, std::string_view text, int column, int row) {
    int colour = -1;
    for (const WatchedText& drawn : pupil.texts())
        if (drawn.form == "MAINFORM" && drawn.text.kind == platform::DrawCall::Kind::Cell &&
            drawn.text.text == text && drawn.text.column == column && drawn.text.row == row)
            colour = drawn.text.colour;
    return colour;
}

// Opens an explanation page at its last paragraph: everything before it is
// drawn at once, without a sound or a moment passing, the header names the
// last paragraph in place of the one before, and the page ends with its
// page-end mark in blue.
inline void expect_drawn_at_once(Pupil& pupil, int page, std::string_view last,
                                 std::string_view end_mark, platform::PointF end_at) {
    const auto elapsed = pupil.clock().elapsed();
    EXPECT_TRUE(open_from(pupil, page, last).commands.empty());
    EXPECT_EQ(pupil.clock().elapsed(), elapsed);
    const int paragraph = std::stoi(std::string(last));
    EXPECT_EQ(last_colour(pupil, "だん落 " + std::to_string(paragraph), {570, 2}), 7);
    EXPECT_EQ(last_colour(pupil, "だん落 " + std::to_string(paragraph - 1), {570, 2}), 0);
    EXPECT_EQ(last_colour(pupil, end_mark, end_at), 1);
}

// Opens an explanation page at a paragraph it lacks: the message box says so,
// and nothing is drawn on the page and nothing sounds.
inline void expect_start_refused(const frame::Unit& unit, int page, std::string_view start) {
    SCOPED_TRACE("page " + std::to_string(page) + " from paragraph " + std::string(start));
    Pupil pupil(unit);
    const std::size_t boxes = pupil.boxes().size();
    const SoundLog log = open_from(pupil, page, start);
    ASSERT_EQ(pupil.boxes().size(), boxes + 1);
    EXPECT_EQ(pupil.boxes().back().text, "その段落はありません！");
    for (const WatchedText& drawn : pupil.texts())
        EXPECT_NE(drawn.form, "MAINFORM") << drawn.text.text;
    EXPECT_TRUE(log.commands.empty());
}

}  // namespace harness
