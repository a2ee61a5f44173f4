#include "rtf/RtfLezer.h"

#include "basis/Windows1252.h"

#include <QColor>
#include <QStringDecoder>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <string_view>
#include <vector>

namespace rcveltor::app {

namespace {

constexpr std::size_t kMaxDiepte = 200;
constexpr std::size_t kMaxKleuren = 1024;
constexpr int kMaxWoord = 32;
constexpr int kMaxCijfers = 10;
constexpr double kTwipsPerPixel = 15.0; // 1440 twips an inch, 96 pixels an inch
// What a real text uses: spacing and indents up to an inch, fonts up to 72 pt.
constexpr int kMaxAfstand = 1440;
constexpr int kMaxInspringen = 1440;
constexpr int kMaxHalvePunten = 144;
// Qt's text layout stops coming back once a document is some 8 million pixels
// tall, so a text is refused well before. Its height is estimated from above
// for the info window's text width: a line is at most 1.5 em high and a
// character at most 1 em wide (2 em beyond Latin-1, a tab 80 pixels).
constexpr double kTekstbreedte = 400;
constexpr double kMaxHoogte = 4e6;

// An unassigned byte reads as the C1 control with its number, as Windows
// converts it.
QChar Cp1252(unsigned char b) {
    return QChar(*Windows1252NaarUnicode(b, TOnbezet::AlsC1));
}

// Groups whose content is not shown.
constexpr std::string_view kOverslaan[] = {"annotation",
                                           "author",
                                           "bkmkend",
                                           "bkmkstart",
                                           "buptim",
                                           "category",
                                           "colorschememapping",
                                           "comment",
                                           "company",
                                           "creatim",
                                           "datastore",
                                           "doccomm",
                                           "fldinst",
                                           "filetbl",
                                           "fonttbl",
                                           "footer",
                                           "footerf",
                                           "footerl",
                                           "footerr",
                                           "footnote",
                                           "generator",
                                           "header",
                                           "headerf",
                                           "headerl",
                                           "headerr",
                                           "info",
                                           "keywords",
                                           "latentstyles",
                                           "listoverridetable",
                                           "listtable",
                                           "mmathPr",
                                           "nonshppict",
                                           "object",
                                           "objdata",
                                           "operator",
                                           "pgdsctbl",
                                           "pict",
                                           "pntxta",
                                           "pntxtb",
                                           "printim",
                                           "private",
                                           "revtbl",
                                           "revtim",
                                           "rsidtbl",
                                           "shppict",
                                           "stylesheet",
                                           "subject",
                                           "tc",
                                           "template",
                                           "themedata",
                                           "title",
                                           "txe",
                                           "xe",
                                           "xmlnsdecl",
                                           "userprops",
                                           "wgrffmtfilter"};

struct TTekenOpmaak {
    bool Vet = false;
    bool Cursief = false;
    bool Onderstreept = false;
    bool Doorgehaald = false;
    int HalvePunten = 24;
    int Kleur = 0;
    bool operator==(const TTekenOpmaak&) const = default;
};

struct TAlineaOpmaak {
    Qt::Alignment Uitlijning = Qt::AlignLeft;
    int Voor = 0; // twips
    int Na = 0;
    int Links = 0;
    int Rechts = 0;
    int Eerste = 0;
};

enum class TBestemming { Tekst, Overslaan, Kleurtabel };

struct TGroep {
    TTekenOpmaak Teken;
    TAlineaOpmaak Alinea;
    int Uc = 1;
    TBestemming Bestemming = TBestemming::Tekst;
};

struct TStuk {
    QString Tekst;
    TTekenOpmaak Opmaak;
};

struct TAlinea {
    TAlineaOpmaak Opmaak;
    std::vector<TStuk> Stukken;
};

class TRtfParser {
public:
    explicit TRtfParser(QByteArrayView d) : d_(d) { Alineas.emplace_back(); }

    bool Lees() {
        if (!d_.startsWith("{\\rtf")) {
            return false;
        }
        while (i_ < d_.size()) {
            const auto c = static_cast<unsigned char>(d_[i_++]);
            switch (c) {
            case '{':
                if (stapel_.size() == kMaxDiepte) {
                    return false;
                }
                stapel_.push_back(g_);
                overslaan_ = 0;
                break;
            case '}':
                if (stapel_.empty()) {
                    return false;
                }
                g_ = stapel_.back();
                stapel_.pop_back();
                overslaan_ = 0;
                if (stapel_.empty()) {
                    Sluit();
                    return true;
                }
                break;
            case '\\':
                if (!Stuurcode()) {
                    return false;
                }
                break;
            case '\r':
            case '\n':
                break;
            default:
                Teken(c);
            }
            if (hoogte_ > kMaxHoogte) {
                return false;
            }
        }
        // The outer group never closed.
        return false;
    }

