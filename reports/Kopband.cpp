#include "reports/Kopband.h"

#include "beeld/Afbeeldingen.h"
#include "platform/Databestand.h"
#include "reports/Bouwstenen.h"
#include "reports/Inkorten.h"
#include "reports/Tekstopmaak.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QSettings>

namespace rcveltor::rapport {

namespace {

// A picture drawn at its natural size, one pixel per layout unit.
QImage Beeld(int breedte, int hoogte, const beeld::TTekenFunctie& tekenen) {
    QImage beeld(breedte, hoogte, QImage::Format_RGB32);
    beeld.fill(Qt::white);
    QPainter p(&beeld);
    tekenen(p, QRectF(0, 0, breedte, hoogte));
    return beeld;
}

// A bitmap of rows of two colours, stretched to its box.
QImage Strepen(int breedte, int hoogte, int bovenRijen, QColor boven, QColor onder) {
    QImage beeld(breedte, hoogte, QImage::Format_RGB32);
    beeld.fill(onder);
    for (int y = 0; y < bovenRijen; ++y) {
        for (int x = 0; x < breedte; ++x) {
            beeld.setPixelColor(x, y, boven);
        }
    }
    return beeld;
}

TPlaatjeElement Plaatje(double x, double y, double breedte, double hoogte, QImage beeld,
                        bool uitrekken) {
    return TPlaatjeElement{QRectF(x, y, breedte, hoogte), std::move(beeld), uitrekken};
}

// The widths of the contact details' three columns: each ends a gap before
// the next, the last at the photo strip [layout units].
constexpr double kAdresBreedte = 144;
constexpr double kTelefoonBreedte = 112;
constexpr double kEmailBreedte = 59;
const TLettertype kContactLetter{true, 8};

// A value of the maker's details, cut to its column with an ellipsis.
TTekstElement Contact(double x, double y, double breedte, const QString& tekst) {
    return VakTekst(x, y, breedte, 17,
                    Ingekort(tekst, breedte, kContactLetter, RapportLetterMaat()),
                    TUitlijning::Links, kContactLetter.Punten, kContactLetter.Vet);
}

} // namespace

TContact LeesContactgegevens(const QString& bestand) {
    // The shipped example, which fits the header band's boxes.
    TContact voorbeeld{QStringLiteral("Veltor Isolatiesystemen B.V."),
                       QStringLiteral("Industrieweg 12"),
                       QStringLiteral("1234 AB Voorbeeldstad"),
                       QStringLiteral("012-3456789"),
                       QStringLiteral("012-3456780"),
                       QStringLiteral("rc@vt.test"),
                       QStringLiteral("www.example.com/veltor")};
    if (!QFileInfo(bestand).isFile()) {
        return voorbeeld;
    }
    QSettings ini(bestand, QSettings::IniFormat);
    ini.beginGroup(QStringLiteral("Fabrikant"));
    const auto lees = [&ini](const char* sleutel) {
        return ini.value(QString::fromLatin1(sleutel)).toString();
    };
    return TContact{lees("Naam"),     lees("Straat"), lees("PostcodePlaats"),
                    lees("Telefoon"), lees("Fax"),    lees("Email"),
                    lees("Web")};
}

const TContact& Contactgegevens() {
    static const TContact contact = LeesContactgegevens(QString::fromStdString(
        platform::ZoekDatabestand(QDir::currentPath().toStdString(), "fabrikant.ini")));
    return contact;
}

TBand MaakKopband() {
    const TContact& contact = Contactgegevens();
    TBand band;
    band.Hoogte = 80;
    band.Kader = true;
    Voeg(band, Plaatje(0, 0, 680, 33, Strepen(5, 26, 22, QColor(0, 102, 51), Qt::white), true));
    Voeg(band, Plaatje(0, 32, 681, 48, Strepen(1, 48, 47, QColor(234, 234, 234), Qt::white), true));
    Voeg(band, Contact(176, 38, kAdresBreedte, contact.Straat));
    Voeg(band, Contact(176, 58, kAdresBreedte, contact.PostcodePlaats));
    Voeg(band, Contact(328, 38, kTelefoonBreedte, QStringLiteral("Tel. ") + contact.Telefoon));
    Voeg(band, Contact(328, 58, kTelefoonBreedte, QStringLiteral("Fax ") + contact.Fax));
    Voeg(band, Plaatje(0, 31, 164, 48, Beeld(164, 48, beeld::TekenLogo), false));
    Voeg(band, Plaatje(507, 31, 173, 48, Beeld(173, 48, beeld::TekenFotoOnder), false));
    Voeg(band, Contact(448, 58, kEmailBreedte, contact.Email));
    Voeg(band, Plaatje(507, 5, 173, 26, Beeld(173, 26, beeld::TekenFotoBoven), false));
    return band;
}

} // namespace rcveltor::rapport
