// The form compiler as the build runs it: a readable source in, a stream
// out that the programs' reader reads back item for item; a mistake in the
// source is reported with its line and leaves the output untouched.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/form_description.h"

namespace {

using platform::EventKind;
using platform::WindowKind;

struct Outcome {
    int exit_code = -1;
    std::string errors;
    std::vector<std::uint8_t> output;
};

class FormCompiler : public ::testing::Test {
protected:
    // Runs the compiler with these arguments; OUT in an argument is the
    // output file in a fresh folder.
    Outcome run(QStringList arguments) {
        const QString out = folder_.filePath("OUT");
        for (QString& argument : arguments)
            if (argument == "OUT") argument = out;
        QProcess compiler;
        compiler.start(QStringLiteral(COURSE_FORM_COMPILER), arguments);
        EXPECT_TRUE(compiler.waitForFinished(30000));
        Outcome result{compiler.exitCode(), compiler.readAllStandardError().toStdString(), {}};
        QFile file(out);
        if (file.open(QIODevice::ReadOnly)) {
            const QByteArray bytes = file.readAll();
            result.output.assign(bytes.begin(), bytes.end());
        }
        return result;
    }

    Outcome compile(const std::string& source) {
        QFile file(folder_.filePath("TEST.form"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(source.data(), static_cast<qint64>(source.size()));
        file.close();
        return run({file.fileName(), "OUT"});
    }

    QTemporaryDir folder_;
};

// One form that uses every item the stream knows.
const char* const kEveryItem = R"(# a form with everything
class "PANEL" icon "ICON1"
form style 0x1c4
nothing
caption "窓の名前"
place -5 10 300 200
text-colour 3
drawing-colour 4
background-colour 12
text-mode 4
grid 80 60
coordinate-mode 6
redraw 1
copy-menu 1
starts-minimized 1
starts-maximized 1
menu MENU1
pointer 0x7f00
pointer-resource "HAND"
scroll-range -3 97
scroll-steps 1 10
timer 2 -100000
ignored-26 1 2 3 4
ignored-3c 0xff 0 0 9
ignored-3e 1 1 8 8
bold 1
italic 1
underline 1
strike-out 1
font-name "Courier"
font "ＭＳ Ｐ明朝" charset 128 extra 12
font-size 16
on START      PANEL_START   # comments after items too
on QUERYCLOSE "PANEL_QUERYCLOSE"
controls
  control edit style 0x802c00
    name EDIT1
    text-rgb 1 2 3
    background-rgb 255 255 254
    on CHANGE EDIT1_CHANGE
  control bitmap-button style 0x800
    name BMPBUTTON1
    bitmap "befor"
    button-switching 0
    button-frames 1 3
    button-frame-size 85 33
    button-frame-pause 45
    button-flag 1
    tooltip "前のページへ"
    on ON BMPBUTTON1_ON
  control 12 style 0
    name "OTHER \"1\""
end
frame-setting 0
starts-disabled 1
)";

TEST_F(FormCompiler, EveryItemSurvivesTheRoundTrip) {
    const Outcome result = compile(kEveryItem);
    ASSERT_EQ(result.exit_code, 0) << result.errors;
    ASSERT_GE(result.output.size(), 8u);
    EXPECT_EQ(std::vector<std::uint8_t>(result.output.begin(), result.output.begin() + 6),
              (std::vector<std::uint8_t>{'Q', 'K', 1, 0, 1, 0}));
    EXPECT_EQ(std::vector<std::uint8_t>(result.output.end() - 2, result.output.end()),
              (std::vector<std::uint8_t>{2, 0}));

    const platform::FormDescription form = platform::read_form_stream(result.output);
    EXPECT_EQ(form.class_name, "PANEL");
    EXPECT_EQ(form.icon_name, "ICON1");
    EXPECT_EQ(form.kind, WindowKind::Form);
    EXPECT_EQ(form.style, 0x1c4u);
    EXPECT_EQ(form.caption, "窓の名前");
    EXPECT_EQ(form.place, (platform::Geometry{-5, 10, 300, 200}));
    EXPECT_EQ(form.text_colour, 3);
    EXPECT_EQ(form.drawing_colour, 4);
    EXPECT_EQ(form.background_colour, 12);
    EXPECT_EQ(form.text_mode, 4);
    EXPECT_EQ(form.grid, (platform::Pair{80, 60}));
    EXPECT_EQ(form.coordinate_mode, 6);
    EXPECT_EQ(form.redraw_mode, 1);
    EXPECT_TRUE(form.copy_menu && form.starts_minimized && form.starts_maximized);
    EXPECT_TRUE(form.starts_disabled);
    EXPECT_EQ(form.frame_setting, 0);
    EXPECT_EQ(form.menu, "MENU1");
    EXPECT_EQ(form.pointer, 0x7f00u);
    EXPECT_EQ(form.pointer_resource, "HAND");
    EXPECT_EQ(form.scroll_range, (platform::Pair{-3, 97}));
    EXPECT_EQ(form.scroll_steps, (platform::Pair{1, 10}));
    EXPECT_EQ(form.timer, (platform::Pair{2, -100000}));
    EXPECT_EQ(form.ignored, (std::vector<platform::IgnoredItem>{
                                {0x26, {1, 2, 3, 4}}, {0x3c, {255, 0, 0, 9}}, {0x3e, {1, 1, 8, 8}}}));
    EXPECT_TRUE(form.bold && form.italic && form.underline && form.strike_out);
    EXPECT_EQ(form.plain_font_name, "Courier");
    EXPECT_EQ(form.font, (platform::FontChoice{"ＭＳ Ｐ明朝", 128, 12}));
    EXPECT_EQ(form.font_size, 16);
    EXPECT_EQ(form.events, (std::vector<platform::EventHandler>{
                               {EventKind::Start, "PANEL_START"}, {EventKind::QueryClose, "PANEL_QUERYCLOSE"}}));

    ASSERT_EQ(form.controls.size(), 3u);
    const auto& edit = form.controls[0];
    EXPECT_EQ(edit.name, "EDIT1");
    EXPECT_EQ(edit.kind, WindowKind::EditField);
    EXPECT_EQ(edit.text_rgb, (platform::Rgb{1, 2, 3}));
    EXPECT_EQ(edit.background_rgb, (platform::Rgb{255, 255, 254}));
    EXPECT_EQ(edit.events, (std::vector<platform::EventHandler>{{EventKind::Change, "EDIT1_CHANGE"}}));

    const auto& button = form.control("BMPBUTTON1");
    EXPECT_EQ(button.kind, WindowKind::BitmapButton);
    EXPECT_EQ(button.bitmap, "befor");
    EXPECT_EQ(button.tooltip, "前のページへ");
    EXPECT_EQ(button.button, (platform::BitmapButtonSettings{0, 1, 3, {85, 33}, 45, 1}));

    EXPECT_EQ(static_cast<int>(form.controls[2].kind), 12);
    EXPECT_EQ(form.controls[2].name, "OTHER \"1\"");
}

TEST_F(FormCompiler, AMistakeNamesItsLineAndWritesNothing) {
    const std::string head = "class \"F\" icon \"\"\nform style 2\n";
    const struct {
        std::string source;
        int line;
    } mistakes[] = {
        {head + "colour 3\n", 3},                                          // no such item
        {head + "text-colour 16\n", 3},                                    // outside the palette
        {head + "place 1 2 3\n", 3},                                       // a value missing
        {head + "redraw 1 1\n", 3},                                        // one value too many
        {head + "caption \"©\"\n", 3},                                     // not in code page 932
        {head + "caption \"open\n", 3},                                    // no closing quote
        {head + "on PRESS F_PRESS\n", 3},                                  // no such event
        {head + "button-frame-pause 30\n", 3},                             // not a bitmap button
        {head + "controls\n  control edit style 0\n  button-flag 1\nend\n", 5},
        {head + "controls\n  name EDIT1\nend\n", 4},                       // before any control
        {head + "controls\n  control edit style 0\n  name \"\"\nend\n", 5},
        {head + "on START S\nredraw 1\non END E\n", 5},                    // events apart
        {head + "controls\n  control edit style 0\n", 5},                  // list not closed
        {"form style 2\n", 1},                                             // class first
    };
    for (const auto& mistake : mistakes) {
        QFile previous(folder_.filePath("OUT"));
        ASSERT_TRUE(previous.open(QIODevice::WriteOnly));
        previous.write("kept");
        previous.close();

        const Outcome result = compile(mistake.source);
        EXPECT_NE(result.exit_code, 0) << mistake.source;
        EXPECT_NE(result.errors.find("TEST.form:" + std::to_string(mistake.line) + ": "), std::string::npos)
            << mistake.source << " gave: " << result.errors;
        EXPECT_EQ(result.output, (std::vector<std::uint8_t>{'k', 'e', 'p', 't'})) << mistake.source;
    }
}

TEST_F(FormCompiler, WritesTheBitmapListAndTheVersionResource) {
    const Outcome list = run({"--bitmap-list", "OUT"});
    ASSERT_EQ(list.exit_code, 0) << list.errors;
    ASSERT_EQ(list.output.size(), 68u);
    EXPECT_EQ(std::string(list.output.begin(), list.output.begin() + 4), std::string("QK\x04\x00", 4));
    std::vector<std::string> names;
    for (auto at = list.output.begin() + 4; at != list.output.end();) {
        const auto end = std::find(at, list.output.end(), 0);
        ASSERT_NE(end, list.output.end());
        names.emplace_back(at, end);
        at = end + 1;
    }
    EXPECT_EQ(names, (std::vector<std::string>{"BEFOR.BMP", "EXIT.BMP", "HEAD.BMP", "LAST.BMP",
                                               "NEXT.BMP", "TOP.BMP", "WHERE.BMP"}));

    const Outcome version = run({"--version-info", "OUT"});
    ASSERT_EQ(version.exit_code, 0) << version.errors;
    EXPECT_EQ(version.output, (std::vector<std::uint8_t>{'Q', 'K', 0, 0, 5, 0, 16, 0}));
}

}  // namespace
