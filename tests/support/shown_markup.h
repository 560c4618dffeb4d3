#pragma once
// What a notification server that reads markup shows of a text: an independent reader of
// the markup, so that a test sees the user's text as the desktop will show it.

#include <QString>
#include <QXmlStreamReader>

namespace nudgery::testing {

// The text that a markup reader shows of `markup`; empty when it is no markup at all.
inline QString ShownText(const QString& markup) {
    QXmlStreamReader reader(QStringLiteral("<m>") + markup + QStringLiteral("</m>"));
    QString text;
    while (!reader.atEnd())
        if (reader.readNext() == QXmlStreamReader::Characters)
            text += reader.text();
    return reader.hasError() ? QString() : text;
}

} // namespace nudgery::testing
