#pragma once
// Lets GoogleTest print Qt's strings as text in failure messages, instead of their bytes.

#include <QString>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
