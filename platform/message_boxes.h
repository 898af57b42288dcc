#pragma once
// Modal message boxes: the "その番号はありません！" kind of notice and the
// run-time error report.  The pupil gets a real dialog that waits for OK;
// tests get a scripted answerer that keeps every box it was shown.

#include <string>
#include <vector>

class QWidget;

namespace platform {

enum class MessageIcon { Warning, Question, Error, None };

struct MessageBoxRequest {
    std::string title{};      // UTF-8; may be empty
    std::string text{};       // UTF-8; may hold line breaks
    MessageIcon icon = MessageIcon::None;
    bool help_button = false;
    bool system_modal = false;  // above every window, not only the owner's

    bool operator==(const MessageBoxRequest&) const = default;
};

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Returns when the box is closed.  `owner` may be null.
    virtual void show(const MessageBoxRequest& request, QWidget* owner) = 0;
};

// A Qt dialog with the icon and an OK button.  Its Help button shows a short
// help note and then the same box again; only OK (or Esc) closes it.
class QtMessageBoxes final : public MessageBoxes {
public:
    void show(const MessageBoxRequest& request, QWidget* owner) override;
};

// Answers OK at once and keeps each request, oldest first.
class ScriptedMessageBoxes final : public MessageBoxes {
public:
    void show(const MessageBoxRequest& request, QWidget* owner) override;
    const std::vector<MessageBoxRequest>& shown() const { return shown_; }

private:
    std::vector<MessageBoxRequest> shown_;
};

}  // namespace platform
