#include "running_app.h"
#include "support/tile_cache.h"

#include <QFileDialog>
#include <QMessageBox>

using namespace DialogDriver;

namespace {

void Answer(const QString& answer) {
    WhenModal<QMessageBox>([answer](QMessageBox* box) { Click(box, answer); });
}

// Chooses `path` in the file dialog about to come up, then answers the question that follows with `answer`.
void ChooseFileThenAnswer(const QString& path, const QString& answer) {
    WhenModal<QFileDialog>([path, answer](QFileDialog* files) {
        // The whole path typed into the name box: selectFile() would change folder first, and the dialog may
        // clear the box again when that folder's listing arrives.
        if (auto* name = files->findChild<QLineEdit*>())
            name->setText(path);
        QMetaObject::invokeMethod(files, "accept");
        if (files->isVisible())
            ChooseFileThenAnswer(path, answer);
        else if (!answer.isEmpty())
            Answer(answer);
    });
}

} // namespace

TEST(FileSave, SaveAndSaveAsAskBeforeEmptyingAFileThatHoldsData) {
    RunningApp app;
    const QString notes = TestEnv::TempFolder() + QStringLiteral("/notes.txt"),
                  other = TestEnv::TempFolder() + QStringLiteral("/other.txt");
    TileCache::WriteFile(notes, "keep");
    TileCache::WriteFile(other, "mine");
    ChooseFileThenAnswer(notes, QString());
    app.OnFileOpen();
    ASSERT_EQ(MainWindow()->windowTitle(), QStringLiteral("notes.txt - Tarnwell"));

    Answer(QStringLiteral("&No"));
    app.OnFileSave();
    EXPECT_EQ(FileContent(notes), QByteArray("keep"));
    ChooseFileThenAnswer(other, QStringLiteral("&No"));
    app.OnFileSaveAs();
    EXPECT_EQ(FileContent(other), QByteArray("mine"));
    EXPECT_EQ(MainWindow()->windowTitle(), QStringLiteral("notes.txt - Tarnwell"));

    ChooseFileThenAnswer(other, QStringLiteral("&Yes"));
    app.OnFileSaveAs();
    EXPECT_EQ(FileContent(other), QByteArray());
    EXPECT_EQ(MainWindow()->windowTitle(), QStringLiteral("other.txt - Tarnwell"));
}
