// The course's own pictures of the unit folders (the pointing hands and the
// balances) on every explanation page of every unit that draws them: a box
// that erases a picture covers all of it, a picture drawn over another
// covers all of the one below, and no text a page writes on a picture stands
// on its drawing.  The boxes, texts and places are the pages' own, as they
// draw them, in pixels.
#include <QFile>
#include <QRect>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "frame/lesson.h"
#include "platform/cell_text.h"
#include "tests/support/explanation_session.h"
#include "units/course_units.h"

namespace {

using harness::Pupil;
using platform::DrawCall;

// A unit-folder picture standing on the canvas: its pixels, and the part of
// it that is not the board's colour.
struct OnBoard {
    std::string name;
    QPoint at;
    QImage image;
    QRect ink;
};

bool is_board(QRgb pixel, QRgb board) { return (pixel | 0xff000000u) == board; }

QRect ink_of(const QImage& image, QRgb board, QPoint at) {
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!is_board(image.pixel(x, y), board)) ink |= QRect(at + QPoint(x, y), QSize(1, 1));
    return ink;
}

// Whether every pixel of the picture inside the area is the board's colour.
bool bare_within(const OnBoard& picture, QRect area, QRgb board) {
    const QRect part = area.intersected(QRect(picture.at, picture.image.size()));
    for (int y = part.top(); y <= part.bottom(); ++y)
        for (int x = part.left(); x <= part.right(); ++x)
            if (!is_board(picture.image.pixel(QPoint(x, y) - picture.at), board)) return false;
    return true;
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

    std::string own_picture(const platform::Picture* picture) const {
        for (const std::string_view name : pupil_.lesson().unit.folder_pictures) {
            const auto found = pupil_.lesson().pictures.find(std::string(name));
            if (found != pupil_.lesson().pictures.end() && &found->second == picture)
                return std::string(name);
        }
        return {};
    }

    // Whatever covers part of a picture's drawing must cover all of it; the
    // picture is gone then.
    void cover(QRect area, const std::string& by) {
        std::erase_if(standing_, [&](const OnBoard& picture) {
            if (bare_within(picture, area, board())) return false;
            EXPECT_TRUE(area.contains(picture.ink))
                << where_ << ": " << by << " covers only part of " << picture.name << " at "
                << place(picture);
            return true;
        });
    }

    void look_at(const DrawCall& d) {
        if (d.kind == DrawCall::Kind::Picture) {
            const QPoint at = canvas().to_pixel(d.at);
            const std::string name = own_picture(d.picture);
            cover(QRect(at, d.picture->size()), "the picture " + (name.empty() ? "drawn" : name));
            if (name.empty()) return;
            ++drawn_;
            const QImage& image = d.picture->image();
            standing_.push_back({name, at, image, ink_of(image, board(), at)});
        } else if (d.kind == DrawCall::Kind::FilledBox && d.colour == 0 &&
                   d.fill.value_or(0) == 0) {
            cover(QRect(canvas().to_pixel(d.at), canvas().to_pixel(d.to)).normalized(), "a box");
        } else if (d.kind == DrawCall::Kind::Scaled) {
            for (const QRect& letter : letters_of(d))
                for (const OnBoard& picture : standing_)
                    EXPECT_TRUE(bare_within(picture, letter, board()))
                        << where_ << ": \"" << d.text << "\" stands on the drawing of "
                        << picture.name << " at " << place(picture);
        }
    }

    static std::string place(const OnBoard& picture) {
        return "(" + std::to_string(picture.at.x()) + "," + std::to_string(picture.at.y()) + ")";
    }

    Pupil& pupil_;
    std::string where_;
    std::vector<OnBoard> standing_;
    int drawn_ = 0;
};

// The course's pictures in place of the plain stand-ins of the test drive.
void lay_course_pictures(const frame::Unit& unit, const harness::CourseDrive& drive) {
    for (const std::string_view name : unit.folder_pictures) {
        const QString file = QString::fromUtf8(name.data(), qsizetype(name.size()));
        const QString target = QString::fromStdString((drive.unit_folder() / name).string());
        QFile::remove(target);
        ASSERT_TRUE(QFile::copy(QString(COURSE_PICTURES_DIR "/") + file, target)) << name;
    }
}

TEST(CoursePictures, OnEveryPageTheyAreErasedWholeAndKeepClearOfItsTexts) {
    int drawn = 0;
    for (const frame::Unit* unit : units::course_units()) {
        if (unit->folder_pictures.empty()) continue;
        for (const frame::LessonPage& page : unit->pages) {
            if (page.kind != frame::PageKind::Explanation) continue;
            const std::string where =
                std::string(unit->name) + " page " + std::to_string(page.number);
            Pupil pupil(*unit, {}, [&](const harness::CourseDrive& drive) {
                lay_course_pictures(*unit, drive);
            });
            Board board(pupil, where);
            harness::open_from(pupil, page.number, "1");
            drawn += board.pictures_drawn();
        }
    }
    EXPECT_GT(drawn, 100);
}

}  // namespace
