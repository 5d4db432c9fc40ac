#pragma once

#include "platform/message_box.h"

#include <QString>
#include <QStringList>

// What every test case gets from the headless test main: a private settings store and temporary folder, the
// map state at its program-load values, and message boxes recorded instead of shown.
namespace TestEnv {

struct Message {
    QString title;
    QString text;
    MessageIcon icon = MessageIcon::None;
};

// Messages shown since the test case started, oldest first.
const QList<Message>& Messages();
QStringList MessageTexts();

// The sample atlas that the build draws.
QString SampleAtlas();

// Puts a file where the settings folder should be, so that the store can be neither created nor written.
void BlockSettingsStore();

// A folder of the test case's own, removed when it ends.
QString TempFolder();

} // namespace TestEnv
