#include "frame/start_up.h"

#include "frame/page_modules.h"
#include "frame/record_files.h"
#include "platform/base_folder.h"

namespace frame {
namespace {

struct PaletteEntry {
    int index, green, red, blue;
};

constexpr PaletteEntry kLessonPalette[] = {
    {8, 0, 0, 128},     {9, 0, 128, 0},     {10, 0, 148, 148}, {0, 128, 0, 0},
    {12, 128, 0, 128},  {13, 128, 255, 255}, {14, 255, 128, 128}, {15, 128, 128, 128},
    {1, 0, 0, 255},     {2, 0, 255, 0},     {3, 0, 255, 255},  {4, 255, 0, 0},
    {5, 255, 0, 255},   {6, 255, 255, 0},   {7, 255, 255, 255},
};

// The pictures of the data folder every unit loads first, in loading order.
constexpr std::string_view kFramePictures[] = {
    "\\ｻｲｹ.BMP", "\\ﾎﾟｺ.BMP", "\\ﾐﾙ.BMP", "\\ｽﾄﾗｲﾌﾟ.BMP", "\\ﾎﾟｺ2.BMP", "\\ﾐﾙ2.BMP",
};

void set_up_drawing_area(platform::Form& form, QSize client) {
    form.surface().set_logical_window(0, 0, 639, 568);
    form.surface().set_viewport(0, 0, 639, 479);
    form.set_client_size(client);
}

void set_up_canvas(Lesson& lesson) {
    platform::Form& canvas = lesson.io.windows.build("MAINFORM");
    canvas.surface().clear();
    set_up_drawing_area(canvas, {640, 440});
    canvas.move_to({0, 22});
    canvas.surface().set_font("標準明朝", 16);
    canvas.show();
}

// The hidden window some pages draw on before copying to the canvas: it
// starts cleared to colour 0, so nothing undefined is ever copied.
void set_up_drawing_window(Lesson& lesson, Size client) {
    platform::Form& drawing_window = lesson.io.windows.build("FORM2");
    set_up_drawing_area(drawing_window, {client.width, client.height});
    platform::Surface& hidden = drawing_window.surface();
    set_lesson_palette(hidden);
    hidden.set_colours(7, 0, 7);
    hidden.clear();
}

void load_picture(Lesson& lesson, std::string_view name, const std::string& path) {
    platform::check_picture_path(path);
    lesson.pictures.insert_or_assign(std::string(name),
                                     platform::Picture::load(lesson.io.drive.to_host(path)));
}

void load_pictures(Lesson& lesson) {
    for (std::string_view name : kFramePictures)
        load_picture(lesson, name, lesson.data_folder + std::string(name));
    for (std::string_view name : lesson.unit.data_pictures)
        load_picture(lesson, name, lesson.data_folder + std::string(name));
    for (std::string_view name : lesson.unit.folder_pictures)
        load_picture(lesson, name, std::string(name));
}

void draw_blackboard_tag(platform::Surface& tag) {
    tag.draw_circle({10, 10}, 6, 5, 1, 5);
    tag.draw_line({8, 5}, {12, 5}, 15);
    tag.draw_line({10, 2}, {10, 5}, 15);
    tag.set_palette_entry(7, 255, 255, 255);
    tag.draw_scaled_text({74, 0}, "Blackboard", 1, 1, 7);
}

platform::Form& build_at(Lesson& lesson, std::string_view name, QPoint at) {
    platform::Form& form = lesson.io.windows.build(name);
    form.move_to(at);
    return form;
}

void set_font(platform::Form& form, const std::optional<Font>& font) {
    if (font) form.set_font(font->face, font->size);
}

void build_answer_bar(Lesson& lesson, const AnswerBar& bar) {
    platform::Form& form = build_at(lesson, bar.form, {0, 414});
    form.make_topmost();
    form.hide();
    set_font(form, bar.font);
}

void build_window_set(Lesson& lesson) {
    platform::Form& strip = build_at(lesson, "FORM5", {0, 480});
    strip.surface().draw_picture(lesson.picture("\\ｻｲｹ.BMP"), {5, 0});
    strip.surface().draw_picture(lesson.picture("\\ｽﾄﾗｲﾌﾟ.BMP"), {605, 25});
    strip.show();

    set_font(build_at(lesson, "FORM3", {0, 414}), lesson.unit.entry_bar_font);

    platform::Form& tag = build_at(lesson, "FORM4", {0, 0});
    tag.show();
    draw_blackboard_tag(tag.surface());
    tag.make_topmost();

    platform::Form& mascots = build_at(lesson, "FORM6", {641, 0});
    mascots.surface().draw_picture(lesson.picture("\\ﾎﾟｺ.BMP"), {5, 25});
    mascots.surface().draw_picture(lesson.picture("\\ﾐﾙ.BMP"), {5, 235});
    mascots.show();

    const auto& bars = lesson.unit.bars;
    build_answer_bar(lesson, bars.front());
    platform::Form& navigation = build_at(lesson, "FORM8", {0, 440});
    navigation.show();
    navigation.make_topmost();
    for (std::size_t i = 1; i < bars.size(); ++i) build_answer_bar(lesson, bars[i]);

    lesson.field("EDIT1").set_font_size(14);
    for (const AnswerBar& bar : bars)
        for (const AnswerField& field : bar.fields) lesson.field(field.name).set_font_size(14);
}

void clear_pass_flags(Lesson& lesson) {
    lesson.pass_flags.clear();
    for (int count : lesson.unit.record_layout().flag_counts)
        lesson.pass_flags.emplace_back(static_cast<std::size_t>(count), 0);
}

}  // namespace

void set_lesson_palette(platform::Surface& surface) {
    for (const PaletteEntry& entry : kLessonPalette)
        surface.set_palette_entry(entry.index, entry.green, entry.red, entry.blue);
}

void start_up(Lesson& lesson) {
    set_up_canvas(lesson);
    if (lesson.unit.canvas_keeps_drawing) {
        lesson.canvas().set_map_mode(1);
        lesson.canvas().set_redraw_mode(1);
    }
    if (lesson.unit.drawing_window) set_up_drawing_window(lesson, *lesson.unit.drawing_window);
    lesson.base_folder = platform::base_folder(lesson.io.drive.current_folder());
    lesson.data_folder = platform::data_folder(lesson.base_folder);
    load_pictures(lesson);
    for (int i = 0; i < lesson.unit.bitmap_objects; ++i)
        lesson.bitmap_objects.emplace_back(platform::SurfaceKind::Bitmap, 0, 0);
    lesson.fresh_start = lesson.unit.fresh_start;
    lesson.request = kIdle;
    platform::Surface& canvas = lesson.canvas();
    set_lesson_palette(canvas);
    canvas.set_colours(7, 0, 7);
    canvas.set_font("標準明朝", 16);
    clear_pass_flags(lesson);
    load_progress(lesson);
    draw_contents(lesson);
    build_window_set(lesson);
}

}  // namespace frame
