// Explanation page 1, "おうぎ形って何?": one red sector shown and taken away,
// then a row of sectors opening wider and wider up to the whole circle.
// Paragraph 2 only closes the page.
#include <array>
#include <optional>

#include "units/sector-area/pages.h"

namespace units::sector_area {
namespace {

using frame::Close;
using frame::Narration;
using frame::Page;
using frame::PointF;

constexpr float kRadius = 70;

// A sector of the row, then what follows it: a pause and the narration
// that goes with every second sector.
struct RowSector {
    PointF centre;
    float from;
    float to;
    PointF label_at;
    int pause = 0;
    std::optional<int> sound{};
};

constexpr std::array<RowSector, 9> kRow = {{
    {{50, 150}, 0.72f, 0.78f, {25, 50}, 50},
    {{100, 150}, 0.7f, 0.8f, {85, 50}, 300, 9},
    {{180, 150}, 0.65f, 0.85f, {160, 50}},
    {{280, 150}, 0.6f, 0.9f, {260, 50}, 300, 10},
    {{410, 150}, 0.55f, 0.95f, {390, 50}},
    {{550, 150}, 0.5f, 1, {530, 50}, 300, 10},
    {{70, 300}, 0.45f, 0.05f, {50, 200}},
    {{220, 300}, 0.4f, 0.1f, {200, 200}, 300, 10},
    {{370, 300}, 0.3f, 0.2f, {350, 200}, 400, 11},
}};

void draw_row(Page& p) {
    const frame::Scoped small = p.font_size(13);
    for (const RowSector& s : kRow) {
        p.pie(s.centre, kRadius, 2, 2, s.from, s.to);
        p.text(s.label_at, "おうぎ形");
        if (s.pause > 0) p.pause(s.pause);
        if (s.sound == 9) {
            p.narrate(9, Close::Yes, Narration::Background, 200);
            p.narrate(10);
        } else if (s.sound) {
            p.narrate(*s.sound);
        }
    }
    p.pie({520, 300}, kRadius, 2, 2, 0, 0);
    p.text({515, 200}, "円");
}

}  // namespace

void draw_page1(Page& p) {
    p.open({.paragraphs = 2, .band_right = 327,
            .title = "おうぎ形って何?                      1ﾍﾟｰｼﾞ",
            .coordinates = frame::Coordinates::Pixels});

    p.picture("\\MF.BMP", {550, 180});
    p.picture("\\PF.BMP", {580, 180});
    p.pause(200);
    p.narrate(5, Close::No, Narration::Background, 550);
    p.narrate(6);
    p.pie({200, 150}, kRadius, 2, 2, 0.6f, 0.9f);
    p.pause(400);
    p.narrate(7, Close::Yes, Narration::Background, 600);
    p.narrate(8, Close::Yes, Narration::Background, 300);
    p.pie({200, 150}, kRadius, 0, 0, 0.6f, 0.9f);
    draw_row(p);
    p.pause(400);
    p.text({10, 380}, "おうぎ形と言うのは円の一部のことなんだね!", 4);
    p.pause(200);
    p.close_narration(1);

    p.end({400, 380});
}

}  // namespace units::sector_area
