#include "calc/Producten.h"

#include <algorithm>
#include <array>

namespace rcveltor {

namespace {

// The standard thicknesses of the flat boards [mm].
constexpr std::array<double, 35> kDiktesAmbralTovik{
    50,  60,  70,  75,  80,  90,  95,  100, 105, 110, 120, 130, 135, 140, 150, 160, 165, 170,
    180, 190, 195, 200, 210, 220, 225, 230, 240, 251, 255, 260, 270, 280, 285, 290, 300};
constexpr std::array<double, 38> kDiktesPelmarOstrel{
    30,  40,  45,  50,  60,  70,  75,  80,  90,  95,  100, 105, 110, 120, 130, 135, 140, 150, 160,
    165, 170, 180, 190, 195, 200, 210, 220, 225, 230, 240, 251, 255, 260, 270, 280, 285, 290, 300};
constexpr std::array<double, 16> kDiktesFerolin{50,  60,  70,  80,  90,  100, 110, 120,
                                                130, 140, 150, 160, 170, 180, 190, 200};
constexpr std::array<double, 4> kDiktesStaaldakplaten{90, 110, 130, 150};

const std::array<TIsolatieProduct, 9> kIsolatie{{
    {"Ambral", 0.039, 50, 300, 5, 10, 110, kDiktesAmbralTovik, false},
    {"Ambral-S", 0.039, 50, 300, 5, 10, 110, kDiktesAmbralTovik, false},
    {"Tovik", 0.038, 50, 300, 5, 10, 100, kDiktesAmbralTovik, false},
    {"Pelmar", 0.033, 30, 300, 5, 10, 90, kDiktesPelmarOstrel, false},
    {"Pelmar-S", 0.033, 30, 300, 5, 10, 90, kDiktesPelmarOstrel, false},
    {"Ferolin", 0.036, 50, 200, 10, 20, 100, kDiktesFerolin, false},
    {"Ostrel Vlak", 0.036, 30, 300, 5, 10, 95, kDiktesPelmarOstrel, false},
    {"Quendal", 0.035, 30, 300, 5, 10, 90, kDiktesStaaldakplaten, true},
    {"Sorvix", 0.035, 30, 300, 5, 10, 90, kDiktesStaaldakplaten, true},
}};

// The fastener combinations a substructure offers.
constexpr std::array<int, 0> kGeenCombinaties{};
constexpr std::array<int, 6> kCombinatiesBeton{0, 2, 3, 5, 7, 8};
constexpr std::array<int, 8> kCombinatiesNulTotZeven{0, 1, 2, 3, 4, 5, 6, 7};
constexpr std::array<int, 5> kCombinatiesCellenbeton{0, 2, 3, 5, 7};
constexpr std::array<int, 2> kCombinatiesStaaldakplaat{0, 6}; // a steel-deck board on steel deck

const std::array<TMateriaalKeuze, 5> kDamprem{{
    {"PE (getaped)", 0.1, 0.5, 0.1, 0.2, 0.17, 1.0, 0, kGeenCombinaties},
    {"Gebitumineerd Glasvlies", 2, 5, 1, 3, 0.2, 1.0, 0, kGeenCombinaties},
    {"Gebitumineerde polyestermat", 2, 5, 1, 3, 0.2, 1.0, 0, kGeenCombinaties},
    {"Gebitumineerd aluminiumfolie", 0.1, 0.2, 0.1, 0.1, 200, 1.0, 0, kGeenCombinaties},
    {"(geen)", 0, 0, 0, 0, 0, 1.0, 0, kGeenCombinaties},
}};

const std::array<TMateriaalKeuze, 4> kOnderconstructie{{
    {"Betondak", 100, 300, 10, 140, 1.8, 1.25, 3, kCombinatiesBeton},
    {"Geprofileerd staaldak", 0.7, 1.5, 0.01, 0.75, 58, 1.0, 1, kCombinatiesNulTotZeven},
    {"Cellenbeton", 70, 300, 10, 100, 0.16, 1.4, 4, kCombinatiesCellenbeton},
    {"Houtachtige plaatmaterialen", 10, 25, 1, 18, 0.2, 1.2, 2, kCombinatiesNulTotZeven},
}};

const std::array<TAfschotProduct, 18> kAfschot{{
    {"Ambral 10 mm/m", 10, 0.039, 50, 290, 50, 10},
    {"Ambral 15 mm/m", 15, 0.039, 45, 285, 45, 15},
    {"Ambral 20 mm/m", 20, 0.039, 45, 285, 45, 20},
    {"Ambral-S 10 mm/m", 10, 0.039, 50, 290, 50, 10},
    {"Ambral-S 15 mm/m", 15, 0.039, 45, 285, 45, 15},
    {"Ambral-S 20 mm/m", 20, 0.039, 45, 285, 45, 20},
    {"Tovik 10 mm/m", 10, 0.038, 50, 290, 50, 10},
    {"Tovik 15 mm/m", 15, 0.038, 45, 285, 45, 15},
    {"Tovik 20 mm/m", 20, 0.038, 50, 270, 50, 20},
    {"Pelmar 10 mm/m", 10, 0.033, 30, 290, 30, 10},
    {"Pelmar 15 mm/m", 15, 0.033, 30, 285, 30, 15},
    {"Pelmar 20 mm/m", 20, 0.033, 30, 270, 30, 20},
    {"Pelmar-S 10 mm/m", 10, 0.033, 30, 290, 30, 10},
    {"Pelmar-S 15 mm/m", 15, 0.033, 30, 285, 30, 15},
    {"Pelmar-S 20 mm/m", 20, 0.033, 30, 270, 30, 20},
    {"Ostrel Afschotplaat 10mm/m", 10, 0.036, 30, 290, 50, 10},
    {"Ostrel Afschotplaat 15mm/m", 15, 0.036, 30, 285, 45, 15},
    {"Ostrel Afschotplaat 20mm/m", 20, 0.036, 30, 270, 100, 20},
}};

constexpr std::array<std::string_view, 9> kCombinatieTeksten{
    "0. Geen mechanische bevestiging",
    "1. Stalen bevestiger met diameter t/m 5,0 mm met metalen drukverdeelplaat",
    "2. Stalen bevestiger met diameter > 5,0 t/m 6,3 mm met metalen drukverdeelplaat",
    "3. Stalen bevestiger met diameter > 6,3 t/m 8,0 mm met metalen drukverdeelplaat",
    "4. Stalen bevestiger met diameter t/m 5,5 mm met kunststof drukverdeelplaat",
    "5. Stalen bevestiger met diameter > 5,5 mm  t/m 6,7 mm met kunststof drukverdeelplaat",
    "6. Kunststof tule met drukverdeelplaat met bevestiger met diameter t/m 5,0 mm",
    "7. Kunststof tule met drukverdeelplaat met bevestiger met diameter > 5,0 mm t/m 6,3 mm",
    "8. Kunststof slagplug diameter t/m 8,5 mm met drukverdeelplaat met bevestiger met "
    "diameter t/m 4,5 mm",
};

const TMateriaalKeuze* ZoekIn(std::span<const TMateriaalKeuze> lijst, std::string_view naam) {
    for (const auto& keuze : lijst) {
        if (keuze.Naam == naam) {
            return &keuze;
        }
    }
    return nullptr;
}

} // namespace

std::span<const TIsolatieProduct> IsolatieProducten() {
    return kIsolatie;
}
std::span<const TMateriaalKeuze> Dampremmen() {
    return kDamprem;
}
std::span<const TMateriaalKeuze> Onderconstructies() {
    return kOnderconstructie;
}
std::span<const TAfschotProduct> AfschotProducten() {
    return kAfschot;
}

std::string_view CombinatieTekst(int nummer) {
    return nummer >= 0 && nummer < static_cast<int>(kCombinatieTeksten.size())
               ? kCombinatieTeksten[static_cast<std::size_t>(nummer)]
               : std::string_view{};
}

int CombinatieNummer(std::string_view tekst) {
    int nummer = 0;
    for (char teken : tekst) {
        if (teken < '0' || teken > '9') {
            break;
        }
        nummer = nummer * 10 + (teken - '0');
        if (nummer > 1000000) {
            break;
        }
    }
    return nummer;
}

const TMateriaalKeuze* ZoekDamprem(std::string_view naam) {
    return ZoekIn(kDamprem, naam);
}

const TMateriaalKeuze* ZoekOnderconstructie(std::string_view naam) {
    return ZoekIn(kOnderconstructie, naam);
}

bool IsStaaldakPlaat(std::string_view plaatNaam) {
    return std::ranges::any_of(kIsolatie, [&](const auto& plaat) {
        return plaat.AlleenStaaldak && plaat.Naam == plaatNaam;
    });
}

std::vector<int> AangebodenCombinaties(const TMateriaalKeuze& onderconstructie,
                                       std::string_view plaatNaam) {
    if (onderconstructie.Naam == kStaaldak && IsStaaldakPlaat(plaatNaam)) {
        return {kCombinatiesStaaldakplaat.begin(), kCombinatiesStaaldakplaat.end()};
    }
    return {onderconstructie.Combinaties.begin(), onderconstructie.Combinaties.end()};
}

} // namespace rcveltor
