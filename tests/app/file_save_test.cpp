#include "app/main_frame.h"
#include "app/tarnwell_app.h"
#include "dialogs/dialog_driver.h"
#include "support/test_env.h"

#include <QFileDialog>
#include <QMainWindow>

namespace {

QString WriteFile(const QString& name, const QByteArray& content) {
    const QString path = TestEnv::TempFolder() + QLatin1Char('/') + name;
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    return path;
}

QByteArray Content(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("missing");
}

// Chooses `path` in the file dialog about to come up, then answers the question that follows with `answer`.
void ChooseFileThenAnswer(const QString& path, const QString& answer) {
    DialogDriver::WhenModal([path, answer](QWidget* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(files, nullptr);
        files->selectFile(path);
        QMetaObject::invokeMethod(files, "accept");
        if (!answer.isEmpty())
            DialogDriver::WhenModal([answer](QWidget* box) { DialogDriver::Click(box, answer); });
    });
}

} // namespace

TEST(FileSave, SaveAndSaveAsAskBeforeEmptyingAFileThatHoldsData) {
    CTarnwellApp app;
    ASSERT_TRUE(app.InitInstance());
    const QString notes = WriteFile(QStringLiteral("notes.txt"), "keep");
    const QString other = WriteFile(QStringLiteral("other.txt"), "mine");
    ChooseFileThenAnswer(notes, QString());
    app.OnFileOpen();
    ASSERT_EQ(app.MainFrame()->windowTitle(), QStringLiteral("notes.txt - Tarnwell"));

    DialogDriver::WhenModal([](QWidget* box) { DialogDriver::Click(box, QStringLiteral("&No")); });
    app.OnFileSave();
    EXPECT_EQ(Content(notes), QByteArray("keep"));
    ChooseFileThenAnswer(other, QStringLiteral("&No"));
    app.OnFileSaveAs();
    EXPECT_EQ(Content(other), QByteArray("mine"));
    EXPECT_EQ(app.MainFrame()->windowTitle(), QStringLiteral("notes.txt - Tarnwell"));

    ChooseFileThenAnswer(other, QStringLiteral("&Yes"));
    app.OnFileSaveAs();
    EXPECT_EQ(Content(other), QByteArray());
    EXPECT_EQ(app.MainFrame()->windowTitle(), QStringLiteral("other.txt - Tarnwell"));
}
