#pragma once
// The notification window's own title bar: the window's icon and title on the colours of an
// active title bar, and nothing else. The window asks the window manager for no frame, since
// some managers put buttons on every title bar they draw; dragging this bar moves the window.

#include <QPoint>
#include <QWidget>

namespace nudgery {

class TCaptionBar final : public QWidget {
    Q_OBJECT
public:
    static constexpr int BarHeight = 20;

    explicit TCaptionBar(QWidget& window);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QWidget& window_;
    // A drag that the window manager did not take over, and where it grips the window.
    bool dragging_ = false;
    QPoint grip_;
};

} // namespace nudgery
