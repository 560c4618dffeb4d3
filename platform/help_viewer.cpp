#include "platform/help_viewer.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QUrl>

namespace nudgery {

namespace {

bool HasAnchor(const QTextDocument& document, const QString& name) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto piece = block.begin(); !piece.atEnd(); ++piece)
            if (piece.fragment().charFormat().anchorNames().contains(name))
                return true;
    return false;
}

} // namespace

HelpWindowViewer::HelpWindowViewer(QString helpFile) : helpFile_(std::move(helpFile)) {}

HelpWindowViewer::~HelpWindowViewer() = default;

void HelpWindowViewer::ShowTopic(int topic) {
    if (!window_) {
        window_ = std::make_unique<QTextBrowser>();
        window_->setObjectName(QStringLiteral("HelpWindow"));
        window_->setWindowTitle(QStringLiteral("Nudgery! Help"));
        window_->setOpenExternalLinks(true);
        window_->resize(560, 640);
    }
    // A modal dialog (Preferences, an editor) blocks every other window, so help asked for
    // from one must itself be modal to be read and closed; from elsewhere it is not.
    QWidget* modal = QApplication::activeModalWidget();
    const Qt::WindowModality modality =
        modal && modal != window_.get() ? Qt::ApplicationModal : Qt::NonModal;
    if (window_->windowModality() != modality) {
        // The modality of a window takes effect only when it is shown.
        window_->hide();
        window_->setWindowModality(modality);
    }
    // Shown first, so that the scroll to the topic below is made at once, at the window's size.
    window_->show();
    window_->raise();
    window_->activateWindow();
    if (QFileInfo(helpFile_).isFile()) {
        QUrl address = QUrl::fromLocalFile(helpFile_);
        address.setFragment(QString::number(topic));
        // The file's suffix says nothing of its format: it is always HTML.
        window_->setSource(address, QTextDocument::HtmlResource);
        // A topic the file lacks shows its top, the contents list, not where the last
        // topic happened to leave the window.
        if (!HasAnchor(*window_->document(), address.fragment())) {
            address.setFragment(QString());
            window_->setSource(address, QTextDocument::HtmlResource);
        }
        // The browser puts the topic's anchor at the very top edge, cutting off the margin
        // above its heading (and the top of the document for the first topic): give it back.
        QScrollBar* bar = window_->verticalScrollBar();
        bar->setValue(bar->value() - qRound(window_->document()->documentMargin()));
    } else {
        window_->setSource(QUrl());
        window_->setPlainText(
            QStringLiteral("The help file %1 cannot be found.\n\nHelp topic %2 cannot be shown.")
                .arg(QDir::toNativeSeparators(helpFile_))
                .arg(topic));
    }
}

QString HelpFileName(const QString& programFolder) {
    return programFolder + QStringLiteral("NUDGERY.HLP");
}

QString FindHelpFile(const QString& executableFolder) {
    const QDir folder(executableFolder);
    const QString beside = HelpFileName(folder.absolutePath() + '/');
    const QString installed = HelpFileName(
        QDir::cleanPath(folder.absoluteFilePath(QStringLiteral("../share/nudgery"))) + '/');
    return !QFileInfo(beside).isFile() && QFileInfo(installed).isFile() ? installed : beside;
}

} // namespace nudgery
