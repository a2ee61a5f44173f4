#pragma once

// Readable Qt values in GoogleTest's messages.

#include <QString>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* uit) {
    *uit << '"' << s.toStdString() << '"';
}
