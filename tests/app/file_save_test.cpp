#include "running_app.h"
#include "support/tile_cache.h"

#include <QFileDialog>
#include <QMessageBox>

using namespace DialogDriver;

namespace {

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
            WhenModal<QMessageBox>([answer](QMessageBox* box) { Click(box, answer); });
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

    WhenModal<QMessageBox>([](QMessageBox* box) { Click(box, QStringLiteral("&No")); });
    app.OnFileSave();
    EXPECT_EQ(FileContent(notes), QByteArray("keep"));
    for (const auto& [answer, content, title] :
         {std::tuple{"&No", "mine", "notes.txt"}, {"&Yes", "", "other.txt"}}) {
        ChooseFileThenAnswer(other, QString::fromLatin1(answer));
        app.OnFileSaveAs();
        EXPECT_EQ(std::pair(FileContent(other), MainWindow()->windowTitle()),
                  std::pair(QByteArray(content), QString::fromLatin1(title) + QStringLiteral(" - Tarnwell")));
    }
}
