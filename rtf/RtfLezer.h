#pragma once

// Reads the information text: a small, strict reader for the rich text that
// such texts use (paragraphs, bold, italic, underline, sizes, colours,
// Windows-1252 and Unicode characters), and the plain-text fallback.

#include <QByteArrayView>
#include <QString>
#include <optional>

class QTextDocument;

namespace rcveltor::app {

// An information text is a few pages; more is refused rather than laid out.
inline constexpr qsizetype kMaxRtf = 2 * 1024 * 1024;
inline constexpr qsizetype kMaxPlatteRegels = 100000;

// Replaces the document's content. False, with the document untouched, when
// the data is not RTF: no "{\rtf" at the start, unbalanced or too deeply
// nested groups, a malformed control word, more than kMaxRtf bytes, or a
// text too tall to lay out. Spacing, indents and font sizes are capped at
// what a real text uses.
bool LeesRtf(QByteArrayView rtf, QTextDocument& doc);

// The data as plain text: UTF-8 when it is valid UTF-8, else Windows-1252.
// nullopt for data that is not text (it holds NUL bytes) or that has more
// than kMaxPlatteRegels lines.
std::optional<QString> LeesPlatteTekst(QByteArrayView data);

QString VanWindows1252(QByteArrayView data);

} // namespace rcveltor::app
