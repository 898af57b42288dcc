#include "platform/edit_field.h"

#include <QString>
#include <QStyle>
#include <QStyleOptionFrame>

#include "platform/control_look.h"
#include "platform/fonts.h"
#include "platform/run_error.h"

namespace platform {
namespace {

// QLineEdit keeps this many pixels between its text margins and its text.
constexpr int kLineEditMargin = 2;

// A pixel between the edge and the text on the left, none on the right,
// where the cursor after the text takes the last pixel.
constexpr QMargins kTextMargins{1 - kLineEditMargin, 0, -kLineEditMargin, 0};

}  // namespace

LineEditField::LineEditField(Form& form, const ControlDescription& description, QWidget* parent,
                             std::function<void()> changed)
    : form_(form), line_(new QLineEdit(parent)), changed_(std::move(changed)) {
    line_->setObjectName(QString::fromStdString(description.name));
    line_->setFrame(true);                               // the sunken edge
    line_->setTextMargins(kTextMargins);
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
    font.setPixelSize(pixels_of_points(size));
    line_->setFont(font);
}

int text_room(const QLineEdit& field) {
    QStyleOptionFrame edge;
    edge.initFrom(&field);
    edge.rect = field.rect();
    edge.lineWidth = field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &edge, &field);
    const QRect inside = field.style()->subElementRect(QStyle::SE_LineEditContents, &edge, &field);
    const QMargins margins = field.textMargins();
    return inside.width() - margins.left() - margins.right() - 2 * kLineEditMargin - 1;
}

}  // namespace platform
