#include "reports/PdfExport.h"

#include "basis/RcFout.h"
#include "basis/Windows1252.h"
#include "platform/Bestand.h"
#include "platform/VeiligOpslaan.h"
#include "reports/Letterbestanden.h"
#include "reports/Tekstopmaak.h"
#include "reports/Type0Letter.h"

#include <QFileInfo>
#include <QPainter>
#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <podofo/podofo.h>
#include <sstream>

namespace rcveltor::rapport {

namespace {

using namespace PoDoFo;

constexpr double kPtPerEenheid = 72.0 / 96.0; // a layout unit is 1/96 inch
constexpr double kPtPerMm = 72.0 / 25.4;

// The characters the reports need beyond Windows-1252 ("Rc \u2265 6,3",
// "\u0394Uf"), on two bytes the code page leaves empty; the font's encoding
// names their glyphs there.
struct TAanvulling {
    int Code;
    char16_t Teken;
    const char* Naam;
};
constexpr TAanvulling kAanvullingen[] = {{0x81, 0x2265, "greaterequal"}, {0x8D, 0x0394, "uni0394"}};

// The character of a Windows-1252 byte; 0 where the code page has none: the
// fonts' WinAnsi encoding has no glyph on the unassigned bytes, and the
// additions take two of them.
char16_t UitWindows1252(int code) {
    if (code < 0 || code > 0xFF) {
        return static_cast<char16_t>(code);
    }
    return Windows1252NaarUnicode(static_cast<unsigned char>(code), TOnbezet::Geen).value_or(0);
}

// The same with the additions.
char16_t UitAangevuld(int code) {
    for (const TAanvulling& a : kAanvullingen) {
        if (a.Code == code) {
            return a.Teken;
        }
    }
    return UitWindows1252(code);
}

// Whether a text of the pages needs the additions: only then do the fonts
// get the Differences, so that every other PDF stays plain WinAnsi.
bool HeeftAanvulling(const TPaginaSet& set) {
    for (const TPagina& pagina : set.Paginas) {
        for (const TElement& e : pagina.Elementen) {
            if (const auto* t = std::get_if<TTekstElement>(&e)) {
                for (const TAanvulling& a : kAanvullingen) {
                    if (t->Tekst.contains(QChar(a.Teken))) {
                        return true;
                    }
                }
            }
        }
    }
    return false;
}

bool InWindows1252(char16_t c) {
    if (UnicodeNaarWindows1252(c, TOnbezet::Geen)) {
        return true;
    }
    for (const TAanvulling& a : kAanvullingen) {
        if (a.Teken == c) {
            return true;
        }
    }
    return false;
}

// PoDoFo keeps UTF-16 code units big-endian: the swap goes both ways.
char16_t Gewisseld(unsigned eenheid) {
    return static_cast<char16_t>(((eenheid & 0xFF) << 8) | ((eenheid >> 8) & 0xFF));
}

// The byte of a character of the encoding; "?" where it has none.
char NaarByte(char16_t c) {
    for (const TAanvulling& a : kAanvullingen) {
        if (a.Teken == c) {
            return static_cast<char>(a.Code);
        }
    }
    return static_cast<char>(UnicodeNaarWindows1252(c, TOnbezet::Geen).value_or('?'));
}

// Windows-1252 with the additions as the fonts' Differences. The text is
// converted here, not by PoDoFo's difference encoding, which writes a debug
// line on standard output for every character it converts.
class TCodering : public PdfDifferenceEncoding {
public:
    using PdfDifferenceEncoding::PdfDifferenceEncoding;

