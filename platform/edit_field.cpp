#include "platform/edit_field.h"

#include <QString>

#include "platform/control_look.h"
#include "platform/run_error.h"

namespace platform {

LineEditField::LineEditField(Form& form, const ControlDescription& description, QWidget* parent,
                             std::function<void()> changed)
    : form_(form), line_(new QLineEdit(parent)), changed_(std::move(changed)) {
    line_->setObjectName(QString::fromStdString(description.name));
    line_->setFrame(true);                               // the sunken edge
    line_->setFocusPolicy(Qt::StrongFocus);
    dress_control(*line_, description, Qt::black, Qt::white);
    // Typing tells of the change; text set by the program is told in set_text.
    QObject::connect(line_, &QLineEdit::textEdited, line_, [this] {
        if (changed_) changed_();
    });
}

std::string LineEditField::text() const {
    return line_ ? line_->text().toStdString() : std::string();
}

// Tells of the change even when the text stays the same, as the program's
// clearing of an empty field must still reach the field's handler.
void LineEditField::set_text(std::string_view utf8) {
    if (!line_) return;
    line_->setText(QString::fromUtf8(utf8.data(), qsizetype(utf8.size())));
    if (changed_) changed_();
}

void LineEditField::focus() {
    if (!line_) return;
    if (line_->window()->isVisible()) line_->window()->activateWindow();
    line_->setFocus(Qt::OtherFocusReason);
}

void LineEditField::set_font_size(int size) {
    if (size < 1) throw RunError(ErrorNumber::BadArgument);
    if (!line_) return;
    QFont font = line_->font();
    font.setPointSize(size);
    line_->setFont(font);
}

}  // namespace platform
