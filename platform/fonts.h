#pragma once
// The faces the programs ask for, and the installed Japanese fonts that draw
// them.  Every font is drawn without anti-aliasing, so that the same text
// drawn again in the background colour erases it without a trace.

#include <QFont>
#include <QString>

#include <string_view>

namespace platform {

// The face that scaled text is always drawn in.
inline constexpr std::string_view kScaledTextFace = "ＭＳ 明朝";

// The installed font family for a face name; unknown faces get the
// fixed-pitch Mincho family.
QString font_family(std::string_view face);

// The installed font family an edit field draws a face in: as font_family,
// but a proportional face is drawn by its fixed-pitch sibling, whose
// half-width digits are half an em wide, as the forms' fields are measured
// for.
QString field_font_family(std::string_view face);

// The whole pixels of the em a control's font of `points` points has on the
// 96-dpi screen the forms were laid out on (14 points: 18), whatever the
// resolution the screen reports: a control's text takes the room the form
// gives it there.
int pixels_of_points(int points);

// The face at a character height of `pixel_size` pixels, not anti-aliased.
QFont make_font(std::string_view face, int pixel_size);

}  // namespace platform
