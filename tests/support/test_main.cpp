#include "platform/message_box.h"
#include "state/map_state.h"
#include "support/local_names_only.h"
#include "support/read_only_mount.h"
#include "support/test_env.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

QList<TestEnv::Message> g_messages;
std::unique_ptr<QTemporaryDir> g_temp;

// Gives every test case a fresh settings store, folder and map state.
class FreshStart : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        g_temp = std::make_unique<QTemporaryDir>();
        const QString config = g_temp->filePath(QStringLiteral("config"));
        qputenv("XDG_CONFIG_HOME", config.toUtf8());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config);
        ResetMapState();
        g_messages.clear();
        SetMessageRecorder([](const QString& title, const QString& text, MessageIcon icon) {
            g_messages.append({title, text, icon});
        });
    }
    void OnTestEnd(const ::testing::TestInfo&) override {
        QStringList refused = LocalNamesOnly::TakeRefused();
        refused.removeDuplicates();
        EXPECT_TRUE(refused.isEmpty()) << "the test looked up host names off this machine: "
                                       << refused.join(QStringLiteral(", ")).toStdString();
        g_temp.reset();
    }
};

} // namespace

namespace TestEnv {

const QList<Message>& Messages() {
    return g_messages;
}

QStringList MessageTexts() {
    QStringList texts;
    for (const Message& message : g_messages)
        texts.append(message.text);
    return texts;
}

void BlockSettingsStore() {
    const QString store =
        QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Orvex")).fileName();
    QFile blocker(QFileInfo(store).absolutePath());
    blocker.open(QIODevice::WriteOnly);
}

QString SampleAtlas() {
    return QStringLiteral(TARNWELL_SAMPLE_ATLAS);
}

QString TempFolder() {
    const QString folder = g_temp->filePath(QStringLiteral("work"));
    QDir().mkpath(folder);
    return folder;
}

} // namespace TestEnv

int main(int argc, char** argv) {
    // Before Qt starts a thread: a process with threads cannot take a user namespace of its own.
    ReadOnlyMount::EnterPrivateNamespace();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshStart);
    return RUN_ALL_TESTS();
}