    std::vector<TAlinea> Alineas;
    std::vector<std::optional<QColor>> Kleuren;

private:
    bool Stuurcode() {
        if (i_ >= d_.size()) {
            return false;
        }
        const char c = d_[i_];
        if (IsLetter(c)) {
            return Woord();
        }
        ++i_;
        if (c == '\'') {
            if (i_ + 2 > d_.size()) {
                return false;
            }
            const int hoog = Hex(d_[i_]);
            const int laag = Hex(d_[i_ + 1]);
            if (hoog < 0 || laag < 0) {
                return false;
            }
            i_ += 2;
            Teken(static_cast<unsigned char>(hoog * 16 + laag));
            return true;
        }
        if (c == '\\' || c == '{' || c == '}') {
            Teken(static_cast<unsigned char>(c));
            return true;
        }
        if (overslaan_ > 0) {
            --overslaan_;
            return true;
        }
        switch (c) {
        case '~':
            Voeg(QChar(0x00A0));
            break;
        case '_':
            Voeg(QChar(0x2011));
            break;
        case '*':
            // Optional destinations: none of them is shown.
            g_.Bestemming = TBestemming::Overslaan;
            break;
        case '\r':
        case '\n':
            Alinea();
            break;
        default:
            break; // \- \: \| and unknown symbols
        }
        return true;
    }

    bool Woord() {
        const qsizetype begin = i_;
        while (i_ < d_.size() && IsLetter(d_[i_])) {
            if (i_ - begin == kMaxWoord) {
                return false;
            }
            ++i_;
        }
        const std::string_view woord(d_.data() + begin, static_cast<std::size_t>(i_ - begin));
        bool negatief = false;
        if (i_ < d_.size() && d_[i_] == '-') {
            negatief = true;
            ++i_;
        }
        const qsizetype cijfers = i_;
        long long waarde = 0;
        while (i_ < d_.size() && d_[i_] >= '0' && d_[i_] <= '9') {
            if (i_ - cijfers == kMaxCijfers) {
                return false;
            }
            waarde = waarde * 10 + (d_[i_] - '0');
            ++i_;
        }
        const bool heeftWaarde = i_ > cijfers;
        if (negatief && !heeftWaarde) {
            return false;
        }
        if (i_ < d_.size() && d_[i_] == ' ') {
            ++i_;
        }
        const long long param = negatief ? -waarde : waarde;
        const int p = static_cast<int>(std::clamp<long long>(param, -(1LL << 30), (1LL << 30)));
        return Verwerk(woord, heeftWaarde, p);
    }

    bool Verwerk(std::string_view w, bool heeftWaarde, int p) {
        if (w == "bin") {
            if (!heeftWaarde || p < 0) {
                return false;
            }
            i_ += std::min<qsizetype>(p, d_.size() - i_);
            return true;
        }
        if (overslaan_ > 0) {
            --overslaan_;
            return true;
        }
        if (std::find(std::begin(kOverslaan), std::end(kOverslaan), w) != std::end(kOverslaan)) {
            g_.Bestemming = TBestemming::Overslaan;
            return true;
        }
        if (w == "colortbl") {
            g_.Bestemming = TBestemming::Kleurtabel;
            return true;
        }
        if (g_.Bestemming == TBestemming::Kleurtabel) {
            const int deel = std::clamp(p, 0, 255);
            if (w == "red") {
                kleur_.setRed(deel);
                kleurGezien_ = true;
            } else if (w == "green") {
                kleur_.setGreen(deel);
                kleurGezien_ = true;
            } else if (w == "blue") {
                kleur_.setBlue(deel);
                kleurGezien_ = true;
            }
            return true;
        }
        if (g_.Bestemming != TBestemming::Tekst) {
            return true;
        }
        const bool aan = !heeftWaarde || p != 0;
        TTekenOpmaak& t = g_.Teken;
        TAlineaOpmaak& a = g_.Alinea;
        const int afstand = std::clamp(p, 0, kMaxAfstand);
        const int inspringen = std::clamp(p, 0, kMaxInspringen);
        if (w == "par" || w == "sect" || w == "page" || w == "row") {
            Alinea();
        } else if (w == "line") {
            Voeg(QChar(QChar::LineSeparator));
        } else if (w == "tab" || w == "cell") {
            Voeg(QLatin1Char('\t'));
        } else if (w == "u") {
            if (heeftWaarde) {
                const int code = p < 0 ? p + 65536 : p;
                Voeg(code >= 0 && code <= 0xFFFF ? QChar(static_cast<char16_t>(code))
                                                 : QChar(QChar::ReplacementCharacter));
            }
            overslaan_ = g_.Uc;
        } else if (w == "uc") {
            g_.Uc = std::clamp(p, 0, 16);
        } else if (w == "plain") {
            t = TTekenOpmaak{};
        } else if (w == "b") {
            t.Vet = aan;
        } else if (w == "i") {
            t.Cursief = aan;
        } else if (w == "ul" || w == "uld" || w == "uldb" || w == "ulw" || w == "ulth" ||
                   w == "ulwave" || w == "uldash") {
            t.Onderstreept = aan;
        } else if (w == "ulnone") {
            t.Onderstreept = false;
        } else if (w == "strike") {
            t.Doorgehaald = aan;
        } else if (w == "fs") {
            if (heeftWaarde && p > 0) {
                t.HalvePunten = std::clamp(p, 2, kMaxHalvePunten);
            }
        } else if (w == "cf") {
            t.Kleur = std::max(0, p);
        } else if (w == "pard") {
            a = TAlineaOpmaak{};
        } else if (w == "ql") {
            a.Uitlijning = Qt::AlignLeft;
        } else if (w == "qc") {
            a.Uitlijning = Qt::AlignHCenter;
        } else if (w == "qr") {
            a.Uitlijning = Qt::AlignRight;
        } else if (w == "qj") {
            a.Uitlijning = Qt::AlignJustify;
        } else if (w == "sb") {
            a.Voor = afstand;
        } else if (w == "sa") {
            a.Na = afstand;
        } else if (w == "li") {
            a.Links = inspringen;
        } else if (w == "ri") {
            a.Rechts = inspringen;
        } else if (w == "fi") {
            // Negative: a hanging first line.
            a.Eerste = std::clamp(p, -kMaxInspringen, kMaxInspringen);
        } else {
            const auto teken = Symbool(w);
            if (teken) {
                Voeg(*teken);
            }
        }
        return true;
    }