    PdfRefCountedBuffer ConvertToEncoding(const PdfString& tekst, const PdfFont*) const override {
        const PdfString unicode = tekst.ToUnicode();
        const pdf_utf16be* eenheden = unicode.GetUnicode();
        const auto lengte = static_cast<std::size_t>(unicode.GetCharacterLength());
        PdfRefCountedBuffer buffer(lengte);
        for (std::size_t i = 0; i < lengte; ++i) {
            buffer.GetBuffer()[i] = NaarByte(Gewisseld(eenheden[i]));
        }
        return buffer;
    }
};

bool AllesInWindows1252(const QString& tekst) {
    return std::all_of(tekst.begin(), tekst.end(),
                       [](QChar c) { return InWindows1252(c.unicode()); });
}

// A text of the simple fonts: every character is in their encoding.
PdfString PdfTekst(const QString& tekst) {
    const QByteArray utf8 = tekst.toUtf8();
    return PdfString(reinterpret_cast<const pdf_utf8*>(utf8.constData()));
}

std::string Bestandsnaam(const QString& pad) {
    return QFile::encodeName(pad).toStdString();
}

// The RGB bitmap of a picture, rows packed, transparency laid on white.
QByteArray RgbBytes(const QImage& beeld) {
    QImage rgb;
    if (beeld.hasAlphaChannel()) {
        QImage wit(beeld.size(), QImage::Format_RGB888);
        wit.fill(Qt::white);
        QPainter p(&wit);
        p.drawImage(0, 0, beeld);
        p.end();
        rgb = std::move(wit);
    } else {
        rgb = beeld.convertToFormat(QImage::Format_RGB888);
    }
    const qsizetype rij = static_cast<qsizetype>(rgb.width()) * 3;
    QByteArray bytes;
    bytes.reserve(rij * rgb.height());
    for (int y = 0; y < rgb.height(); ++y) {
        bytes.append(reinterpret_cast<const char*>(rgb.constScanLine(y)), rij);
    }
    return bytes;
}

// The painter, with the page's resources open to the Type 0 fonts it does
// not know.
class TSchilder : public PdfPainter {
public:
    using PdfPainter::AddToPageResources;
};

class TPdfSchrijver {
public:
    TPdfSchrijver(const TPaginaFormaat& formaat, const TPdfLetters& gekozen, bool aanvulling)
        : aanvulling_(aanvulling), breedtePt_(formaat.BreedteMm * kPtPerMm),
          hoogtePt_(formaat.HoogteMm * kPtPerMm) {
        doc_.GetInfo()->SetCreator(PdfString("RcVeltor"));
        const TPdfLetters letters =
            gekozen.Regulier.isEmpty() && gekozen.Vet.isEmpty() ? ZoekRapportLetters() : gekozen;
        regulier_ = Letter(letters.Regulier, "LiberationSans", false);
        vet_ = Letter(letters.Vet, "LiberationSans-Bold", true);
        letters_ = letters;
        maat_.emplace(letters);
    }

    void Pagina(const TPagina& pagina) {
        PdfPage* blad = doc_.CreatePage(PdfRect(0, 0, breedtePt_, hoogtePt_));
        painter_.SetPage(blad);
        painter_.SetLineJoinStyle(ePdfLineJoinStyle_Miter);
        for (const TElement& e : pagina.Elementen) {
            if (const auto* t = std::get_if<TTekstElement>(&e)) {
                Tekst(*t);
            } else if (const auto* r = std::get_if<TRechthoekElement>(&e)) {
                Rechthoek(*r);
            } else if (const auto* b = std::get_if<TPlaatjeElement>(&e)) {
                Plaatje(*b);
            } else if (const auto* l = std::get_if<TLijnElement>(&e)) {
                Lijn(*l);
            }
        }
        painter_.FinishPage();
    }

    QByteArray Schrijf() {
        for (auto& letter : type0_) {
            if (letter) {
                letter->Voltooi();
            }
        }
        PdfRefCountedBuffer buffer;
        PdfOutputDevice uit(&buffer);
        doc_.Write(&uit);
        return QByteArray(buffer.GetBuffer(), static_cast<qsizetype>(uit.GetLength()));
    }

private:
    // The whole TrueType file embedded, never a subset.
    PdfFont* Letter(const QString& pad, const char* naam, bool vet) {
        if (!QFileInfo(pad).isFile()) {
            throw RcFout("Cannot open font file \"" + pad.toStdString() +
                         "\". No such file or directory");
        }
        if (aanvulling_ && !codering_) {
            PdfEncodingDifference verschil;
            for (const TAanvulling& a : kAanvullingen) {
                verschil.AddDifference(a.Code, Gewisseld(a.Teken), PdfName(a.Naam));
            }
            codering_ = std::make_unique<TCodering>(
                verschil, PdfDifferenceEncoding::eBaseEncoding_WinAnsi, &doc_, false);
        }
        const PdfEncoding* codering = aanvulling_
                                          ? static_cast<const PdfEncoding*>(codering_.get())
                                          : PdfEncodingFactory::GlobalWinAnsiEncodingInstance();
        PdfFont* font =
            doc_.CreateFont(naam, vet, false, false, codering,
                            PdfFontCache::eFontCreationFlags_None, true, Bestandsnaam(pad).c_str());
        if (font == nullptr) {
            throw RcFout("Cannot load font file \"" + pad.toStdString() + "\"");
        }
        ExacteBreedtes(*font);
        return font;
    }

