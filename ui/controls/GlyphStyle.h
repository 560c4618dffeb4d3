#pragma once
// The desktop's style with the program's own drawn glyph for the menu bar's overflow
// button. The style would look that glyph up in the desktop's icon theme while the main
// window is built, reading image files through every image plugin, for a button that shows
// only when the menus do not fit.

#include <QProxyStyle>

namespace nudgery {

class GlyphStyle final : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

} // namespace nudgery
