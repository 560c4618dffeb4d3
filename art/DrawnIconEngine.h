#pragma once
// The base of the icons the program draws itself rather than reads from image files: an
// engine asked only for pixmaps. Painting one straight onto a painter asks for it at that
// painter's resolution, so it is as sharp on a scaled screen as a pixmap asked for there.

#include <QIconEngine>
#include <QPaintDevice>
#include <QPainter>

namespace nudgery {

class DrawnIconEngine : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) final {
        painter->drawPixmap(
            rect, pixmap(rect.size() * painter->device()->devicePixelRatioF(), mode, state));
    }
};

} // namespace nudgery
