// Feeds arbitrary bytes to the update control file's reader and to the
// signature split. Whatever reads must write back to the same file; a split
// must give back what it was given; and without the maker's key nothing
// passes as signed.
#include "update/Controlebestand.h"

#include <QByteArrayView>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace rcveltor::update;

namespace {

void Eis(bool voorwaarde) {
    if (!voorwaarde) {
        std::abort();
    }
}

void ControleerBestand(const TControlebestand& b) {
    Eis(!b.Programma.isEmpty() && b.Datum.isValid() && b.Tijd.isValid());
    const qint64 geldig = b.Ondertekend.daysTo(b.GeldigTot);
    Eis(b.Ondertekend.isValid() && geldig >= 0 && geldig <= kMaxGeldigDagen);
    Eis(b.Componenten.size() <= kMaxComponenten);
    for (const TComponent& c : b.Componenten) {
        Eis(c.Sha256.size() == 32);
        Eis(c.Grootte >= 0 && c.Grootte <= kMaxDownload);
        Eis(c.Soort == TSoort::Archief || IsVeiligRelatiefPad(c.Bestand));
    }
    const TLeesResultaat terug = LeesControlebestand(SchrijfControlebestand(b));
    Eis(terug.Bestand.has_value() && *terug.Bestand == b);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView invoer(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const TLeesResultaat r = LeesControlebestand(invoer);
    Eis(r.Bestand.has_value() == r.Fout.isEmpty());
    if (r.Bestand) {
        ControleerBestand(*r.Bestand);
    }

    const TGesplitst delen = SplitsHandtekening(invoer);
    if (delen.Fout.isEmpty()) {
        Eis(delen.Handtekening.size() == 64);
        Eis(invoer.startsWith(delen.Inhoud));
        const TGesplitst opnieuw =
            SplitsHandtekening(VoegHandtekeningToe(delen.Inhoud, delen.Handtekening));
        Eis(opnieuw.Fout.isEmpty() && opnieuw.Inhoud == delen.Inhoud &&
            opnieuw.Handtekening == delen.Handtekening);
    }

    static const QByteArray sleutel =
        QByteArray::fromHex("b0a70237edd115541da62ed833df4048374d9f4ce9992b9d3ddfb624558ee412");
    Eis(!LeesOndertekendControlebestand(invoer, sleutel).Bestand);
    return 0;
}
