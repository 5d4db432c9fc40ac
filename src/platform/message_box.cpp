#include "platform/message_box.h"

#include <QApplication>
#include <QMessageBox>

namespace {

MessageRecorder& Recorder() {
    static MessageRecorder recorder;
    return recorder;
}

QMessageBox::Icon BoxIcon(MessageIcon icon) {
    return icon == MessageIcon::Stop ? QMessageBox::Critical : QMessageBox::NoIcon;
}

} // namespace

void ShowMessage(const QString& text, const QString& title, MessageIcon icon) {
    if (Recorder()) {
        Recorder()(title, text, icon);
        return;
    }
    QMessageBox box(BoxIcon(icon), title, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

void SetMessageRecorder(MessageRecorder recorder) {
    Recorder() = std::move(recorder);
}
