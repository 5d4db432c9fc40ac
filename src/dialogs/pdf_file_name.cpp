#include "dialogs/pdf_file_name.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

namespace {

const QString kProposedName = QStringLiteral("Orvex Trekbuddy map.pdf");

QString StartFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

} // namespace

std::optional<QString> AskPdfFileName(QWidget* parent) {
    QFileDialog dialog(parent, QStringLiteral("Print to PDF file"), StartFolder(),
                       QStringLiteral("PDF files (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(kProposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}
