// Feeds arbitrary bytes to both readers of the moisture data. Only RcFout may
// leave them; what they accept holds every product and only values in range,
// and a climate they accept runs through the whole check.
#include "basis/RcFout.h"
#include "calc/Producten.h"
#include "calc/Vochtcontrole.h"
#include "calc/Vochtgegevens.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void Eis(bool voorwaarde) {
    if (!voorwaarde) {
        std::abort();
    }
}

void ControleerWaarden(const rcveltor::TDampwaarden& lijst) {
    for (const auto& [naam, w] : lijst) {
        Eis(std::isfinite(w.Mu) && w.Mu >= 0 && std::isfinite(w.Sd) && w.Sd >= 0);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view tekst(reinterpret_cast<const char*>(data), size);
    try {
        const rcveltor::TVochtgegevens v = rcveltor::VochtgegevensUitTekst(tekst, "fuzz.ini");
        for (const auto& plaat : rcveltor::IsolatieProducten()) {
            rcveltor::ZoekDampwaarde(v.Isolatie, plaat.Naam);
        }
        ControleerWaarden(v.Isolatie);
        ControleerWaarden(v.Dampremmen);
        ControleerWaarden(v.Onderconstructies);
        Eis(!v.Dakbedekkingen.empty());
        for (const auto& d : v.Dakbedekkingen) {
            Eis(!d.Sd || (std::isfinite(*d.Sd) && *d.Sd >= 0));
        }
    } catch (const rcveltor::RcFout&) {
    }
    try {
        rcveltor::TVochtInvoer invoer;
        invoer.Klimaat = rcveltor::KlimaatUitTekst(tekst, "fuzz.ini");
        invoer.Lagen = {{{0.14, 0.1, 11.2}, {0, 0, 0}, {0.1, 2.5, 6}, {0.01, 0.06, 400}}};
        invoer.U = 0.3;
        const rcveltor::TVochtUitkomst u = rcveltor::Vochtcontrole(invoer);
        Eis(std::isfinite(u.MaxCondensaat) && u.MaxCondensaat >= 0);
    } catch (const rcveltor::RcFout&) {
    }
    return 0;
}
