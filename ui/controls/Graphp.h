#pragma once
// TGraphicPanel: a bevelled rectangle with a one-line caption that reacts to clicks. Used
// for the main window's clock and the hour and minute tiles of the quick time dialog.
// Screen readers read it as a label, or as a choice when it is pickable.

#include "ControlStyle.h"

#include <QWidget>

namespace nudgery {

enum class TPanelBevel { bvNone, bvLowered, bvRaised };
enum class TBorderStyle { bsNone, bsSingle };

class TGraphicPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int MaxCaptionChars = 255;

    explicit TGraphicPanel(QWidget* parent = nullptr);

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    TPanelBevel BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TPanelBevel bevel);
    TPanelBevel BevelInner() const { return bevelInner_; }
    void SetBevelInner(TPanelBevel bevel);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int width);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int width);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle style);
    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    // The fill colour; with ParentColor on, the parent's background is used instead.
    QColor Color() const;
    void SetColor(const QColor& color);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool on);
    const TControlFont& Font() const { return font_; }
    void SetFont(const TControlFont& font);

    // Where the caption goes: the band of the height of "W", centred in what the frames
    // leave, and the caption cut to its first 255 characters.
    QRect ContentRect() const;
    QRect CaptionBand() const;
    QString ShownCaption() const { return caption_.left(MaxCaptionChars); }

    // A panel that stands for one choice of a group, as a radio button does: it can take
    // the focus, Space clicks it, and screen readers read it as a choice, checked while it
    // is the picked one.
    bool Pickable() const { return pickable_; }
    void SetPickable(bool on);
    bool Picked() const { return picked_; }
    void SetPicked(bool on);
    // A click without the mouse: the Space key, or a screen reader's press.
    void Press();

signals:
    void Click();
    void DblClick();
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void MouseMove(Qt::KeyboardModifiers shift, int x, int y);
    void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // Shrinks the rectangle by the frames of steps 1 to 4 of the painting; paints them
    // when a painter is given.
    QRect Frames(QPainter* painter) const;

    TAlignment alignment_ = TAlignment::taCenter;
    TPanelBevel bevelOuter_ = TPanelBevel::bvRaised;
    TPanelBevel bevelInner_ = TPanelBevel::bvNone;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    TBorderStyle borderStyle_ = TBorderStyle::bsNone;
    QString caption_;
    QColor color_;
    bool parentColor_ = false;
    TControlFont font_;
    bool pickable_ = false;
    bool picked_ = false;
};

} // namespace nudgery
