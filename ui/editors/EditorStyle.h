#pragma once
// The look shared by the editor dialogs: their fonts and their push buttons.

#include <QFont>
#include <QPoint>
#include <QPushButton>
#include <QString>

namespace nudgery {

inline constexpr QSize EditorButtonSize(75, 25);

// Every editor dialog writes in Arial 8 point.
inline QFont DialogFont() {
    return QFont(QStringLiteral("Arial"), 8);
}

// Where a message or a time is typed: Arial in a larger size.
inline QFont EditFont(int pointSize) {
    return QFont(QStringLiteral("Arial"), pointSize);
}

inline QFont BoldFont(QFont font) {
    font.setBold(true);
    return font;
}

// A push button of the usual size, named for tests and tooltipped.
inline QPushButton* AddButton(QWidget& parent, const char* name, const QString& caption,
                              const char* tooltip, QPoint at, QSize size = EditorButtonSize) {
    auto* button = new QPushButton(caption, &parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(QString::fromLatin1(tooltip));
    button->setGeometry(QRect(at, size));
    return button;
}

} // namespace nudgery
