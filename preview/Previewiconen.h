#pragma once

// The preview's 16 x 16 icons, drawn as vector graphics, in the image list's
// order: first page, previous page, next page, last page, zoom in, zoom out,
// whole page, 100 %, page width, print, floppy disk (unused), close, PDF.

#include <QIcon>

namespace rcveltor::rapport {

enum class TIcoon {
    EerstePagina,
    VorigePagina,
    VolgendePagina,
    LaatstePagina,
    ZoomIn,
    ZoomUit,
    HelePagina,
    Honderd,
    PaginaBreedte,
    Afdrukken,
    Diskette,
    Sluiten,
    Pdf
};

QIcon PreviewIcoon(TIcoon icoon);

} // namespace rcveltor::rapport
