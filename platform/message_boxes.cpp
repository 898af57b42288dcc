#include "platform/message_boxes.h"

#include <QMessageBox>
#include <QString>

namespace platform {

namespace {

constexpr const char* kHelpTitle = "ヘルプ";
constexpr const char* kHelpText = "この画面を先生に見せてください。";

QMessageBox::Icon qt_icon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Error: return QMessageBox::Critical;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

void show_help(QWidget* over) {
    QMessageBox help(QMessageBox::Information, QString::fromUtf8(kHelpTitle),
                     QString::fromUtf8(kHelpText), QMessageBox::Ok, over);
    help.exec();
}

}  // namespace

void QtMessageBoxes::show(const MessageBoxRequest& request, QWidget* owner) {
    QMessageBox box(qt_icon(request.icon), QString::fromStdString(request.title),
                    QString::fromStdString(request.text), QMessageBox::Ok, owner);
    box.setEscapeButton(QMessageBox::Ok);
    if (request.help_button) {
        box.addButton(QMessageBox::Help);
    }
    if (request.system_modal) {
        box.setWindowModality(Qt::ApplicationModal);
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    }
    while (box.exec() == QMessageBox::Help) {
        show_help(&box);
    }
}

void ScriptedMessageBoxes::show(const MessageBoxRequest& request, QWidget*) {
    shown_.push_back(request);
}

}  // namespace platform