    static std::optional<QChar> Symbool(std::string_view w) {
        static constexpr std::array<std::pair<std::string_view, char16_t>, 12> kSymbolen = {{
            {"bullet", 0x2022},
            {"emdash", 0x2014},
            {"endash", 0x2013},
            {"emspace", 0x2003},
            {"enspace", 0x2002},
            {"qmspace", 0x2005},
            {"lquote", 0x2018},
            {"rquote", 0x2019},
            {"ldblquote", 0x201C},
            {"rdblquote", 0x201D},
            {"zwj", 0x200D},
            {"zwnj", 0x200C},
        }};
        for (const auto& [naam, code] : kSymbolen) {
            if (naam == w) {
                return QChar(code);
            }
        }
        return std::nullopt;
    }

    // A character of the text (a byte, or the byte of \'hh).
    void Teken(unsigned char b) {
        if (overslaan_ > 0) {
            --overslaan_;
            return;
        }
        if (g_.Bestemming == TBestemming::Kleurtabel) {
            if (b == ';') {
                if (Kleuren.size() < kMaxKleuren) {
                    Kleuren.push_back(kleurGezien_ ? std::optional<QColor>(kleur_) : std::nullopt);
                }
                kleur_ = QColor(0, 0, 0);
                kleurGezien_ = false;
            }
            return;
        }
        if (b < 0x20 && b != '\t') {
            return;
        }
        Voeg(Cp1252(b));
    }

    void Voeg(QChar c) {
        if (g_.Bestemming != TBestemming::Tekst) {
            return;
        }
        // A surrogate pair arrives as two \u words; a half alone is replaced.
        if (hoog_) {
            const QChar eerste = *hoog_;
            hoog_.reset();
            if (c.isLowSurrogate()) {
                Schrijf(eerste);
                Schrijf(c);
                return;
            }
            Schrijf(QChar(QChar::ReplacementCharacter));
        }
        if (c.isHighSurrogate()) {
            hoog_ = c;
            return;
        }
        Schrijf(c.isLowSurrogate() ? QChar(QChar::ReplacementCharacter) : c);
    }

    double Em() const { return g_.Teken.HalvePunten / 2.0 * 96.0 / 72.0; }

    void Schrijf(QChar c) {
        const TAlineaOpmaak& a = g_.Alinea;
        const double regel = 1.5 * Em();
        if (c == QChar::LineSeparator) {
            hoogte_ += regel;
        } else {
            const double breedte = c == QLatin1Char('\t') ? 80.0
                                   : c.unicode() > 0xFF   ? 2 * Em()
                                                          : Em();
            const double ruimte = std::max(
                kTekstbreedte - (a.Links + a.Rechts + std::abs(a.Eerste)) / kTwipsPerPixel, 50.0);
            hoogte_ += breedte / ruimte * regel;
        }
        TAlinea& alinea = Alineas.back();
        alinea.Opmaak = g_.Alinea;
        if (alinea.Stukken.empty() || !(alinea.Stukken.back().Opmaak == g_.Teken)) {
            alinea.Stukken.push_back({{}, g_.Teken});
        }
        alinea.Stukken.back().Tekst += c;
    }

