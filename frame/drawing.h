#pragma once
// The drawing vocabulary every page is written in: explanation pages,
// exercise problems and hints draw with these verbs on the page canvas, on
// the hidden drawing window or on a work picture.  Positions are logical,
// colours lesson-palette indexes, arcs run clockwise from `from` to `to` in
// fractions of a turn from 3 o'clock.
//
// A setting a page changes (pen style, draw mode, font, coordinates) is
// scoped: it holds until the Scoped value that changed it goes, also when
// the page is abandoned, so no page leaves a dotted pen or a merge mode to
// the next one.

#include <functional>
#include <initializer_list>
#include <string_view>
#include <utility>

#include "frame/geometry.h"
#include "platform/draw_mode.h"
#include "platform/pen_style.h"
#include "platform/polygon.h"
#include "platform/rgb.h"

namespace platform {
class Surface;
}

namespace frame {

struct Lesson;

using platform::DrawMode;
using platform::PenStyle;
using platform::PolyPoint;
using platform::Rgb;

// A point of a polyline given as a step from the point before it; the
// others are plain points: {160, 260}.
constexpr PolyPoint step(float dx, float dy) { return {{dx, dy}, true}; }

struct Scale {
    int x = 1;
    int y = 1;
};

// A fraction as three rows of scaled text: the bars and signs at its
// point, the numerators above and the denominators below, placed by the
// blanks inside the rows.  Where a numerator or denominator is a product, a
// drawn bar of the given length stands 7 below the point instead of bar
// characters.
struct Fraction {
    std::string_view bars{};
    std::string_view top{};
    std::string_view bottom{};
    PointF top_at{4, -10};     // from the fraction's point
    PointF bottom_at{4, 10};
    float bar = 0;             // the drawn bar's length; 0: none
};

// A cancel mark: a stroke through a number and the reduced number beside
// its end, in the small font.
struct Cancel {
    PointF from{};
    PointF to{};
    std::string_view reduced{};
    PointF at{};
};

// The two coordinate systems of the pages: the lesson's 0..639 × 0..568 on
// the 640 × 480 pixels, and one unit a pixel, 0..639 × 0..479.
enum class Coordinates { Lesson, Pixels };

// A changed setting that comes back when this value goes, also while an
// abandoned page unwinds: putting it back cannot throw.
class [[nodiscard]] Scoped {
public:
    // `restore` must not throw.
    explicit Scoped(std::function<void()> restore) : restore_(std::move(restore)) {}
    Scoped(Scoped&& other) noexcept : restore_(std::exchange(other.restore_, {})) {}
    Scoped(const Scoped&) = delete;
    Scoped& operator=(const Scoped&) = delete;
    Scoped& operator=(Scoped&&) = delete;
    ~Scoped() {
        if (restore_) restore_();
    }

private:
    std::function<void()> restore_;
};

class Drawing {
public:
    Drawing(Lesson& lesson, platform::Surface& surface) : lesson_(&lesson), surface_(&surface) {}

    // Texts.  A text is scaled text: its top-left corner at the point,
    // transparent behind its glyphs.  Cell text stands in the cell grid of
    // the current font, on the background colour, in the text colour.
    void text(PointF at, std::string_view text, int colour = 7);
    void text(PointF at, std::string_view text, Scale scale, int colour = 7);
    void cell_text(int column, int row, std::string_view text);
    void cell_text(int column, int row, std::string_view text, int colour);  // sets the text colour
    void text_colour(int colour);
    void mark(PointF at, int colour = 7);  // the letter mark, by its left point
    void fraction(PointF at, const Fraction& fraction, int colour = 7);
    // Every stroke in white, then every reduced number at font size 12.
    void cancel(std::initializer_list<Cancel> marks);

    // Figures.
    void line(PointF a, PointF b, int colour);
    void line(PointF a, PointF b, int colour, PenStyle style);  // this pen for this line only
    void box(PointF a, PointF b, int colour);
    void fill_box(PointF a, PointF b, int colour);
    void fill_box(PointF a, PointF b, int colour, int fill);  // outlined in colour
    void circle(PointF centre, float radius, int colour, float aspect = 1);
    void disc(PointF centre, float radius, int colour, int fill, float aspect = 1);
    void arc(PointF centre, float radius, int colour, float from, float to, float aspect = 1);
    void pie(PointF centre, float radius, int colour, int fill, float from, float to,
             float aspect = 1);
    void polyline(std::initializer_list<PolyPoint> points, int colour);
    void solid_polyline(std::initializer_list<PolyPoint> points, int colour);  // whatever the pen
    void polygon(std::initializer_list<PolyPoint> points, int colour, int fill);
    void point(PointF at, int colour);
    void flood_fill(PointF from, Rgb fill, Rgb border);
    void picture(std::string_view name, PointF at);
    // A picture moved: the box it stood in cleared in colour 0, then the
    // picture drawn at its new place.
    void move_picture(std::string_view name, Area from, PointF to);
    // Copies a block of pixels from a point of the source to a point here,
    // combined with what is here in this drawing's draw mode.
    void copy(PointF to, Size size, const Drawing& source, PointF from);

    // Scoped settings.
    Scoped pen(PenStyle style);
    Scoped mode(DrawMode mode);
    Scoped font_size(int size);
    Scoped font(std::string_view face);
    Scoped font(std::string_view face, int size);
    Scoped coordinates(Coordinates system);

protected:
    Lesson& lesson() const { return *lesson_; }
    platform::Surface& surface() const { return *surface_; }

private:
    Lesson* lesson_;
    platform::Surface* surface_;
};

}  // namespace frame
