#pragma once

// A report font as a Type 0 font (Identity-H) for the texts Windows-1252
// cannot hold: every glyph of the font file is reachable, and a ToUnicode map
// keeps the text searchable and copyable. It shares the font program that the
// simple font of the same file already embeds.

#include <QRawFont>
#include <QString>
#include <map>
#include <podofo/podofo.h>
#include <string>

namespace rcveltor::rapport {

class TType0Letter {
public:
    // `eenvoudig` is the simple font embedding the file at `pad`; its font
    // descriptor, and so its embedded program, is shared.
    TType0Letter(PoDoFo::PdfDocument& doc, const PoDoFo::PdfFont& eenvoudig, const QString& pad,
                 const PoDoFo::PdfName& naam);

    const PoDoFo::PdfName& Naam() const { return naam_; }
    PoDoFo::PdfReference Verwijzing() const { return font_->Reference(); }

    // The text as a PDF hex string of glyph numbers, two bytes each; every
    // glyph used is remembered for the widths and the ToUnicode map.
    std::string Hex(const QString& tekst);

    // Writes the widths and the ToUnicode map of the glyphs used. Call once
    // all text is drawn.
    void Voltooi();

private:
    PoDoFo::PdfDocument& doc_;
    PoDoFo::PdfName naam_;
    QRawFont maat_; // the file at its own units per em: design units
    PoDoFo::PdfObject* font_;
    PoDoFo::PdfObject* cidFont_;
    std::map<quint32, char32_t> gebruikt_; // glyph to the character it shows
};

} // namespace rcveltor::rapport
