#include "MainAbout.h"

#include "art/ProgramArt.h"
#include "platform/desktop_font.h"

#include <QLabel>
#include <QPushButton>

namespace nudgery {

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(tr("About Nudgery!"));
    const QFont font = DesktopFontInPixels(11);
    setFont(font);
    setFixedSize(434, 236);

    ProgramIcon = new QLabel(this);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setPixmap(ProgramLogo(96, devicePixelRatioF()));
    ProgramIcon->setGeometry(16, 16, 96, 96);

    QFont title = font;
    title.setPixelSize(20);
    title.setBold(true);
    auto* name = new QLabel(QStringLiteral("Nudgery!"), this);
    name->setFont(title);
    name->setGeometry(136, 20, 280, 28);

    Version = new QLabel(tr("Version 2.8"), this);
    Version->setObjectName(QStringLiteral("Version"));
    Version->setGeometry(136, 60, 280, 18);
    Bitness = new QLabel(BitnessText(), this);
    Bitness->setObjectName(QStringLiteral("Bitness"));
    Bitness->setGeometry(136, 80, 280, 18);

    OkButton = new QPushButton(tr("Ok"), this);
    OkButton->setObjectName(QStringLiteral("OkButton"));
    OkButton->setGeometry(434 - 16 - 76, 236 - 12 - 35, 76, 35);
    OkButton->setDefault(true);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
}

QString TAboutBox::BitnessText() {
    return tr("%1-bit version").arg(sizeof(void*) * 8);
}

} // namespace nudgery
