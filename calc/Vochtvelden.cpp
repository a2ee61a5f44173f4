#include "calc/Vochtvelden.h"

#include <array>

namespace rcveltor {

namespace {

constexpr std::array<std::string_view, 5> kKlassen{
    "1 – opslag, onverwarmd gebruik", "2 – kantoren, winkels",
    "3 – woningen, normaal gebruik",  "4 – woningen met veel vocht, sporthallen, keukens",
    "5 – zwembaden, wasserijen",
};

constexpr std::array<std::string_view, 4> kDakbedekkingen{
    "Bitumineus, 2 lagen",
    "Kunststof (PVC)",
    "Kunststof (EPDM)",
    kAndereDakbedekking,
};

template <std::size_t N>
TLijstVeld Lijst(std::string naam, const std::array<std::string_view, N>& items, int keuze) {
    TLijstVeld lijst;
    lijst.Naam = std::move(naam);
    lijst.Items.assign(items.begin(), items.end());
    lijst.ItemIndex = keuze;
    return lijst;
}

} // namespace

std::span<const std::string_view> Klimaatklassen() {
    return kKlassen;
}

std::span<const std::string_view> Dakbedekkingen() {
    return kDakbedekkingen;
}

TVochtVelden::TVochtVelden()
    : Binnenklimaat(Lijst("Binnenklimaat", kKlassen, kStartKlimaatklasse - 1)),
      Dakbedekking(Lijst("Dakbedekking", kDakbedekkingen, 0)),
      SdDakbedekking(MaakInvoer("SdDakbedekking", 1, 0, kMaxSdDakbedekking, 1, 10, true)) {
    BeginTekst(SdDakbedekking, kStartSdDakbedekking);
}

bool TVochtVelden::IsStart() const {
    const TVochtVelden start;
    return Binnenklimaat.ItemIndex == start.Binnenklimaat.ItemIndex &&
           Dakbedekking.ItemIndex == start.Dakbedekking.ItemIndex &&
           SdDakbedekking.Tekst == start.SdDakbedekking.Tekst && OpRapport == start.OpRapport;
}

} // namespace rcveltor
