// Reading form description streams written byte by byte: what the reader
// keeps, where it stops, and that a damaged stream is an error, not a crash.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/form_description.h"
#include "platform/run_error.h"

namespace {

using platform::EventKind;
using platform::FormDescription;
using platform::RunError;
using platform::WindowKind;

// A stream put together item by item, little-endian.
struct Bytes {
    std::vector<std::uint8_t> b;
    Bytes& u16(int v) { b.push_back(v & 0xff); b.push_back((v >> 8) & 0xff); return *this; }
    Bytes& u32(std::uint32_t v) { u16(v & 0xffff); return u16(v >> 16); }
    Bytes& raw(const std::string& s) { b.insert(b.end(), s.begin(), s.end()); b.push_back(0); return *this; }
};

// An entry bar: a form with an edit field and a button, the caption of the
// button in Shift-JIS, closing items after the child list.
Bytes entry_bar(const std::string& magic = "QK", int version = 1) {
    Bytes s;
    s.b = {std::uint8_t(magic[0]), std::uint8_t(magic[1])};
    s.u16(version).u16(0x01);
    s.u16(0x09).raw("FORM3").raw("");
    s.u16(0x0a).u16(0).u32(0x2);
    s.u16(0x0c).u16(11).u16(147).u16(642).u16(29);
    s.u16(0x20).u16(14);
    s.u16(0x50).u16(0x01).u16(0x6e).raw("FORM3_MOUSEDOWN").u16(0x02);
    s.u16(0x01);
    s.u16(0x0a).u16(7).u32(0x802c00).u16(0x15).raw("EDIT1");
    s.u16(0x0c).u16(128).u16(0).u16(64).u16(22);
    s.u16(0x50).u16(0x01).u16(0x66).raw("EDIT1_CHANGE").u16(0x69).raw("EDIT1_SETFOCUS").u16(0x02);
    s.u16(0x0a).u16(3).u32(0xc00).u16(0x15).raw("BUTTON1");
    s.u16(0x0b).raw("\x93\x9a\x82\xa6");  // 答え
    s.u16(0x22).u32(0x00332211);
    s.u16(0x02);
    s.u16(0x0d).u16(0).u16(0x0e).u16(0);
    s.u16(0x02);
    return s;
}

int error_of(const std::vector<std::uint8_t>& bytes) {
    try {
        platform::read_form_stream(bytes);
    } catch (const RunError& e) {
        return e.number();
    }
    return 0;
}

TEST(FormStream, ReadsTheFormItsControlsAndTheClosingItems) {
    const FormDescription form = platform::read_form_stream(entry_bar().b);
    EXPECT_EQ(form.class_name, "FORM3");
    EXPECT_EQ(form.style, 0x2u);
    EXPECT_EQ(form.place, (platform::Geometry{11, 147, 642, 29}));
    EXPECT_EQ(form.background_colour, 14);
    EXPECT_EQ(form.text_colour, 7);  // no item: the defaults
    EXPECT_EQ(form.drawing_colour, 15);
    EXPECT_FALSE(form.coordinate_mode.has_value());
    EXPECT_EQ(form.frame_setting, 0);  // a closing item after the controls
    ASSERT_EQ(form.events.size(), 1u);
    EXPECT_EQ(form.events[0], (platform::EventHandler{EventKind::MouseDown, "FORM3_MOUSEDOWN"}));

    ASSERT_EQ(form.controls.size(), 2u);
    const auto& edit = form.control("EDIT1");
    EXPECT_EQ(edit.kind, WindowKind::EditField);
    EXPECT_EQ(edit.style, 0x802c00u);
    EXPECT_EQ(edit.place.x, 128);
    ASSERT_EQ(edit.events.size(), 2u);
    EXPECT_EQ(edit.events[1].kind, EventKind::SetFocus);
    EXPECT_EQ(edit.events[1].handler, "EDIT1_SETFOCUS");

    const auto& button = form.control("BUTTON1");
    EXPECT_EQ(button.caption, "答え");
    EXPECT_EQ(button.text_rgb, (platform::Rgb{0x11, 0x22, 0x33}));
    EXPECT_TRUE(button.events.empty());
    EXPECT_EQ(&form.controls[1], &button);
}

TEST(FormStream, AnEventListEndsAtTheFirstCodeBelowTheLowestEvent) {
    Bytes form;
    form.u16(0).u16(0).u16(1).u16(0x0a).u16(0).u32(2);
    form.u16(0x50).u16(0x01).u16(0x64).raw("FORM_LOWEST").u16(0x6c).raw("FORM_CLICK").u16(0x63);
    form.u16(0x02);
    const FormDescription read = platform::read_form_stream(form.b);
    ASSERT_EQ(read.events.size(), 2u);
    EXPECT_EQ(read.events[0], (platform::EventHandler{EventKind{0x64}, "FORM_LOWEST"}));
    EXPECT_EQ(read.events[1], (platform::EventHandler{EventKind::Click, "FORM_CLICK"}));
}

TEST(FormStream, MagicAndVersionAreNotChecked) {
    const FormDescription usual = platform::read_form_stream(entry_bar().b);
    const FormDescription other = platform::read_form_stream(entry_bar("ZZ", 7).b);
    EXPECT_EQ(other.class_name, usual.class_name);
    EXPECT_EQ(other.place, usual.place);
    ASSERT_EQ(other.controls.size(), usual.controls.size());
    EXPECT_EQ(other.controls[1].caption, usual.controls[1].caption);
}

TEST(FormStream, AnItemOutsideTheTableStopsTheReading) {
    Bytes unknown_on_form;
    unknown_on_form.u16(0).u16(0).u16(1).u16(0x0a).u16(0).u32(2).u16(0x11).u16(5).u16(2);
    EXPECT_EQ(error_of(unknown_on_form.b), 1014);

    Bytes unknown_in_controls;
    unknown_in_controls.u16(0).u16(0).u16(1).u16(0x0a).u16(0).u32(2).u16(1);
    unknown_in_controls.u16(0x0a).u16(7).u32(0).u16(0x0051).u16(2).u16(2);
    EXPECT_EQ(error_of(unknown_in_controls.b), 1014);

    // Bitmap-button items belong to bitmap buttons only.
    Bytes button_item_on_edit;
    button_item_on_edit.u16(0).u16(0).u16(1).u16(0x0a).u16(0).u32(2).u16(1);
    button_item_on_edit.u16(0x0a).u16(7).u32(0).u16(0x38).u16(30).u16(2).u16(2);
    EXPECT_EQ(error_of(button_item_on_edit.b), 1014);

    Bytes button_item_on_form;
    button_item_on_form.u16(0).u16(0).u16(1).u16(0x0a).u16(0).u32(2).u16(0x37).u16(85).u16(33).u16(2);
    EXPECT_EQ(error_of(button_item_on_form.b), 1014);

    Bytes button_item_on_button;
    button_item_on_button.u16(0).u16(0).u16(1).u16(0x0a).u16(0).u32(2).u16(1);
    button_item_on_button.u16(0x0a).u16(15).u32(0x800).u16(0x38).u16(45).u16(2).u16(2);
    EXPECT_EQ(platform::read_form_stream(button_item_on_button.b).controls[0].button.frame_pause_ms, 45);
}

TEST(FormStream, EveryTruncationIsAnError) {
    const std::vector<std::uint8_t> whole = entry_bar().b;
    for (std::size_t length = 0; length < whole.size(); ++length) {
        const std::vector<std::uint8_t> cut(whole.begin(), whole.begin() + length);
        EXPECT_EQ(error_of(cut), 1014) << "cut after " << length << " bytes";
    }
    EXPECT_EQ(error_of(whole), 0);
}

TEST(FormStream, ControlsAreFoundByNameOnly) {
    const FormDescription form = platform::read_form_stream(entry_bar().b);
    const auto error_finding = [&](const std::string& name) {
        try {
            form.control(name);
        } catch (const RunError& e) {
            return e.number();
        }
        return 0;
    };
    EXPECT_EQ(error_finding("EDIT2"), 1013);
    EXPECT_EQ(error_finding("FORM3"), 1013);  // the form is no control
    EXPECT_EQ(error_finding(""), 5);
    EXPECT_EQ(error_finding(std::string(22, 'E')), 5);
    EXPECT_EQ(error_finding(std::string(21, 'E')), 1013);
}

}  // namespace
