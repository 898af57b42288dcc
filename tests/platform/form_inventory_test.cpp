// The forms of expr-solve-2 as the program embeds them: each loads by name
// and holds the controls, handlers, places, colours and fonts the windows
// are built from.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/form_description.h"
#include "platform/run_error.h"

namespace {

using platform::EventKind;
using platform::FormDescription;
using platform::WindowKind;

FormDescription form_named(std::string_view name) {
    return platform::load_form(":/expr-solve-2/forms", name);
}

struct FormLook {
    const char* name;
    std::uint32_t style;
    platform::Geometry place;
    const char* font;
    int charset;
    int text, drawing, background;
    const char* handler_prefix;  // the form whose names its own event list uses
};

const FormLook kForms[] = {
    {"MAINFORM", 0x1, {0, 0, 640, 430}, "ＭＳ Ｐ明朝", 1, 7, 15, 15, "MAINFORM"},
    {"FORM2", 0x1c4, {76, 44, 648, 459}, "FixedSys", 128, 0, 0, 15, "FORM11"},
    {"FORM3", 0x2, {11, 147, 642, 29}, "ＭＳ Ｐゴシック", 1, 0, 0, 14, "FORM3"},
    {"FORM4", 0x2, {53, 151, 642, 22}, "FixedSys", 128, 7, 0, 2, "FORM4"},
    {"FORM5", 0x2, {21, 456, 812, 93}, "FixedSys", 128, 0, 0, 14, "FORM5"},
    {"FORM6", 0x2, {318, 0, 171, 480}, "ＭＳ Ｐゴシック", 1, 0, 0, 14, "FORM6"},
    {"FORM7", 0x2, {72, 213, 642, 29}, "ＭＳ Ｐゴシック", 1, 0, 0, 14, "FORM7"},
    {"FORM8", 0x2, {0, 106, 642, 40}, "FixedSys", 128, 0, 0, 14, "FORM2"},
    {"FORM9", 0x2, {13, 168, 642, 29}, "ＭＳ Ｐ明朝", 1, 0, 0, 14, "FORM9"},
    {"FORM10", 0x2, {53, 146, 642, 29}, "ＭＳ Ｐ明朝", 1, 0, 0, 14, "FORM9"},
    {"FORM11", 0x2, {43, 125, 642, 29}, "FixedSys", 128, 0, 0, 14, "FORM10"},
};

std::vector<std::string> names_of(const FormDescription& form) {
    std::vector<std::string> names;
    for (const auto& control : form.controls) names.push_back(control.name);
    return names;
}

std::string handler_for(const platform::WindowDescription& window, EventKind kind) {
    for (const auto& event : window.events)
        if (event.kind == kind) return event.handler;
    return "";
}

TEST(FormInventory, EveryFormHasItsPlaceLookAndEventNames) {
    for (const FormLook& look : kForms) {
        SCOPED_TRACE(look.name);
        const FormDescription form = form_named(look.name);
        EXPECT_EQ(form.class_name, look.name);
        EXPECT_EQ(form.style, look.style);
        EXPECT_EQ(form.place, look.place);
        EXPECT_EQ(form.font, (platform::FontChoice{look.font, look.charset, 12}));
        EXPECT_EQ(form.font_size, std::string(look.name) == "MAINFORM" ? 16 : 18);
        EXPECT_EQ(form.text_colour, look.text);
        EXPECT_EQ(form.drawing_colour, look.drawing);
        EXPECT_EQ(form.background_colour, look.background);
        EXPECT_EQ(form.redraw_mode, 1);
        EXPECT_EQ(form.frame_setting, std::string(look.name) == "FORM2" ? 0 : 1);
        EXPECT_EQ(form.copy_menu, std::string(look.name) == "FORM2");
        EXPECT_FALSE(form.starts_disabled);
        const std::string prefix = look.handler_prefix;
        EXPECT_EQ(handler_for(form, EventKind::MouseDown), prefix + "_MOUSEDOWN");
        EXPECT_EQ(handler_for(form, EventKind::QueryClose), prefix + "_QUERYCLOSE");
        const bool focus_events = std::string(look.name) == "FORM10" || std::string(look.name) == "FORM11";
        EXPECT_EQ(handler_for(form, EventKind::SetFocus), focus_events ? prefix + "_SETFOCUS" : "");
    }
    EXPECT_FALSE(form_named("FORM6").coordinate_mode.has_value());
    EXPECT_FALSE(form_named("FORM8").coordinate_mode.has_value());
    EXPECT_EQ(form_named("FORM3").coordinate_mode, 1);
    EXPECT_EQ(form_named("FORM6").grid, (platform::Pair{80, 60}));
    EXPECT_FALSE(form_named("FORM5").grid.has_value());
}

TEST(FormInventory, BarsHoldTheirFieldsAndButtonsInDescriptionOrder) {
    EXPECT_EQ(names_of(form_named("FORM3")), (std::vector<std::string>{"EDIT1", "BUTTON1"}));
    EXPECT_EQ(names_of(form_named("FORM7")), (std::vector<std::string>{"BUTTON2", "EDIT2"}));
    EXPECT_EQ(names_of(form_named("FORM9")), (std::vector<std::string>{"EDIT3", "EDIT4", "BUTTON3"}));
    EXPECT_EQ(names_of(form_named("FORM10")),
              (std::vector<std::string>{"EDIT5", "EDIT6", "EDIT7", "BUTTON4"}));
    EXPECT_EQ(names_of(form_named("FORM11")),
              (std::vector<std::string>{"EDIT8", "EDIT9", "EDIT10", "EDIT11", "BUTTON5"}));

    const FormDescription four = form_named("FORM11");
    const int field_x[] = {104, 184, 264, 344};
    for (int i = 0; i < 4; ++i) {
        const auto& field = four.controls[i];
        EXPECT_EQ(field.kind, WindowKind::EditField);
        EXPECT_EQ(field.style, 0x802c00u);
        EXPECT_EQ(field.place, (platform::Geometry{field_x[i], 0, 40, 22}));
        EXPECT_EQ(field.background_rgb, (platform::Rgb{255, 255, 255}));
        EXPECT_EQ(handler_for(field, EventKind::Change), field.name + "_CHANGE");
        EXPECT_EQ(handler_for(field, EventKind::KillFocus), field.name + "_KILLFOCUS");
    }
    const FormDescription single = form_named("FORM7");
    const auto& ok = single.control("BUTTON2");
    EXPECT_EQ(ok.kind, WindowKind::PushButton);
    EXPECT_EQ(ok.caption, "O  K");
    EXPECT_EQ(ok.place, (platform::Geometry{320, 0, 80, 22}));
    EXPECT_EQ(ok.background_rgb, (platform::Rgb{192, 192, 192}));
    EXPECT_EQ(ok.font, (platform::FontChoice{"ＭＳ Ｐゴシック", 1, 12}));
    EXPECT_EQ(ok.font_size, 10);
    EXPECT_EQ(handler_for(ok, EventKind::On), "BUTTON2_ON");
    EXPECT_EQ(form_named("FORM9").control("EDIT4").place.x, 296);
}

TEST(FormInventory, NavigationBarHoldsSevenPictureButtons) {
    const FormDescription bar = form_named("FORM8");
    ASSERT_EQ(bar.controls.size(), 7u);
    const int x[] = {96, 8, 184, 272, 360, 448, 536};
    const char* bitmap[] = {"befor", "last", "next", "where", "head", "top", "exit"};
    for (int i = 0; i < 7; ++i) {
        const auto& button = bar.controls[i];
        const std::string name = "BMPBUTTON" + std::to_string(i + 1);
        SCOPED_TRACE(name);
        EXPECT_EQ(button.name, name);
        EXPECT_EQ(button.kind, WindowKind::BitmapButton);
        EXPECT_EQ(button.style, 0x800u);
        EXPECT_EQ(button.place, (platform::Geometry{x[i], 0, 85, 33}));
        EXPECT_EQ(button.bitmap, bitmap[i]);
        EXPECT_EQ(button.button, (platform::BitmapButtonSettings{0, 1, 2, {85, 33}, 30, 1}));
        EXPECT_EQ(button.tooltip, i == 0 ? "前のページへ" : "");
        EXPECT_EQ(handler_for(button, EventKind::On), name + "_ON");
    }
}

TEST(FormInventory, CanvasAndMascotPanelControls) {
    const FormDescription canvas = form_named("MAINFORM");
    const auto& sound = canvas.control("MCI1");
    EXPECT_EQ(sound.kind, WindowKind::MciControl);
    EXPECT_EQ(sound.style, 0u);
    EXPECT_EQ(sound.place, (platform::Geometry{312, 306, 48, 30}));
    EXPECT_EQ(handler_for(sound, EventKind::Done), "MCI1_DONE");

    const FormDescription panel = form_named("FORM6");
    const auto& notice = panel.control("TEXT2");
    EXPECT_EQ(notice.kind, WindowKind::Label);
    EXPECT_EQ(notice.style, 0x10800u);
    EXPECT_EQ(notice.place, (platform::Geometry{24, 440, 120, 16}));
    EXPECT_FALSE(notice.caption.empty());
    EXPECT_EQ(notice.font_size, 9);
    EXPECT_EQ(handler_for(notice, EventKind::DoubleClick), "TEXT2_DBLCLICK");

    for (const char* empty : {"FORM2", "FORM4", "FORM5"})
        EXPECT_TRUE(form_named(empty).controls.empty()) << empty;
    EXPECT_EQ(handler_for(form_named("FORM4"), EventKind::MouseDown), "FORM4_MOUSEDOWN");
}

TEST(FormInventory, BadNamesAndMissingFormsAreRunErrors) {
    const auto error_loading = [](const std::string& name) {
        try {
            form_named(name);
        } catch (const platform::RunError& e) {
            return e.number();
        }
        return 0;
    };
    EXPECT_EQ(error_loading(""), 5);
    EXPECT_EQ(error_loading(std::string(22, 'F')), 5);
    EXPECT_EQ(error_loading("FORM12"), 1012);
    EXPECT_EQ(error_loading(std::string(21, 'F')), 1012);
    EXPECT_EQ(error_loading("FORM11"), 0);
}

}  // namespace
