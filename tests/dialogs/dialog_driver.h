#pragma once

#include "dialogs/url_opener.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

// Drives dialogs the way a user would: clicks buttons found by their text, types into edits.
namespace DialogDriver {

inline void Click(QAbstractButton* button) {
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
}

inline void Click(QWidget* dialog, const QString& text) {
    for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
        if (button->text() == text)
            return Click(button);
    ADD_FAILURE() << "no button " << text.toStdString();
}

// One key event per character, so that any script goes in as typed.
inline void Type(QLineEdit* edit, const QString& text) {
    edit->clear();
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

inline bool HasText(QWidget* dialog, const QString& text) {
    for (const QLabel* label : dialog->findChildren<QLabel*>())
        if (label->text() == text)
            return true;
    return false;
}

// Runs `act` on the modal dialog that the caller is about to exec(), once it is up.
inline void WhenModal(std::function<void(QWidget* dialog)> act) {
    QTimer::singleShot(10, [act] {
        if (QWidget* dialog = QApplication::activeModalWidget())
            act(dialog);
        else
            WhenModal(act);
    });
}

// The addresses the program opens while it lives, recorded instead of handed to a browser.
struct OpenedUrls : QList<QUrl> {
    OpenedUrls() {
        SetUrlOpener([this](const QUrl& url) {
            append(url);
            return true;
        });
    }
    ~OpenedUrls() { SetUrlOpener({}); }
};

} // namespace DialogDriver
