// The program's windows: building, placing, stacking, events and pictures of
// the screen.

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include "platform/edit_field.h"
#include "platform/run_error.h"
#include "tests/platform/window_set_fixture.h"

namespace platform::testing {
namespace {

using Names = std::vector<std::string>;

int error_of(const std::function<void()>& action) {
    try {
        action();
    } catch (const RunError& error) {
        return error.number();
    }
    return 0;
}

TEST_F(WindowSetTest, FormsAreBuiltHiddenAndTakeThePlacesTheyAreGiven) {
    Form& canvas = windows->build("MAINFORM");
    EXPECT_FALSE(canvas.is_visible());
    EXPECT_EQ(canvas.client_size(), QSize(640, 430));   // the description's size at first
    canvas.move_to({0, 22});
    canvas.set_client_size({640, 417});
    canvas.show();
    EXPECT_EQ(canvas.position(), QPoint(0, 22));
    EXPECT_EQ(canvas.window_widget()->geometry(), QRect(0, 22, 640, 417));
    EXPECT_TRUE(canvas.window_widget()->windowFlags() & Qt::FramelessWindowHint);

    // Made topmost, then hidden again, as the answer bars are at start-up.
    Form& bar = windows->build("FORM7");
    bar.move_to({0, 414});
    bar.make_topmost();
    EXPECT_TRUE(bar.is_visible());
    EXPECT_TRUE(bar.is_topmost());
    EXPECT_EQ(bar.position(), QPoint(0, 414));
    bar.hide();
    EXPECT_FALSE(bar.is_visible());
    bar.show();
    EXPECT_EQ(bar.window_widget()->geometry(), QRect(0, 414, 642, 29));
    EXPECT_TRUE(bar.window_widget()->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(canvas.is_topmost());

    EXPECT_EQ(&windows->build("FORM7"), &bar);
    EXPECT_EQ(&windows->form("FORM7"), &bar);
    EXPECT_TRUE(windows->has_form("MAINFORM"));
    EXPECT_FALSE(windows->has_form("FORM9"));

    // Controls sit at their description places, in their fonts.
    QWidget* edit = bar.control_widget("EDIT2");
    EXPECT_EQ(edit->geometry(), QRect(128, 0, 64, 22));
    EXPECT_EQ(edit->font().family(), "IPAGothic");  // digits half an em wide
    EXPECT_EQ(edit->font().pixelSize(), 13);        // 10 points on the forms' 96-dpi screen
    EXPECT_EQ(bar.control_widget("BUTTON2")->geometry(), QRect(320, 0, 80, 22));
    EXPECT_EQ(canvas.control_widget("MCI1"), nullptr);
    auto* notice = qobject_cast<QLabel*>(windows->build("FORM6").control_widget("TEXT2"));
    ASSERT_NE(notice, nullptr);
    EXPECT_EQ(notice->alignment(), Qt::AlignCenter);
    EXPECT_EQ(notice->font().pixelSize(), 12);  // 9 points

    // Fields black on white, buttons and labels black on grey.
    const auto colours = [](const QWidget* control, QPalette::ColorRole ink, QPalette::ColorRole paper) {
        return std::pair(control->palette().color(ink).rgb(), control->palette().color(paper).rgb());
    };
    EXPECT_EQ(colours(edit, QPalette::Text, QPalette::Base), std::pair(qRgb(0, 0, 0), qRgb(255, 255, 255)));
    EXPECT_EQ(colours(bar.control_widget("BUTTON2"), QPalette::ButtonText, QPalette::Button),
              std::pair(qRgb(0, 0, 0), qRgb(192, 192, 192)));
    EXPECT_EQ(colours(notice, QPalette::WindowText, QPalette::Window),
              std::pair(qRgb(0, 0, 0), qRgb(192, 192, 192)));
}

TEST_F(WindowSetTest, BadNamesAreRunTimeErrors) {
    EXPECT_EQ(error_of([&] { windows->build(""); }), 5);
    EXPECT_EQ(error_of([&] { windows->build("FORM78901234567890123X"); }), 5);
    EXPECT_EQ(error_of([&] { windows->build("FORM99"); }), 1012);
    EXPECT_EQ(error_of([&] { windows->form("FORM3"); }), 1014);
    Form& bar = windows->build("FORM7");
    EXPECT_EQ(error_of([&] { bar.edit("BUTTON2"); }), 1013);
    EXPECT_EQ(error_of([&] { bar.edit("EDIT1"); }), 1013);
    EXPECT_EQ(error_of([&] { bar.control_widget(""); }), 5);
    EXPECT_EQ(bar.edit("EDIT2").form().name(), "FORM7");
}

TEST_F(WindowSetTest, AFieldsFontSizeBelow1IsError5AndChangesNothing) {
    Form& bar = windows->build("FORM7");
    const QFont before = bar.control_widget("EDIT2")->font();
    EXPECT_EQ(error_of([&] { bar.edit("EDIT2").set_font_size(0); }), 5);
    EXPECT_EQ(bar.control_widget("EDIT2")->font(), before);
}

TEST_F(WindowSetTest, ControlEventsAreQueuedOnlyWhereTheProgramHasTheHandler) {
    Form& bar = shown("FORM7", {0, 414});
    QTest::mouseClick(bar.control_widget("BUTTON2"), Qt::LeftButton);
    EditField& answer = bar.edit("EDIT2");
    answer.focus();
    QTest::keyClicks(focused(), "34");
    EXPECT_EQ(answer.text(), "34");
    QTest::mouseClick(bar.window_widget(), Qt::LeftButton, {}, {5, 5});   // no FORM7_MOUSEDOWN
    EXPECT_EQ(handlers_run(), (Names{"BUTTON2_ON", "EDIT2_CHANGE", "EDIT2_CHANGE"}));

    // The program has no EDIT1_CHANGE: typing in the entry bar queues nothing.
    Form& entry = shown("FORM3", {0, 414});
    entry.edit("EDIT1").focus();
    QTest::keyClicks(focused(), "2");
    entry.edit("EDIT1").set_text("");
    EXPECT_EQ(entry.edit("EDIT1").text(), "");
    EXPECT_EQ(queue.size(), 0u);
    QTest::mouseClick(entry.control_widget("BUTTON1"), Qt::LeftButton);
    const auto event = queue.pop();
    ASSERT_TRUE(event);
    EXPECT_EQ(event->form, "FORM3");
    EXPECT_EQ(event->control, "BUTTON1");
    EXPECT_EQ(event->kind, EventKind::On);
}

// A field shows a text whole, unscrolled with the cursor after it, while the
// text is no wider than the field's room; at 14 points its half-width digits
// are 9 pixels, half of the 18-pixel em.
TEST_F(WindowSetTest, AFieldShowsWholeATextAsWideAsItsRoom) {
    Form& bar = shown("FORM7", {0, 414});
    bar.edit("EDIT2").set_font_size(14);
    auto* field = qobject_cast<QLineEdit*>(bar.control_widget("EDIT2"));
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->font().pixelSize(), 18);
    const QString text = "379.94";
    const int width = QFontMetrics(field->font()).horizontalAdvance(text);
    EXPECT_EQ(width, 54);
    field->setText(text);
    const auto shows_whole = [&] {
        field->setCursorPosition(0);
        const QImage start = field->grab().toImage();
        field->setCursorPosition(int(text.size()));
        return field->grab().toImage() == start;
    };
    for (int side = width; side <= width + 8; ++side) {
        field->resize(side, field->height());
        EXPECT_EQ(shows_whole(), width <= text_room(*field)) << side << " pixels wide";
    }
    field->resize(64, field->height());
    EXPECT_GE(text_room(*field), width);  // as the form has it
}

TEST_F(WindowSetTest, SettingAFieldsTextQueuesItsChangeEvenWhenNothingChanges) {
    EditField& answer = windows->build("FORM7").edit("EDIT2");
    answer.set_text("");
    answer.set_text("");
    answer.set_text("答え");
    EXPECT_EQ(answer.text(), "答え");
    EXPECT_EQ(handlers_run(), (Names{"EDIT2_CHANGE", "EDIT2_CHANGE", "EDIT2_CHANGE"}));
}

// The left and the right button only: a middle press does nothing.
TEST_F(WindowSetTest, ALeftOrRightPressOnTheTagIsAMouseDownAtThatPlace) {
    Form& tag = shown("FORM4");
    shown("FORM7", {0, 414});
    QTest::mousePress(tag.window_widget(), Qt::MiddleButton, {}, {50, 9});
    QTest::mousePress(tag.window_widget(), Qt::RightButton, {}, {30, 7});
    EXPECT_FALSE(tag.has_focus());
    QTest::mousePress(tag.window_widget(), Qt::LeftButton, {}, {100, 12});
    windows->read_input();
    EXPECT_TRUE(tag.has_focus());
    const auto right = queue.pop();
    const auto left = queue.pop();
    ASSERT_TRUE(right && left);
    EXPECT_EQ(right->handler, "FORM4_MOUSEDOWN");
    EXPECT_EQ(right->kind, EventKind::MouseDown);
    EXPECT_EQ(right->position, QPoint(30, 7));
    EXPECT_EQ(left->position, QPoint(100, 12));
    EXPECT_EQ(left->control, "");
    EXPECT_FALSE(queue.pop());
}

TEST_F(WindowSetTest, InputIsReadOnlyWhenTheProgramReadsIt) {
    Form& bar = shown("FORM7", {0, 414});
    bar.edit("EDIT2").focus();
    QCoreApplication::postEvent(focused(),
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_7, Qt::NoModifier, "7"));
    EXPECT_EQ(queue.size(), 0u);
    windows->read_input();
    EXPECT_EQ(handlers_run(), Names{"EDIT2_CHANGE"});
    EXPECT_EQ(bar.edit("EDIT2").text(), "7");
}

TEST_F(WindowSetTest, WaitingEndsWithAnEventOrWhenTheCanvasIsClosed) {
    Form& bar = shown("FORM7", {0, 414});
    QTimer::singleShot(5, [&] { QTest::mouseClick(bar.control_widget("BUTTON2"), Qt::LeftButton); });
    windows->wait_for_event();
    EXPECT_EQ(handlers_run(), Names{"BUTTON2_ON"});

    // The system may close the canvas, and no other window.
    Form& canvas = shown("MAINFORM", {0, 22});
    bar.window_widget()->close();
    EXPECT_TRUE(bar.is_visible());
    EXPECT_FALSE(windows->canvas_closed());
    QTimer::singleShot(5, [&] { canvas.window_widget()->close(); });
    windows->wait_for_event();
    EXPECT_TRUE(windows->canvas_closed());
    EXPECT_EQ(queue.size(), 0u);
}

// Colour of the composed screen at a pixel.
QRgb at(const QImage& screen, int x, int y) { return screen.pixel(x, y) & 0xffffff; }

constexpr QRgb kWhite = 0xffffff, kLightGrey = 0xc0c0c0, kNavy = 0x000080, kBlack = 0x000000;

TEST_F(WindowSetTest, TheScreenshotStacksTopmostFormsAboveTheOthers) {
    Form& tag = shown("FORM4", {0, 0});
    tag.make_topmost();
    Form& navigation = shown("FORM8", {0, 440});
    navigation.make_topmost();
    Form& canvas = shown("MAINFORM", {0, 22});   // shown last, white
    canvas.set_client_size({640, 440});
    Form& mascot = shown("FORM6", {641, 0});

    QImage screen = windows->screenshot();
    EXPECT_EQ(screen.size(), QSize(812, 480));
    EXPECT_EQ(at(screen, 600, 10), kNavy);       // the tag
    EXPECT_EQ(at(screen, 300, 100), kWhite);     // the canvas
    EXPECT_EQ(at(screen, 2, 450), kLightGrey);   // the bar over the canvas
    EXPECT_EQ(at(screen, 700, 100), kLightGrey);  // the mascot panel
    EXPECT_NE(at(screen, 200, 455), kWhite);     // a navigation button's picture
    EXPECT_EQ(at(screen, 640, 100), kBlack);     // between the canvas and the panel: no form

    // Showing a visible form leaves it where it is; shown anew it is above
    // the ordinary forms shown before it.
    Form& entry = shown("FORM3", {0, 414});
    EXPECT_EQ(at(windows->screenshot(), 200, 420), kLightGrey);
    canvas.show();
    EXPECT_EQ(at(windows->screenshot(), 200, 420), kLightGrey);
    canvas.hide();
    canvas.show();
    EXPECT_EQ(at(windows->screenshot(), 200, 420), kWhite);
    entry.hide();
    mascot.hide();
    EXPECT_EQ(windows->screenshot().size(), QSize(642, 480));

    // The fields of a shown bar are white on its grey.
    Form& bar = shown("FORM7", {0, 414});
    bar.make_topmost();
    screen = windows->screenshot();
    EXPECT_EQ(at(screen, 150, 425), kWhite);
    EXPECT_EQ(at(screen, 100, 425), kLightGrey);
    // What the program draws there in the bar's drawing colour is black.
    bar.surface().fill_box({0, 0}, {20, 5}, bar.surface().state().drawing_colour);
    EXPECT_EQ(at(windows->screenshot(), 5, 416), kBlack);
}

// As at start-up, the answer bar is made topmost and hidden before the entry
// bar is first shown at the same place; shown after it, it covers it.
TEST_F(WindowSetTest, AnAnswerBarShownAfterTheEntryBarCoversIt) {
    Form& answer = windows->build("FORM7");
    answer.move_to({0, 414});
    answer.make_topmost();
    answer.hide();
    Form& entry = shown("FORM3", {0, 414});
    entry.surface().fill_box({0, 0}, {60, 20}, 4);
    const QRgb entry_mark = at(windows->screenshot(), 10, 424);
    EXPECT_NE(entry_mark, kLightGrey);

    answer.show();
    EXPECT_EQ(at(windows->screenshot(), 10, 424), kLightGrey);
    entry.show();   // already visible: stays below
    EXPECT_EQ(at(windows->screenshot(), 10, 424), kLightGrey);
    answer.hide();
    EXPECT_EQ(at(windows->screenshot(), 10, 424), entry_mark);
}

// What the program draws reaches the window's own pixels on the screen soon
// after, however many drawings come before the window is repainted.
TEST_F(WindowSetTest, AWindowShowsWhatWasDrawnOnIt) {
    Form& canvas = shown("MAINFORM", {0, 22});
    const auto on_screen = [&](int x, int y) {
        const QPixmap window = QGuiApplication::primaryScreen()->grabWindow(
            canvas.window_widget()->winId());
        return at(window.toImage(), x, y);
    };
    const auto shows = [&](int x, int y, QRgb colour) {
        return QTest::qWaitFor([&] {
            windows->read_input();
            return on_screen(x, y) == colour;
        });
    };
    ASSERT_TRUE(shows(150, 150, kWhite));
    for (int i = 0; i < 50; ++i) {
        canvas.surface().fill_box({100, 100}, {200, 200}, i % 16);
        windows->read_input();
    }
    canvas.surface().set_point({300, 50}, 2);
    EXPECT_TRUE(shows(150, 150, 0x808080));   // the last of the boxes, colour 1
    EXPECT_TRUE(shows(300, 50, kNavy));
}

}  // namespace
}  // namespace platform::testing
