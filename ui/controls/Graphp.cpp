#include "Graphp.h"

#include "GraphpAccessible.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace nudgery {

namespace {

// A frame of the given width as nested one-pixel rectangles: top and left lines in the
// top colour, bottom and right lines in the bottom colour, one pixel inward per line.
QRect DrawFrame(QPainter* painter, QRect rect, int width, const QColor& top, const QColor& bottom) {
    for (int i = 0; i < width && rect.isValid(); ++i) {
        if (painter) {
            painter->setPen(top);
            painter->drawLine(rect.topLeft(), rect.bottomLeft());
            painter->drawLine(rect.topLeft(), rect.topRight());
            painter->setPen(bottom);
            painter->drawLine(rect.topRight(), rect.bottomRight());
            painter->drawLine(rect.bottomLeft(), rect.bottomRight());
        }
        rect.adjust(1, 1, -1, -1);
    }
    return rect;
}

int HorizontalFlag(TAlignment alignment) {
    switch (alignment) {
    case TAlignment::taLeftJustify:
        return Qt::AlignLeft;
    case TAlignment::taRightJustify:
        return Qt::AlignRight;
    case TAlignment::taCenter:
        break;
    }
    return Qt::AlignHCenter;
}

int FloorHalf(int value) {
    return value >= 0 ? value / 2 : -((-value + 1) / 2);
}

} // namespace

TGraphicPanel::TGraphicPanel(QWidget* parent)
    : QWidget(parent), color_(palette().color(QPalette::Button)), font_{font(), Qt::black} {
    InstallGraphicPanelAccessibility();
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(185, 41);
}

void TGraphicPanel::SetAlignment(TAlignment alignment) {
    alignment_ = alignment;
    update();
}

void TGraphicPanel::SetBevelOuter(TPanelBevel bevel) {
    bevelOuter_ = bevel;
    update();
}

void TGraphicPanel::SetBevelInner(TPanelBevel bevel) {
    bevelInner_ = bevel;
    update();
}

void TGraphicPanel::SetBevelWidth(int width) {
    bevelWidth_ = width;
    update();
}

void TGraphicPanel::SetBorderWidth(int width) {
    borderWidth_ = width;
    update();
}

void TGraphicPanel::SetBorderStyle(TBorderStyle style) {
    borderStyle_ = style;
    update();
}

void TGraphicPanel::SetCaption(const QString& caption) {
    if (caption == caption_)
        return;
    caption_ = caption;
    update();
}

QColor TGraphicPanel::Color() const {
    if (parentColor_ && parentWidget())
        return parentWidget()->palette().color(parentWidget()->backgroundRole());
    return color_;
}

void TGraphicPanel::SetColor(const QColor& color) {
    color_ = color;
    parentColor_ = false;
    update();
}

void TGraphicPanel::SetParentColor(bool on) {
    parentColor_ = on;
    update();
}

void TGraphicPanel::SetFont(const TControlFont& font) {
    font_ = font;
    update();
}

void TGraphicPanel::SetPickable(bool on) {
    pickable_ = on;
    setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus);
}

void TGraphicPanel::SetPicked(bool on) {
    if (on == picked_)
        return;
    picked_ = on;
    if (pickable_ && QAccessible::isActive()) {
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }
}

void TGraphicPanel::Press() {
    emit Click();
}

QRect TGraphicPanel::Frames(QPainter* painter) const {
    const QColor highlight = palette().color(QPalette::Light);
    const QColor shadow = palette().color(QPalette::Dark);
    const auto bevel = [&](QRect rect, TPanelBevel kind) {
        if (kind == TPanelBevel::bvNone)
            return rect;
        const bool raised = kind == TPanelBevel::bvRaised;
        return DrawFrame(painter, rect, bevelWidth_, raised ? highlight : shadow,
                         raised ? shadow : highlight);
    };
    QRect rect = this->rect();
    if (borderStyle_ == TBorderStyle::bsSingle)
        rect = DrawFrame(painter, rect, 1, Qt::black, Qt::black);
    rect = bevel(rect, bevelOuter_);
    rect = DrawFrame(painter, rect, borderWidth_, Color(), Color());
    return bevel(rect, bevelInner_);
}

QRect TGraphicPanel::ContentRect() const {
    return Frames(nullptr);
}

QRect TGraphicPanel::CaptionBand() const {
    const QRect content = ContentRect();
    const int h = QFontMetrics(font_.Face).height();
    // Top and bottom as edges: the bottom edge lies one past the last pixel row.
    const int top = FloorHalf(content.top() + content.top() + content.height() - h);
    return QRect(content.left(), top, content.width(), h);
}

void TGraphicPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect content = Frames(&painter);
    painter.fillRect(content, Color());
    painter.setFont(font_.Face);
    painter.setPen(font_.Color);
    painter.drawText(CaptionBand(),
                     Qt::TextSingleLine | Qt::TextExpandTabs | Qt::AlignTop |
                         HorizontalFlag(alignment_),
                     ShownCaption());
    // The focus shows as a dotted line in the caption's colour, which stands out on any
    // fill, a highlighted one too.
    if (hasFocus()) {
        painter.setPen(QPen(font_.Color, 1, Qt::DotLine));
        painter.drawRect(content.adjusted(1, 1, -2, -2));
    }
}

void TGraphicPanel::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    emit MouseDown(event->button(), event->modifiers(), p.x(), p.y());
}

void TGraphicPanel::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    emit MouseMove(event->modifiers(), p.x(), p.y());
}

void TGraphicPanel::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    // The mouse is captured while a button is down; a click needs the release inside.
    if (event->button() == Qt::LeftButton && rect().contains(p))
        emit Click();
    emit MouseUp(event->button(), event->modifiers(), p.x(), p.y());
}

void TGraphicPanel::mouseDoubleClickEvent(QMouseEvent* event) {
    emit DblClick();
    mousePressEvent(event);
}

void TGraphicPanel::keyPressEvent(QKeyEvent* event) {
    if (pickable_ && event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        Press();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TGraphicPanel::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void TGraphicPanel::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

} // namespace nudgery
