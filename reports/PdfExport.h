#pragma once

// Writes the pages of a report as a PDF file. Draws the same display list as
// the preview and the printer, element by element, with the report fonts
// embedded whole (not as subsets). Text in Windows-1252 uses simple fonts;
// a line with other characters uses the same files as Type 0 fonts.

#include "reports/Weergavelijst.h"

#include <QByteArray>
#include <QString>
#include <functional>

namespace rcveltor::rapport {

// Called after each page written: pages written so far, pages in all.
using TPdfVoortgang = std::function<void(int geschreven, int totaal)>;

// The TrueType files embedded for the report font: Arial is served by
// Liberation Sans. Left empty, they are found through fontconfig.
struct TPdfLetters {
    QString Regulier; // regular face [path]
    QString Vet;      // bold face [path]
};

// The PDF of a page set in memory: one page per report page, in the set's
// page size. Throws RcFout.
QByteArray MaakPdf(const TPaginaSet& set, const TPdfVoortgang& voortgang = {},
                   const TPdfLetters& letters = {});

// Writes the PDF to a file. The file is replaced only once the whole
// document is written, so a failed export leaves an existing file as it was.
// Throws RcFout with the reason.
void SchrijfPdf(const TPaginaSet& set, const QString& bestand, const TPdfVoortgang& voortgang = {},
                const TPdfLetters& letters = {});

} // namespace rcveltor::rapport
