#include "art/ProgramArt.h"

#include "art/DrawnIconEngine.h"

#include <QFile>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>
#include <memory>
#include <utility>

namespace nudgery {

namespace {

constexpr int TrayAnimationFrameCount = 11;

QString ResourcePath(const QString& name) {
    return QStringLiteral(":/icons/%1.svg").arg(name);
}

// Draws a scalable picture at each size asked for, reading it on the first drawing. Made
// here rather than through the toolkit's picture plugins, whose search for a plugin by the
// file's suffix loads every one of them at the program's start. Every state of the icon
// shows the same picture.
class SvgPictureEngine final : public DrawnIconEngine {
public:
    explicit SvgPictureEngine(QString path) : path_(std::move(path)) {}

    // Each size is drawn once: the window system asks for the same few sizes again for
    // every window that carries the icon, each window through its own copy of it.
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        const QString key =
            QStringLiteral("nudgery-svg:%1:%2x%3").arg(path_).arg(size.width()).arg(size.height());
        QPixmap picture;
        if (QPixmapCache::find(key, &picture))
            return picture;
        picture = QPixmap(size);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        if (!renderer_)
            renderer_ = std::make_shared<QSvgRenderer>(path_);
        renderer_->render(&painter, QRectF(QPointF(0, 0), size));
        painter.end();
        QPixmapCache::insert(key, picture);
        return picture;
    }

    QIconEngine* clone() const override { return new SvgPictureEngine(*this); }
    QString key() const override { return QStringLiteral("nudgery-svg-picture"); }

private:
    QString path_;
    std::shared_ptr<QSvgRenderer> renderer_;
};

QIcon SvgIcon(const QString& path) {
    return QIcon(new SvgPictureEngine(path));
}

} // namespace

QIcon ProgramIcon() {
    return SvgIcon(ResourcePath(QStringLiteral("program")));
}

QPixmap ProgramLogo(int size, qreal devicePixelRatio) {
    const int pixels = qRound(size * devicePixelRatio);
    QPixmap pixmap(pixels, pixels);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(ResourcePath(QStringLiteral("program")));
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(0, 0, size, size));
    return pixmap;
}

QIcon ResourceIcon(const QString& name) {
    const QString path = ResourcePath(name.toUpper());
    if (!QFile::exists(path))
        return {};
    return SvgIcon(path);
}

QStringList TrayAnimationFrameNames() {
    QStringList names;
    for (int frame = 1; frame <= TrayAnimationFrameCount; ++frame)
        names << QStringLiteral("ICON%1").arg(frame);
    return names;
}

} // namespace nudgery