    void LosHoog() {
        if (hoog_) {
            hoog_.reset();
            Schrijf(QChar(QChar::ReplacementCharacter));
        }
    }

    void Alinea() {
        if (g_.Bestemming != TBestemming::Tekst) {
            return;
        }
        LosHoog();
        Alineas.back().Opmaak = g_.Alinea;
        hoogte_ += (g_.Alinea.Voor + g_.Alinea.Na) / kTwipsPerPixel + 1.5 * Em();
        Alineas.emplace_back();
    }

    void Sluit() {
        LosHoog();
        // The paragraph mark after the last paragraph opens no new one.
        if (Alineas.size() > 1 && Alineas.back().Stukken.empty()) {
            Alineas.pop_back();
        }
    }

    static bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    static int Hex(char c) {
        if (c >= '0' && c <= '9') {
            return c - '0';
        }
        if (c >= 'a' && c <= 'f') {
            return c - 'a' + 10;
        }
        if (c >= 'A' && c <= 'F') {
            return c - 'A' + 10;
        }
        return -1;
    }

    QByteArrayView d_;
    qsizetype i_ = 0;
    std::vector<TGroep> stapel_;
    TGroep g_;
    int overslaan_ = 0;
    std::optional<QChar> hoog_;
    QColor kleur_{0, 0, 0};
    bool kleurGezien_ = false;
    double hoogte_ = 0; // estimated, in pixels
};

void Bouw(const TRtfParser& p, QTextDocument& doc) {
    doc.clear();
    QTextCursor c(&doc);
    // One edit block: without it every insertion updates the layout's
    // bookkeeping, which makes building quadratic in the formatting runs.
    c.beginEditBlock();
    bool eerste = true;
    for (const TAlinea& alinea : p.Alineas) {
        const TAlineaOpmaak& a = alinea.Opmaak;
        QTextBlockFormat bf;
        bf.setAlignment(a.Uitlijning);
        bf.setTopMargin(a.Voor / kTwipsPerPixel);
        bf.setBottomMargin(a.Na / kTwipsPerPixel);
        bf.setLeftMargin(a.Links / kTwipsPerPixel);
        bf.setRightMargin(a.Rechts / kTwipsPerPixel);
        bf.setTextIndent(a.Eerste / kTwipsPerPixel);
        if (eerste) {
            c.setBlockFormat(bf);
            eerste = false;
        } else {
            c.insertBlock(bf);
        }
        for (const TStuk& stuk : alinea.Stukken) {
            const TTekenOpmaak& t = stuk.Opmaak;
            QTextCharFormat cf;
            cf.setFontWeight(t.Vet ? QFont::Bold : QFont::Normal);
            cf.setFontItalic(t.Cursief);
            cf.setFontUnderline(t.Onderstreept);
            cf.setFontStrikeOut(t.Doorgehaald);
            cf.setFontPointSize(t.HalvePunten / 2.0);
            if (static_cast<std::size_t>(t.Kleur) < p.Kleuren.size() && p.Kleuren[t.Kleur]) {
                cf.setForeground(*p.Kleuren[t.Kleur]);
            }
            c.insertText(stuk.Tekst, cf);
        }
    }
    c.endEditBlock();
}

} // namespace

bool LeesRtf(QByteArrayView rtf, QTextDocument& doc) {
    if (rtf.size() > kMaxRtf) {
        return false;
    }
    TRtfParser parser(rtf);
    if (!parser.Lees()) {
        return false;
    }
    Bouw(parser, doc);
    return true;
}

std::optional<QString> LeesPlatteTekst(QByteArrayView data) {
    if (data.contains('\0')) {
        return std::nullopt;
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString tekst = utf8.decode(data);
    if (utf8.hasError()) {
        tekst = VanWindows1252(data);
    }
    // As tall as the layout can take, like an RTF text.
    const auto regels = std::count_if(tekst.cbegin(), tekst.cend(), [](QChar c) {
        return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::ParagraphSeparator ||
               c == QChar::LineSeparator;
    });
    if (regels > kMaxPlatteRegels) {
        return std::nullopt;
    }
    return tekst;
}

QString VanWindows1252(QByteArrayView data) {
    QString tekst;
    tekst.reserve(data.size());
    for (const char b : data) {
        tekst += Cp1252(static_cast<unsigned char>(b));
    }
    return tekst;
}

} // namespace rcveltor::app
