#include "platform/help_viewer.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBlock>
#include <QTextBrowser>
#include <QUrl>
#include <algorithm>

namespace nudgery {

namespace {

// Room between the window's edges and the text.
constexpr int TextMargin = 12;

// The screen area that `opener` is on, or the primary screen's.
QRect ScreenAreaOf(const QWidget* opener) {
    const QScreen* screen = opener ? opener->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

// `frame` moved into `area` as far as it fits.
QRect KeptWithin(QRect frame, const QRect& area) {
    frame.moveLeft(std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width())));
    frame.moveTop(std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height())));
    return frame;
}

bool HasAnchor(const QTextDocument& document, const QString& name) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto piece = block.begin(); !piece.atEnd(); ++piece)
            if (piece.fragment().charFormat().anchorNames().contains(name))
                return true;
    return false;
}

} // namespace

void BindHelpKey(QWidget& window, HelpViewer& help, int topic) {
    auto* key = new QShortcut(QKeySequence::HelpContents, &window);
    QObject::connect(key, &QShortcut::activated, &window,
                     [&help, &window, topic] { help.ShowTopic(topic, &window); });
}

HelpWindowViewer::HelpWindowViewer(QString helpFile) : helpFile_(std::move(helpFile)) {}

HelpWindowViewer::~HelpWindowViewer() = default;

void HelpWindowViewer::CreateWindow() {
    window_ = std::make_unique<QTextBrowser>();
    window_->setObjectName(QStringLiteral("HelpWindow"));
    window_->setWindowTitle(QCoreApplication::translate("HelpViewer", Title));
    window_->setOpenExternalLinks(true);
    window_->document()->setDocumentMargin(TextMargin);
    window_->resize(560, 640);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window_.get());
    QObject::connect(escape, &QShortcut::activated, window_.get(), &QWidget::close);
}

void HelpWindowViewer::ShowTopic(int topic, QWidget* opener) {
    if (!window_)
        CreateWindow();
    // A modal dialog (Preferences, an editor) blocks every other window, so help asked for
    // from one must itself be modal to be read and closed; from elsewhere it is not.
    QWidget* modal = QApplication::activeModalWidget();
    const Qt::WindowModality modality =
        modal && modal != window_.get() ? Qt::ApplicationModal : Qt::NonModal;
    // Asked from a window that stays on top (the notification), it must stand above that
    // window to be read.
    const bool onTop = opener && opener->window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    if (window_->windowModality() != modality ||
        window_->windowFlags().testFlag(Qt::WindowStaysOnTopHint) != onTop) {
        // Modality and flags of a window take effect only when it is shown.
        window_->hide();
        window_->setWindowModality(modality);
        window_->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    }
    if (!window_->isVisible())
        PlaceOver(opener);
    // Shown first, so that the scroll to the topic below is made at once, at the window's size.
    window_->show();
    window_->raise();
    window_->activateWindow();
    ShowFileAt(topic);
}

void HelpWindowViewer::PlaceOver(const QWidget* opener) {
    const QWidget* over = opener ? opener->window() : nullptr;
    const QRect screen = ScreenAreaOf(over);
    const bool onView = over && over->isVisible() && !over->isMinimized();
    // No taller or wider than the screen, so that the whole of it can be seen.
    const QSize frameMargins = window_->frameGeometry().size() - window_->size();
    window_->resize(window_->size().boundedTo(screen.size() - frameMargins));
    QRect frame = window_->frameGeometry();
    frame.moveCenter(onView ? over->frameGeometry().center() : screen.center());
    window_->move(KeptWithin(frame, screen).topLeft());
}

void HelpWindowViewer::ShowFileAt(int topic) {
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
            QCoreApplication::translate(
                "HelpViewer", "The help file %1 cannot be found.\n\nHelp topic %2 cannot be shown.")
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
