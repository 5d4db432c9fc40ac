#pragma once

#include <QString>
#include <functional>

inline const QString kAppTitle = QStringLiteral("Tarnwell");

// Shows a message with one OK button and waits for it to be closed.
void ShowMessage(const QString& text, const QString& title = kAppTitle);

// Replaces the message box by a recorder (tests run headless); an empty function restores the message box.
using MessageRecorder = std::function<void(const QString& title, const QString& text)>;
void SetMessageRecorder(MessageRecorder recorder);
