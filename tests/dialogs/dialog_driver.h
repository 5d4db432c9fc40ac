#pragma once

#include "platform/url_opener.h"
#include "state/map_state.h"
#include "state/settings_store.h"
#include "support/test_env.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

// Drives dialogs the way a user would: clicks buttons found by their text, types into edits.
namespace DialogDriver {

inline QAbstractButton* Button(QWidget* dialog, const QString& text) {
    for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
        if (button->text() == text)
            return button;
    ADD_FAILURE() << "no button " << text.toStdString();
    return nullptr;
}

inline void Click(QAbstractButton* button) {
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
}

inline void Click(QWidget* dialog, const QString& text) {
    Click(Button(dialog, text));
}

// The child widget named `name`.
template <typename Widget = QWidget> Widget* Find(QWidget* dialog, const char* name) {
    auto* widget = dialog->findChild<Widget*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

// One key event per character, so that any script goes in as typed.
inline void Type(QLineEdit* edit, const QString& text) {
    edit->clear();
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

inline bool HasText(QWidget* dialog, const QString& text) {
    const QList<QLabel*> labels = dialog->findChildren<QLabel*>();
    return std::any_of(labels.begin(), labels.end(),
                       [&text](QLabel* label) { return label->text() == text; });
}

// Runs `act` on the modal dialog of kind T that the caller is about to exec(), once it is up; a busy machine
// may show it late.
template <typename T = QWidget> void WhenModal(std::type_identity_t<std::function<void(T*)>> act) {
    QTimer::singleShot(10, [act] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget()))
            act(dialog);
        else
            WhenModal<T>(act);
    });
}

// What a file holds, or "missing" when it cannot be read.
inline QByteArray FileContent(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("missing");
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
