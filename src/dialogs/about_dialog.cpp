#include "dialogs/about_dialog.h"

#include "dialogs/user_guide.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace {

// The program's window icon, or the desktop's generic program picture while none is set.
QPixmap ProgramIcon(const QWidget* dialog) {
    QIcon icon = QApplication::windowIcon();
    if (icon.isNull())
        icon = dialog->style()->standardIcon(QStyle::SP_ComputerIcon);
    return icon.pixmap(32, 32);
}

} // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About Tarnwell"));
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("programIcon"));
    icon->setPixmap(ProgramIcon(this));
    auto* address = new QLabel(UserGuideUrl().toString(), this);
    address->setObjectName(QStringLiteral("websiteAddress"));
    address->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* website = new QPushButton(QStringLiteral("Go to website"), this);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(new QLabel(QStringLiteral("Tarnwell, Version 1.0"), this), 0, 1, 1, 2);
    grid->addWidget(
        new QLabel(
            QStringLiteral("Copyright (c) 2026 the Tarnwell developers. Released under the MIT licence."),
            this),
        1, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Website "), this), 2, 0, 1, 3);
    grid->addWidget(address, 3, 0, 1, 3);
    grid->addWidget(website, 4, 0, 1, 2, Qt::AlignLeft);
    grid->addWidget(ok, 4, 2, Qt::AlignRight);

    connect(website, &QPushButton::clicked, this, [] { OpenUserGuide(); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
