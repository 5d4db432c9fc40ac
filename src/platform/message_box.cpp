#include "platform/message_box.h"

#include <QApplication>
#include <QMessageBox>

namespace {

MessageRecorder& Recorder() {
    static MessageRecorder recorder;
    return recorder;
}

} // namespace

void ShowMessage(const QString& text, const QString& title) {
    if (Recorder()) {
        Recorder()(title, text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

void SetMessageRecorder(MessageRecorder recorder) {
    Recorder() = std::move(recorder);
}