    // PoDoFo cuts the advance widths to whole thousandths of an em, and a
    // reader places the glyphs by them; write them exact, as the layout
    // measured them, so that right-aligned and centred texts sit where placed.
    void ExacteBreedtes(PdfFont& font) {
        PdfDictionary& letter = font.GetObject()->GetDictionary();
        PdfObject* breedtes = letter.GetKey("Widths");
        if (breedtes != nullptr && breedtes->IsReference()) {
            breedtes = doc_.GetObjects().GetObject(breedtes->GetReference());
        }
        if (breedtes == nullptr || !breedtes->IsArray()) {
            return;
        }
        const pdf_int64 eerste = letter.GetKeyAsLong("FirstChar", 0);
        const pdf_int64 laatste = letter.GetKeyAsLong("LastChar", -1);
        const float grootte = font.GetFontSize();
        font.SetFontSize(1000); // widths in thousandths of an em
        PdfArray exact;
        for (pdf_int64 code = eerste; code <= laatste; ++code) {
            const char16_t teken = aanvulling_ ? UitAangevuld(static_cast<int>(code))
                                               : UitWindows1252(static_cast<int>(code));
            exact.push_back(
                PdfVariant(teken == 0 ? 0.0 : font.GetFontMetrics()->UnicodeCharWidth(teken)));
        }
        font.SetFontSize(grootte);
        breedtes->GetArray() = exact;
    }

    static double Pt(double eenheden) { return eenheden * kPtPerEenheid; }
    double Y(double eenheden) const { return hoogtePt_ - Pt(eenheden); }

    // A box in layout units (from the top) as a PDF rectangle (from the bottom).
    void Pad(const QRectF& vak) {
        painter_.Rectangle(Pt(vak.left()), Y(vak.bottom()), Pt(vak.width()), Pt(vak.height()));
    }

    void Vul(const QRectF& vak, const QColor& kleur) {
        painter_.SetColor(kleur.redF(), kleur.greenF(), kleur.blueF());
        Pad(vak);
        painter_.Fill();
    }

    // Draws the lines where the layout put them.
    void Tekst(const TTekstElement& t) {
        const TTekstOpmaak opmaak = MaakOpmaak(t, *maat_);
        const QRectF& vak = opmaak.Vak;
        if (t.Achtergrond) {
            Vul(vak, *t.Achtergrond);
        }
        PdfFont* font = t.Letter.Vet ? vet_ : regulier_;
        font->SetFontSize(static_cast<float>(t.Letter.Punten));
        painter_.Save();
        if (opmaak.Knippen) {
            painter_.SetClipRect(Pt(vak.left()), Y(vak.bottom()), Pt(vak.width()),
                                 Pt(vak.height()));
        }
        painter_.SetColor(0, 0, 0);
        painter_.SetFont(font);
        for (const TTekstRegel& regel : opmaak.Regels) {
            if (AllesInWindows1252(regel.Tekst)) {
                painter_.DrawText(Pt(regel.Basis.x()), Y(regel.Basis.y()), PdfTekst(regel.Tekst));
            } else {
                Type0Tekst(t.Letter, Pt(regel.Basis.x()), Y(regel.Basis.y()), regel.Tekst);
            }
        }
        painter_.Restore();
    }

    // A line with characters beyond Windows-1252, in the face's Type 0 font.
    void Type0Tekst(const TLettertype& letter, double x, double y, const QString& tekst) {
        auto& plek = type0_[letter.Vet ? 1 : 0];
        if (!plek) {
            plek = std::make_unique<TType0Letter>(doc_, letter.Vet ? *vet_ : *regulier_,
                                                  letter.Vet ? letters_.Vet : letters_.Regulier,
                                                  PdfName(letter.Vet ? "RcType0Vet" : "RcType0"));
        }
        painter_.AddToPageResources(plek->Naam(), plek->Verwijzing(), PdfName("Font"));
        std::ostringstream uit;
        uit.imbue(std::locale::classic());
        uit.setf(std::ios::fixed);
        uit.precision(3);
        uit << "BT\n/" << plek->Naam().GetName() << ' ' << letter.Punten << " Tf\n"
            << x << ' ' << y << " Td\n"
            << plek->Hex(tekst) << " Tj\nET\n";
        const std::string inhoud = uit.str();
        painter_.GetCanvas()->Append(inhoud.data(), inhoud.size());
    }

    // The outline lies inside the box, as a frame of the given width.
    void Rechthoek(const TRechthoekElement& r) {
        if (r.Vulling) {
            Vul(r.Vak, *r.Vulling);
        }
        const double d = r.LijnDikte;
        painter_.SetStrokingColor(r.Lijn.redF(), r.Lijn.greenF(), r.Lijn.blueF());
        painter_.SetStrokeWidth(Pt(d));
        Pad(r.Vak.adjusted(d / 2, d / 2, -d / 2, -d / 2));
        painter_.Stroke();
    }

