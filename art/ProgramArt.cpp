#include "art/ProgramArt.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

namespace nudgery {

namespace {

constexpr int TrayAnimationFrameCount = 11;

QString ResourcePath(const QString& name) {
    return QStringLiteral(":/icons/%1.svg").arg(name);
}

} // namespace

QIcon ProgramIcon() {
    return QIcon(ResourcePath(QStringLiteral("program")));
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
    return QIcon(path);
}

QStringList TrayAnimationFrameNames() {
    QStringList names;
    for (int frame = 1; frame <= TrayAnimationFrameCount; ++frame)
        names << QStringLiteral("ICON%1").arg(frame);
    return names;
}

} // namespace nudgery
