#pragma once

#include <QString>
#include <functional>

inline const QString kAppTitle = QStringLiteral("Tarnwell");

// The picture beside a message's text.
enum class MessageIcon { None, Stop };

// Shows a message with one OK button and waits for it to be closed.
void ShowMessage(const QString& text, const QString& title = kAppTitle, MessageIcon icon = MessageIcon::None);

// Replaces the message box by a recorder (tests run headless); an empty function restores the message box.
using MessageRecorder = std::function<void(const QString& title, const QString& text, MessageIcon icon)>;
void SetMessageRecorder(MessageRecorder recorder);
