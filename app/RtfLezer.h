#pragma once

// Reads the information text: a small, strict reader for the rich text that
// such texts use (paragraphs, bold, italic, underline, sizes, colours,
// Windows-1252 and Unicode characters), and the plain-text fallback.

#include <QByteArrayView>
#include <QString>
#include <optional>

class QTextDocument;

namespace rcveltor::app {

// Replaces the document's content. False, with the document untouched, when
// the data is not RTF: no "{\rtf" at the start, unbalanced or too deeply
// nested groups, or a malformed control word.
bool LeesRtf(QByteArrayView rtf, QTextDocument& doc);

// The data as plain text: UTF-8 when it is valid UTF-8, else Windows-1252.
// nullopt for data that is not text (it holds NUL bytes).
std::optional<QString> LeesPlatteTekst(QByteArrayView data);

QString VanWindows1252(QByteArrayView data);

} // namespace rcveltor::app
