// The course's own pictures on every explanation page of every unit.  No
// picture (face, pose, hand or balance) is drawn with a margin over a line or
// text of the page: the part of it around its drawing covers nothing but the
// board and the pictures standing there.  A box either takes a picture away,
// all of its drawing, or takes none of it: erasing a neighbour costs a face or
// pose still shown no pixel.  The unit-folder pictures (the hands and the
// balances) are taken away whole: a box that erases one takes all of it,
// margin and all, a picture drawn over one covers all of it, and no text a
// page writes on one stands on its drawing.  The boxes, texts and places are
// the pages' own, as they draw them, in pixels.
#include <QRect>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "frame/lesson.h"
#include "platform/cell_text.h"
#include "tests/support/course_pictures.h"
#include "tests/support/explanation_session.h"
#include "units/course_units.h"

namespace {

using harness::Pupil;
using platform::DrawCall;

// A course picture standing on the canvas: its pixels, the part of it that
// is not the board's colour, and whether it is one of the unit's own.
struct OnBoard {
    std::string name;
    QPoint at;
    QImage image;
    QRect ink;
    bool units_own;
};

bool is_board(QRgb pixel, QRgb board) { return (pixel | 0xff000000u) == board; }

QRect ink_of(const QImage& image, QRgb board, QPoint at) {
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!is_board(image.pixel(x, y), board)) ink |= QRect(at + QPoint(x, y), QSize(1, 1));
    return ink;
}

// How many pixels of the picture inside the area are not the board's colour.
int ink_within(const OnBoard& picture, QRect area, QRgb board) {
    const QRect part = area.intersected(QRect(picture.at, picture.image.size()));
    int ink = 0;
    for (int y = part.top(); y <= part.bottom(); ++y)
        for (int x = part.left(); x <= part.right(); ++x)
            ink += !is_board(picture.image.pixel(QPoint(x, y) - picture.at), board);
    return ink;
}

bool bare_within(const OnBoard& picture, QRect area, QRgb board) {
    return ink_within(picture, area, board) == 0;
}

// The cells of a scaled text's characters, blanks left out.
std::vector<QRect> letters_of(const DrawCall& text) {
    const QSize unit = platform::cell_size(text.font.size);
    const QSize cell(unit.width() * text.x_scale, unit.height() * text.y_scale);
    std::vector<QRect> letters;
    int column = 0;
    for (const platform::Glyph& glyph : platform::split_glyphs(text.text)) {
        const QRect box(text.pixel + QPoint(column * cell.width(), 0),
                        QSize(glyph.cells * cell.width(), cell.height()));
        if (glyph.code != U' ' && glyph.code != U'　') letters.push_back(box);
        column += glyph.cells;
    }
    return letters;
}

// Watches the canvas of one page for the unit's own pictures.
class Board {
public:
    Board(Pupil& pupil, std::string where) : pupil_(pupil), where_(std::move(where)) {
        pupil.watch_drawing([this](std::string_view form, const DrawCall& drawing) {
            if (form == "MAINFORM") look_at(drawing);
        });
    }
    int pictures_drawn() const { return drawn_; }

private:
    const platform::Surface& canvas() const { return pupil_.lesson().canvas(); }
    QRgb board() const { return canvas().state().palette.at(0) | 0xff000000u; }

    std::string course_picture(const platform::Picture* picture) const {
        for (const auto& [name, loaded] : pupil_.lesson().pictures)
            if (&loaded == picture) return name;
        return {};
    }

    bool in_unit_folder(const std::string& name) const {
        return std::ranges::find(pupil_.lesson().unit.folder_pictures, name) !=
               pupil_.lesson().unit.folder_pictures.end();
    }