    // As the painter draws it: flat ends, round corners, the same dashes.
    void Lijn(const TLijnElement& l) {
        if (l.Punten.size() < 2 || !(l.Dikte > 0)) {
            return;
        }
        painter_.Save();
        painter_.SetStrokingColor(l.Kleur.redF(), l.Kleur.greenF(), l.Kleur.blueF());
        painter_.SetStrokeWidth(Pt(l.Dikte));
        painter_.SetLineCapStyle(ePdfLineCapStyle_Butt);
        painter_.SetLineJoinStyle(ePdfLineJoinStyle_Round);
        if (l.Gestreept) {
            std::ostringstream streep;
            streep.imbue(std::locale::classic());
            streep << '[' << Pt(kStreep) << ' ' << Pt(kStreepGat) << "] 0";
            painter_.SetStrokeStyle(ePdfStrokeStyle_Custom, streep.str().c_str());
        }
        painter_.MoveTo(Pt(l.Punten.front().x()), Y(l.Punten.front().y()));
        for (std::size_t i = 1; i < l.Punten.size(); ++i) {
            painter_.LineTo(Pt(l.Punten[i].x()), Y(l.Punten[i].y()));
        }
        painter_.Stroke();
        painter_.Restore();
    }

    // One pixel per layout unit (96 dpi), or stretched to the box.
    void Plaatje(const TPlaatjeElement& b) {
        if (b.Beeld.isNull()) {
            return;
        }
        PdfImage& beeld = Beeld(b.Beeld);
        const double breedte = b.Uitrekken ? b.Vak.width() : b.Beeld.width();
        const double hoogte = b.Uitrekken ? b.Vak.height() : b.Beeld.height();
        painter_.DrawImage(Pt(b.Vak.left()), Y(b.Vak.top() + hoogte), &beeld,
                           Pt(breedte) / b.Beeld.width(), Pt(hoogte) / b.Beeld.height());
    }

    // Each bitmap once per document, Flate-compressed (lossless).
    PdfImage& Beeld(const QImage& bron) {
        auto& plek = beelden_[bron.cacheKey()];
        if (!plek) {
            plek = std::make_unique<PdfImage>(&doc_);
            const QByteArray rgb = RgbBytes(bron);
            PdfMemoryInputStream stroom(rgb.constData(), rgb.size());
            TVecFilters filters;
            filters.push_back(ePdfFilter_FlateDecode);
            plek->SetImageColorSpace(ePdfColorSpace_DeviceRGB);
            plek->SetImageData(static_cast<unsigned>(bron.width()),
                               static_cast<unsigned>(bron.height()), 8, &stroom, filters);
        }
        return *plek;
    }

    // Both fonts' encoding: declared before the document, so that it outlives
    // the fonts the document owns.
    bool aanvulling_; // the fonts carry the additions
    std::unique_ptr<TCodering> codering_;
    PdfMemDocument doc_;
    TSchilder painter_;
    PdfFont* regulier_ = nullptr;
    PdfFont* vet_ = nullptr;
    TPdfLetters letters_;
    std::unique_ptr<TType0Letter> type0_[2]; // regular and bold, made when first needed
    std::optional<TLetterMaat> maat_;        // the layout's metrics, from the embedded files
    double breedtePt_;
    double hoogtePt_;
    std::map<qint64, std::unique_ptr<PdfImage>> beelden_;
};

} // namespace

QByteArray MaakPdf(const TPaginaSet& set, const TPdfVoortgang& voortgang,
                   const TPdfLetters& letters) {
    PdfError::EnableLogging(false);
    PdfError::EnableDebug(false);
    try {
        TPdfSchrijver schrijver(set.Formaat, letters, HeeftAanvulling(set));
        const int totaal = static_cast<int>(set.Paginas.size());
        int geschreven = 0;
        for (const TPagina& pagina : set.Paginas) {
            schrijver.Pagina(pagina);
            if (voortgang) {
                voortgang(++geschreven, totaal);
            }
        }
        return schrijver.Schrijf();
    } catch (const PdfError& fout) {
        const char* uitleg = PdfError::ErrorMessage(fout.GetError());
        throw RcFout(std::string("Cannot write the PDF document: ") +
                     (uitleg != nullptr ? uitleg : PdfError::ErrorName(fout.GetError())));
    }
}

void SchrijfPdf(const TPaginaSet& set, const QString& bestand, const TPdfVoortgang& voortgang,
                const TPdfLetters& letters) {
    const QByteArray pdf = MaakPdf(set, voortgang, letters);
    try {
        platform::SlaVeiligOp(platform::PadUitUtf8(bestand.toStdString()),
                              {reinterpret_cast<const unsigned char*>(pdf.constData()),
                               static_cast<std::size_t>(pdf.size())});
    } catch (const platform::TBestandsfout& reden) {
        throw RcFout("Cannot create file \"" + bestand.toStdString() + "\". " + reden.what());
    }
}

} // namespace rcveltor::rapport
