#include "reports/Type0Letter.h"

#include "basis/RcFout.h"

#include <QFont>
#include <cstdio>

namespace rcveltor::rapport {

namespace {

using namespace PoDoFo;

std::string Hex4(unsigned waarde) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%04X", waarde & 0xFFFF);
    return buffer;
}

// A character as UTF-16BE hex digits, as a ToUnicode map writes it.
std::string Utf16Hex(char32_t teken) {
    if (teken < 0x10000) {
        return Hex4(teken);
    }
    const char32_t boven = teken - 0x10000; // above the basic plane
    return Hex4(0xD800 + (boven >> 10)) + Hex4(0xDC00 + (boven & 0x3FF));
}

constexpr std::size_t kPerBlok = 100; // entries a CMap block may hold

} // namespace

TType0Letter::TType0Letter(PdfDocument& doc, const PdfFont& eenvoudig, const QString& pad,
                           const PdfName& naam)
    : doc_(doc), naam_(naam), maat_(pad, 2048, QFont::PreferNoHinting) {
    if (!maat_.isValid()) {
        throw RcFout("Het lettertype \"" + pad.toStdString() + "\" kan niet worden gelezen");
    }
    maat_.setPixelSize(maat_.unitsPerEm());
    const PdfDictionary& bron = eenvoudig.GetObject()->GetDictionary();
    const PdfName basis = bron.GetKey("BaseFont")->GetName();

    PdfVecObjects& objecten = *doc_.GetObjects();
    cidFont_ = objecten.CreateObject("Font");
    PdfDictionary& cid = cidFont_->GetDictionary();
    cid.AddKey(PdfName::KeySubtype, PdfName("CIDFontType2"));
    cid.AddKey("BaseFont", basis);
    PdfDictionary systeem;
    systeem.AddKey("Registry", PdfString("Adobe"));
    systeem.AddKey("Ordering", PdfString("Identity"));
    systeem.AddKey("Supplement", PdfObject(static_cast<pdf_int64>(0)));
    cid.AddKey("CIDSystemInfo", systeem);
    cid.AddKey("FontDescriptor", *bron.GetKey("FontDescriptor"));
    cid.AddKey("CIDToGIDMap", PdfName("Identity"));

    font_ = objecten.CreateObject("Font");
    PdfDictionary& font = font_->GetDictionary();
    font.AddKey(PdfName::KeySubtype, PdfName("Type0"));
    font.AddKey("BaseFont", basis);
    font.AddKey("Encoding", PdfName("Identity-H"));
    PdfArray afstammelingen;
    afstammelingen.push_back(cidFont_->Reference());
    font.AddKey("DescendantFonts", afstammelingen);
}

std::string TType0Letter::Hex(const QString& tekst) {
    std::string hex = "<";
    for (const char32_t teken : tekst.toUcs4()) {
        const QList<quint32> glyf = maat_.glyphIndexesForString(QString::fromUcs4(&teken, 1));
        const quint32 nummer = glyf.isEmpty() ? 0 : glyf.front();
        gebruikt_.emplace(nummer, teken);
        hex += Hex4(nummer);
    }
    return hex + ">";
}

void TType0Letter::Voltooi() {
    // Widths exact, in thousandths of an em, as the layout measured them.
    PdfArray breedtes;
    const double schaal = 1000.0 / maat_.unitsPerEm();
    for (const auto& [glyf, teken] : gebruikt_) {
        const QList<QPointF> stap =
            maat_.advancesForGlyphIndexes(QList<quint32>{glyf}, QRawFont::UseDesignMetrics);
        PdfArray breedte;
        breedte.push_back(PdfVariant(stap.isEmpty() ? 0.0 : stap.front().x() * schaal));
        breedtes.push_back(PdfObject(static_cast<pdf_int64>(glyf)));
        breedtes.push_back(breedte);
    }
    cidFont_->GetDictionary().AddKey("W", breedtes);

    std::string kaart = "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
                        "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
                        "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
                        "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n";
    auto it = gebruikt_.begin();
    while (it != gebruikt_.end()) {
        std::string blok;
        std::size_t aantal = 0;
        for (; it != gebruikt_.end() && aantal < kPerBlok; ++it, ++aantal) {
            blok += "<" + Hex4(it->first) + "> <" + Utf16Hex(it->second) + ">\n";
        }
        kaart += std::to_string(aantal) + " beginbfchar\n" + blok + "endbfchar\n";
    }
    kaart += "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
    PdfObject* unicode = doc_.GetObjects()->CreateObject();
    unicode->GetStream()->Set(kaart.data(), static_cast<pdf_long>(kaart.size()));
    font_->GetDictionary().AddKey("ToUnicode", unicode->Reference());
}

} // namespace rcveltor::rapport
