#include "reports/Letterbestanden.h"

#include "basis/RcFout.h"
#include "reports/PdfExport.h"

#include <QFile>

#ifdef _WIN32
#include "platform/Databestand.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#else
#include <fontconfig/fontconfig.h>
#include <memory>
#endif

namespace rcveltor::rapport {

namespace {

constexpr const char* kNietGevonden =
    "Het lettertype Liberation Sans (normaal en vet) is niet gevonden. Het PDF-bestand is niet "
    "opgeslagen";

#ifdef _WIN32

// Windows has no fontconfig and seldom Liberation Sans: the program ships
// both files beside itself.
QString Zoek(const char* bestand) {
    const QString pad = QString::fromStdString(
        platform::ZoekDatabestand(QDir::currentPath().toStdString(), bestand));
    return QFileInfo(pad).isFile() ? pad : QString();
}

} // namespace

TPdfLetters ZoekRapportLetters() {
    TPdfLetters letters;
    letters.Regulier = Zoek("LiberationSans-Regular.ttf");
    letters.Vet = Zoek("LiberationSans-Bold.ttf");
    if (letters.Regulier.isEmpty() || letters.Vet.isEmpty()) {
        throw RcFout(kNietGevonden);
    }
    return letters;
}

void RegistreerRapportLetters() {
    try {
        const TPdfLetters letters = ZoekRapportLetters();
        QFontDatabase::addApplicationFont(letters.Regulier);
        QFontDatabase::addApplicationFont(letters.Vet);
        // The screens ask for Arial, as Liberation Sans stands in for it on
        // Linux; a Windows without Arial gets the same font.
        QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    } catch (const RcFout&) {
        // The screen falls back to Arial; the PDF export says what is missing.
    }
}

#else

constexpr const char* kFamilie = "Liberation Sans";

struct TPatroonWeg {
    void operator()(FcPattern* patroon) const { FcPatternDestroy(patroon); }
};
using TPatroon = std::unique_ptr<FcPattern, TPatroonWeg>;

// The file fontconfig matches for the family at this weight; empty when it
// can only offer another family in its place.
QString Zoek(int gewicht) {
    TPatroon vraag(FcPatternCreate());
    FcPatternAddString(vraag.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(kFamilie));
    FcPatternAddInteger(vraag.get(), FC_WEIGHT, gewicht);
    FcPatternAddInteger(vraag.get(), FC_SLANT, FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, vraag.get(), FcMatchPattern);
    FcDefaultSubstitute(vraag.get());
    FcResult uitkomst = FcResultNoMatch;
    TPatroon gevonden(FcFontMatch(nullptr, vraag.get(), &uitkomst));
    if (!gevonden || uitkomst != FcResultMatch) {
        return {};
    }
    FcChar8* familie = nullptr;
    FcChar8* bestand = nullptr;
    int gevondenGewicht = 0;
    if (FcPatternGetString(gevonden.get(), FC_FAMILY, 0, &familie) != FcResultMatch ||
        FcPatternGetString(gevonden.get(), FC_FILE, 0, &bestand) != FcResultMatch ||
        FcPatternGetInteger(gevonden.get(), FC_WEIGHT, 0, &gevondenGewicht) != FcResultMatch) {
        return {};
    }
    if (QString::fromUtf8(reinterpret_cast<const char*>(familie)) != QLatin1String(kFamilie) ||
        (gewicht >= FC_WEIGHT_BOLD) != (gevondenGewicht >= FC_WEIGHT_BOLD)) {
        return {};
    }
    return QFile::decodeName(reinterpret_cast<const char*>(bestand));
}

} // namespace

TPdfLetters ZoekRapportLetters() {
    if (FcInit() == FcFalse) {
        throw RcFout("De lettertypen van het systeem kunnen niet worden gelezen. Het PDF-bestand "
                     "is niet opgeslagen");
    }
    TPdfLetters letters;
    letters.Regulier = Zoek(FC_WEIGHT_REGULAR);
    letters.Vet = Zoek(FC_WEIGHT_BOLD);
    if (letters.Regulier.isEmpty() || letters.Vet.isEmpty()) {
        throw RcFout(kNietGevonden);
    }
    return letters;
}

void RegistreerRapportLetters() {}

#endif

} // namespace rcveltor::rapport