    // What covers part of a picture's drawing takes the picture away: a box
    // takes all of its drawing, and whatever covers one of the unit's own
    // takes all of it, its margin too.  A box that erases a neighbour leaves
    // a picture still shown all of its drawing.
    void cover(QRect area, const std::string& by, bool box) {
        std::erase_if(standing_, [&](const OnBoard& picture) {
            if (bare_within(picture, area, board())) return false;
            const QRect whole(picture.at, picture.image.size());
            const bool taken_whole = area.contains(picture.units_own ? whole : picture.ink);
            EXPECT_TRUE(taken_whole || (!box && !picture.units_own))
                << where_ << ": " << by << " " << place(area.topLeft()) << "-"
                << place(area.bottomRight()) << " takes " << ink_within(picture, area, board())
                << " pixels of the drawing of " << picture.name << " at " << place(picture.at)
                << ", not all of it";
            return true;
        });
    }

    bool under_standing(QPoint pixel) const {
        return std::ranges::any_of(standing_, [&](const OnBoard& picture) {
            return QRect(picture.at, picture.image.size()).contains(pixel);
        });
    }

    // A picture drawn whole takes the pixels under it: around its drawing,
    // none of a line or text.
    void expect_margin_over_board(QRect area, QRect ink, const std::string& name) const {
        const QImage& screen = canvas().image();
        int taken = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                taken += !ink.contains(x, y) && screen.rect().contains(x, y) &&
                         !is_board(screen.pixel(x, y), board()) && !under_standing({x, y});
        EXPECT_EQ(taken, 0) << where_ << ": " << name << " at " << place(area.topLeft())
                            << " is drawn over pixels of the page's lines or texts";
    }

    void look_at(const DrawCall& d) {
        if (d.kind == DrawCall::Kind::Picture) {
            const QPoint at = canvas().to_pixel(d.at);
            const std::string name = course_picture(d.picture);
            const QRect area(at, d.picture->size());
            const QImage& image = d.picture->image();
            if (!name.empty() && d.mode != platform::DrawMode::Merge)
                expect_margin_over_board(area, ink_of(image, board(), at), name);
            cover(area, "the picture " + (name.empty() ? "drawn" : name), false);
            if (name.empty()) return;
            ++drawn_;
            standing_.push_back({name, at, image, ink_of(image, board(), at), in_unit_folder(name)});
        } else if (d.kind == DrawCall::Kind::FilledBox && d.colour == 0 &&
                   d.fill.value_or(0) == 0) {
            const QRect box = QRect(canvas().to_pixel(d.at), canvas().to_pixel(d.to)).normalized();
            cover(box, "a box", true);
        } else if (d.kind == DrawCall::Kind::Scaled) {
            for (const QRect& letter : letters_of(d))
                for (const OnBoard& picture : standing_)
                    EXPECT_TRUE(!picture.units_own || bare_within(picture, letter, board()))
                        << where_ << ": \"" << d.text << "\" stands on the drawing of "
                        << picture.name << " at " << place(picture.at);
        }
    }

    static std::string place(QPoint pixel) {
        return "(" + std::to_string(pixel.x()) + "," + std::to_string(pixel.y()) + ")";
    }

    Pupil& pupil_;
    std::string where_;
    std::vector<OnBoard> standing_;
    int drawn_ = 0;
};

TEST(CoursePictures, OnEveryPageTheyWipeNothingAroundAndABoxTakesAllOrNoneOfOne) {
    int drawn = 0;
    for (const frame::Unit* unit : units::course_units()) {
        for (const frame::LessonPage& page : unit->pages) {
            if (page.kind != frame::PageKind::Explanation) continue;
            const std::string where =
                std::string(unit->name) + " page " + std::to_string(page.number);
            Pupil pupil(*unit, {}, [&](const harness::CourseDrive& drive) {
                harness::lay_course_pictures(drive, *unit, COURSE_PICTURES_DIR);
            });
            Board board(pupil, where);
            harness::open_from(pupil, page.number, "1");
            drawn += board.pictures_drawn();
        }
    }
    EXPECT_GT(drawn, 200);
}

}  // namespace
