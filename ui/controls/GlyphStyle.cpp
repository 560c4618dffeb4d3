#include "GlyphStyle.h"

#include "PaintedGlyph.h"

#include <QApplication>
#include <QWidget>

namespace nudgery {

QIcon GlyphStyle::standardIcon(StandardPixmap which, const QStyleOption* option,
                               const QWidget* widget) const {
    if (which == SP_ToolBarHorizontalExtensionButton)
        return ChevronGlyph(widget ? widget->palette() : QApplication::palette());
    return QProxyStyle::standardIcon(which, option, widget);
}

} // namespace nudgery
