#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

// Drives dialogs the way a user would: finds buttons by their text, clicks them, types into edits.
namespace DialogDriver {

inline QAbstractButton* Button(QWidget* dialog, const QString& text) {
    for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
        if (button->text() == text)
            return button;
    ADD_FAILURE() << "no button " << text.toStdString();
    return nullptr;
}

inline void Click(QAbstractButton* button) {
    if (button)
        QTest::mouseClick(button, Qt::LeftButton);
}

inline void Click(QWidget* dialog, const QString& text) {
    Click(Button(dialog, text));
}

// Replaces the edit's text as typed on the keyboard, one key event per character in any script.
inline void Type(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

inline bool HasText(QWidget* dialog, const QString& text) {
    for (const QLabel* label : dialog->findChildren<QLabel*>())
        if (label->text() == text)
            return true;
    return false;
}

// Runs `act` on the modal dialog that the caller is about to run with exec(), once it is up.
inline void WhenModal(std::function<void(QWidget* dialog)> act) {
    QTimer::singleShot(10, [act] {
        if (QWidget* dialog = QApplication::activeModalWidget())
            act(dialog);
        else
            WhenModal(act);
    });
}

} // namespace DialogDriver
