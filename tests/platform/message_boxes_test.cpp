#include "platform/message_boxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

using platform::MessageBoxRequest;
using platform::MessageIcon;

namespace {

// What a pupil sees of one message box.
struct Seen {
    QString title, text;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    Qt::WindowModality modality;
    bool on_top;
};

// Watches for modal boxes and presses, on the n-th one, the button
// `presses[n]`; a box beyond the list is left alone.
class Pupil {
public:
    explicit Pupil(std::vector<QMessageBox::StandardButton> presses)
        : presses_(std::move(presses)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
        timer_.start(5);
    }
    std::vector<Seen> seen;

private:
    void answer() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || seen.size() >= presses_.size()) return;
        seen.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                        box->windowModality(), box->windowFlags().testFlag(Qt::WindowStaysOnTopHint)});
        box->button(presses_[seen.size() - 1])->click();
    }

    std::vector<QMessageBox::StandardButton> presses_;
    QTimer timer_;
};

}  // namespace

TEST(ScriptedMessageBoxes, KeepsEveryBoxInTheOrderShown) {
    platform::ScriptedMessageBoxes boxes;
    const MessageBoxRequest missing{.text = "その番号はありません！",
                                    .icon = MessageIcon::Question};
    const MessageBoxRequest report{.title = "expr-solve-2.EXE",
                                   .text = "\npag3 [12行]:エラー[63]",
                                   .icon = MessageIcon::Warning,
                                   .help_button = true};
    boxes.show(missing, nullptr);
    boxes.show(report, nullptr);
    EXPECT_EQ(boxes.shown(), (std::vector{missing, report}));
}

TEST(QtMessageBoxes, ShowIconTitleTextAndOkUntilOkIsPressed) {
    platform::QtMessageBoxes boxes;
    Pupil pupil({QMessageBox::Ok, QMessageBox::Ok});
    boxes.show({.text = "その番号はありません！", .icon = MessageIcon::Question}, nullptr);
    boxes.show({.text = "続行不可能なエラーが発生しました pag3 [7行]",
                .icon = MessageIcon::Error,
                .system_modal = true},
               nullptr);
    ASSERT_EQ(pupil.seen.size(), 2u);
    EXPECT_EQ(pupil.seen[0].text, QString::fromUtf8("その番号はありません！"));
    EXPECT_EQ(pupil.seen[0].icon, QMessageBox::Question);
    EXPECT_EQ(pupil.seen[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(pupil.seen[1].icon, QMessageBox::Critical);
    EXPECT_EQ(pupil.seen[1].modality, Qt::ApplicationModal);
    EXPECT_FALSE(pupil.seen[0].on_top);
    EXPECT_TRUE(pupil.seen[1].on_top);  // above every window of the program
}

TEST(QtMessageBoxes, HelpShowsANoteAndThenTheSameBoxAgain) {
    platform::QtMessageBoxes boxes;
    // The report, its help note, the report again.
    Pupil pupil({QMessageBox::Help, QMessageBox::Ok, QMessageBox::Ok});
    boxes.show({.title = "expr-solve-2.EXE", .text = "\nmainform [40行]:エラー[5]",
                .icon = MessageIcon::Warning, .help_button = true},
               nullptr);
    ASSERT_EQ(pupil.seen.size(), 3u);
    const Seen& report = pupil.seen[0];
    EXPECT_EQ(report.title, "expr-solve-2.EXE");
    EXPECT_EQ(report.icon, QMessageBox::Warning);
    EXPECT_EQ(report.buttons, QMessageBox::Ok | QMessageBox::Help);
    EXPECT_NE(pupil.seen[1].text, report.text);
    EXPECT_EQ(pupil.seen[2].text, report.text);
}
