// The captions of the buttons and the labels of every form of every unit, as
// the program builds them at start-up: each shows whole inside its control,
// in a face whose letters have their own widths, so that the "O" of "O  K"
// is no digit zero.
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <gtest/gtest.h>

#include <string>

#include "tests/support/pupil.h"
#include "units/course_units.h"

namespace {

// Every form a unit may have.
std::vector<std::string> form_names() {
    std::vector<std::string> names{"MAINFORM"};
    for (int number = 2; number <= 12; ++number) names.push_back("FORM" + std::to_string(number));
    return names;
}

// Where a push button draws its caption: inside its bevel and margins.
QRect caption_room(const QPushButton& button) {
    QStyleOptionButton face;
    face.initFrom(&button);
    face.rect = button.rect();
    face.text = button.text();
    return button.style()->subElementRect(QStyle::SE_PushButtonContents, &face, &button);
}

// The text's extent in the widget's font fits the room.
testing::AssertionResult fits(const QWidget& control, const QString& text, QRect room) {
    const QFontMetrics metrics(control.font());
    const QSize text_size(metrics.horizontalAdvance(text), metrics.height());
    if (text_size.width() <= room.width() && text_size.height() <= room.height())
        return testing::AssertionSuccess();
    return testing::AssertionFailure()
           << control.objectName().toStdString() << " \"" << text.toStdString() << "\" takes "
           << text_size.width() << " x " << text_size.height() << " pixels, its room "
           << room.width() << " x " << room.height();
}

// The ink of the letter O in the font is wider than that of the digit zero.
testing::AssertionResult o_is_no_zero(const QFont& font) {
    const QFontMetrics metrics(font);
    const int o = metrics.boundingRect(QChar('O')).width();
    const int zero = metrics.boundingRect(QChar('0')).width();
    if (o > zero) return testing::AssertionSuccess();
    return testing::AssertionFailure() << font.family().toStdString() << " " << font.pixelSize()
                                       << ": O " << o << " pixels wide, 0 " << zero;
}

TEST(ControlCaptions, InEveryUnitEveryCaptionAndLabelShowsWholeAndItsOIsNoZero) {
    int buttons = 0;
    int labels = 0;
    for (const frame::Unit* unit : units::course_units()) {
        harness::Pupil pupil(*unit);
        for (const std::string& name : form_names()) {
            if (!pupil.windows().has_form(name)) continue;
            QWidget* form = pupil.windows().form(name).window_widget();
            for (const QPushButton* button : form->findChildren<QPushButton*>()) {
                EXPECT_TRUE(fits(*button, button->text(), caption_room(*button)))
                    << unit->name << " " << name;
                if (button->text().contains('O')) {
                    EXPECT_TRUE(o_is_no_zero(button->font())) << unit->name << " " << name;
                }
                ++buttons;
            }
            for (const QLabel* label : form->findChildren<QLabel*>()) {
                EXPECT_TRUE(fits(*label, label->text(), label->contentsRect()))
                    << unit->name << " " << name;
                EXPECT_TRUE(o_is_no_zero(label->font())) << unit->name << " " << name;
                ++labels;
            }
        }
    }
    EXPECT_GE(buttons, 4 * int(units::course_units().size()));
    EXPECT_EQ(labels, int(units::course_units().size()));   // the maker's notice
}

}  // namespace
