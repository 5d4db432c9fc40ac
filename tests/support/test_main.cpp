#include "platform/message_box.h"
#include "state/map_state.h"
#include "state/settings_store.h"
#include "support/read_only_mount.h"
#include "support/test_env.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <arpa/inet.h>
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <memory>
#include <mutex>
#include <netdb.h>
#include <strings.h>

namespace {

QList<TestEnv::Message> messages;
std::unique_ptr<QTemporaryDir> temp;
std::mutex refusedMutex;
QStringList refused;

// Gives every test case a fresh settings store, folder and map state, and fails the case that looked up a
// name off this machine.
class FreshStart : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        temp = std::make_unique<QTemporaryDir>();
        const QString config = temp->filePath(QStringLiteral("config"));
        qputenv("XDG_CONFIG_HOME", config.toUtf8());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config);
        ResetMapState();
        SettingsStore::UseAtlasFolderForThisRun({});
        messages.clear();
        SetMessageRecorder([](const QString& title, const QString& text, MessageIcon icon) {
            messages.append({title, text, icon});
        });
    }
    void OnTestEnd(const ::testing::TestInfo&) override {
        const std::lock_guard lock(refusedMutex);
        refused.removeDuplicates();
        EXPECT_EQ(std::exchange(refused, {}).join(' ').toStdString(), "")
            << "host names looked up off this machine";
        temp.reset();
    }
};

} // namespace

// A test must never reach off the machine, and a lookup of a real name can stall it for the resolver's
// time-out. Defined in the test program, this comes before the C library's for every library the program
// loads, Qt's network library among them: every name but the loopback's is refused at once, as one that does
// not exist.
extern "C" int getaddrinfo(const char* node, const char* service, const addrinfo* hints, addrinfo** result) {
    using Lookup = int (*)(const char*, const char*, const addrinfo*, addrinfo**);
    static const auto next = reinterpret_cast<Lookup>(dlsym(RTLD_NEXT, "getaddrinfo"));
    unsigned char address[sizeof(in6_addr)];
    if (node && strcasecmp(node, "localhost") != 0 && inet_pton(AF_INET, node, address) != 1 &&
        inet_pton(AF_INET6, node, address) != 1) {
        const std::lock_guard lock(refusedMutex);
        refused.append(QString::fromUtf8(node));
        return EAI_NONAME;
    }
    return next ? next(node, service, hints, result) : EAI_SYSTEM;
}

namespace TestEnv {

const QList<Message>& Messages() {
    return messages;
}

QStringList MessageTexts() {
    QStringList texts;
    for (const Message& message : messages)
        texts.append(message.text);
    return texts;
}

void BlockSettingsStore() {
    const QString store =
        QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Orvex")).fileName();
    QFile(QFileInfo(store).absolutePath()).open(QIODevice::WriteOnly);
}

QString SampleAtlas() {
    return QStringLiteral(TARNWELL_SAMPLE_ATLAS);
}

QString TempFolder() {
    const QString folder = temp->filePath(QStringLiteral("work"));
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
