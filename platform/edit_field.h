#pragma once
// A single-line edit field on a form, where the pupil types an answer or a
// page number.  Typing in it and setting its text from the program both tell
// the form that the text changed.

#include <QLineEdit>
#include <QPointer>

#include <functional>
#include <string>
#include <string_view>

#include "platform/form_description.h"
#include "platform/window_set.h"

namespace platform {

class LineEditField final : public EditField {
public:
    // Builds the field on `parent` as the description shows it: black on
    // white (or the description's colours), sunken edge, and the narrow
    // margins of a plain edit field: its text starts a pixel inside the edge
    // and may run up to it, but for the cursor's pixel.  `changed` is told of
    // every change of the text, typed or set.
    LineEditField(Form& form, const ControlDescription& description, QWidget* parent,
                  std::function<void()> changed);

    std::string text() const override;
    void set_text(std::string_view utf8) override;
    void focus() override;
    void set_font_size(int size) override;  // points on the forms' screen
    Form& form() override { return form_; }

    QLineEdit* widget() const { return line_; }

private:
    Form& form_;
    QPointer<QLineEdit> line_;
    std::function<void()> changed_;
};

// How many pixels wide a text may be for one of the program's fields (all
// have their sunken edge) to show it whole, the cursor after it: the field's
// width inside its edge and text margins, less the cursor's pixel.
int text_room(const QLineEdit& field);

}  // namespace platform
