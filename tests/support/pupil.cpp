#include "tests/support/pupil.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include "frame/handlers.h"
#include "platform/run_error.h"

namespace harness {
namespace {

constexpr std::string_view kBars[] = {"FORM12", "FORM11", "FORM10", "FORM9", "FORM7"};

std::shared_ptr<const CourseDrive> laid_out(const frame::Unit& unit, const std::optional<std::string>& record,
                                            const Pupil::DriveChange& change_drive) {
    auto drive = std::make_shared<CourseDrive>(unit, record ? &*record : nullptr);
    if (change_drive) change_drive(*drive);
    return drive;
}

}  // namespace

Pupil::Pupil(const frame::Unit& unit, std::optional<std::string> record,
             const DriveChange& change_drive)
    : Pupil(unit, laid_out(unit, record, change_drive)) {}

Pupil::Pupil(const frame::Unit& unit, std::shared_ptr<const CourseDrive> drive)
    : drive_(std::move(drive)),
      view_(drive_->drive_c(), drive_->unit_folder()),
      sound_(audio_, clock_, [this](std::string_view file) { return view_.find(file); }) {
    const frame::HandlerTable handlers = frame::handlers_of(unit);
    windows_ = std::make_unique<WatchedWindows>(
        queue_, [handlers](std::string_view name) { return handlers.contains(name); },
        frame::form_resources(unit));
    program_ = std::make_unique<frame::LessonProgram>(
        unit, frame::Services{*windows_, sound_, clock_, boxes_, view_, launcher_}, queue_);
    program_->start();
    run_until_idle();
}

Pupil::~Pupil() = default;

void Pupil::run_until_idle() {
    while (program_->turn(frame::Wait::DoNotBlock)) {}
}

platform::Form& Pupil::form_holding(std::string_view control) {
    for (std::string_view name : {"FORM8", "FORM3", "FORM7", "FORM9", "FORM10", "FORM11", "FORM12"}) {
        if (!windows_->has_form(name)) continue;
        try {
            windows_->form(name).control_widget(control);
            return windows_->form(name);
        } catch (const platform::RunError&) {
        }
    }
    throw platform::RunError(platform::ErrorNumber::NoSuchControl);
}

Pupil& Pupil::press(Nav button) {
    return click("BMPBUTTON" + std::to_string(static_cast<int>(button)));
}

Pupil& Pupil::click(std::string_view control) {
    QWidget* widget = form_holding(control).control_widget(control);
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    run_until_idle();
    return *this;
}

Pupil& Pupil::type(std::string_view field, std::string_view text) {
    platform::Form& form = form_holding(field);
    form.edit(field).focus();  // the pupil clicks into the field first
    auto* edit = qobject_cast<QLineEdit*>(form.control_widget(field));
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    // One key per character, as typed (Japanese characters come as the
    // input method hands them over: a key event carrying the text).
    for (QChar character : QString::fromUtf8(text.data(), qsizetype(text.size()))) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QApplication::sendEvent(edit, &press);
        QApplication::sendEvent(edit, &release);
    }
    run_until_idle();
    return *this;
}

Pupil& Pupil::key(std::string_view control, int qt_key, Qt::KeyboardModifiers held) {
    QWidget* widget = form_holding(control).control_widget(control);
    QTest::keyClick(widget, Qt::Key(qt_key), held);
    run_until_idle();
    return *this;
}

Pupil& Pupil::click_tag() {
    QWidget* tag = windows_->form("FORM4").window_widget();
    QTest::mousePress(tag, Qt::LeftButton, {}, {30, 10});
    QTest::mouseRelease(tag, Qt::LeftButton, {}, {30, 10});
    run_until_idle();
    return *this;
}

std::string Pupil::shown_bar() const {
    for (std::string_view bar : kBars)
        if (windows_->has_form(bar) && windows_->form(bar).is_visible()) return std::string(bar);
    return "";
}

Pupil& Pupil::ok() {
    const std::string bar = shown_bar();
    if (bar.empty()) return click("BUTTON1");
    for (const frame::AnswerBar& answer_bar : program_->lesson().unit.bars)
        if (answer_bar.form == bar)
            return click(answer_bar.ok_handler.substr(0, answer_bar.ok_handler.size() - 3));
    return *this;
}

Pupil& Pupil::answer(std::span<const std::string_view> texts) {
    const std::string bar = shown_bar();
    for (const frame::AnswerBar& answer_bar : program_->lesson().unit.bars) {
        if (answer_bar.form != bar) continue;
        auto text = texts.begin();
        for (const frame::AnswerField& field : answer_bar.fields) {
            if (text == texts.end()) break;
            type(field.name, *text++);
        }
    }
    return ok();
}

Pupil& Pupil::open(int page, std::string_view start) {
    press(Nav::Where);
    type("EDIT1", std::to_string(page));
    click("BUTTON1");
    type("EDIT1", start);
    return click("BUTTON1");
}

void Pupil::start_trace() {
    trace_.reset();
    trace_ = std::make_unique<Trace>(*windows_, program_->lesson(), clock_, audio_);
}

bool Pupil::shows_text(std::string_view text) const {
    for (const WatchedText& drawn : windows_->texts())
        if (drawn.form == "MAINFORM" && drawn.text.text == text && drawn.text.colour != 0)
            return true;
    return false;
}

int Pupil::colour_at(QPoint pixel) const { return colour_at("MAINFORM", pixel); }

int Pupil::colour_at(std::string_view form, QPoint pixel) const {
    return windows_->form(form).surface().colour_index_at(pixel);
}

}  // namespace harness
