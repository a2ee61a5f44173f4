#include "tests/cli/Opdrachtregels.h"

#include "calc/Producten.h"
#include "cli/Uitvoer.h"

#include <array>
#include <cstdio>
#include <random>

namespace rcveltor::test {

namespace {

// The standard library's distributions differ between libraries; plain
// arithmetic on the engine's output does not.
class TKans {
public:
    explicit TKans(std::uint32_t zaad) : motor_(zaad) {}
    std::size_t Onder(std::size_t n) { return static_cast<std::size_t>(motor_() % n); }
    bool Een(std::size_t op) { return Onder(op) == 0; }

    std::string Getal(double laag, double hoog) {
        const double t = static_cast<double>(motor_()) / 4294967296.0;
        std::array<char, 64> buf{};
        std::snprintf(buf.data(), buf.size(), "%.*f", static_cast<int>(Onder(4)),
                      laag + t * (hoog - laag));
        std::string s = buf.data();
        if (Een(2)) {
            for (char& c : s) {
                c = c == '.' ? ',' : c;
            }
        }
        return s;
    }

private:
    std::mt19937 motor_;
};

struct TOptie {
    const char* Naam;
    double Laag; // for numbers; a list option has Laag > Hoog
    double Hoog;
};

template <typename T> std::string Kies(TKans& kans, std::span<const T> lijst) {
    return std::string(lijst[kans.Onder(lijst.size())].Naam);
}

std::string Waarde(TKans& kans, const std::string& naam, const TOptie& o, bool afschot) {
    if (kans.Een(40)) {
        return kans.Een(2) ? "abc" : "Onbekend";
    }
    if (naam == "isolatie") {
        return afschot ? Kies(kans, AfschotProducten()) : Kies(kans, IsolatieProducten());
    }
    if (naam == "damprem") {
        return Kies(kans, Dampremmen());
    }
    if (naam == "onderconstructie") {
        return Kies(kans, Onderconstructies());
    }
    if (naam == "combinatie") {
        return std::to_string(kans.Onder(9));
    }
    return kans.Getal(o.Laag, o.Hoog);
}

constexpr std::array<TOptie, 11> kPlat{{{"isolatie", 1, 0},
                                        {"dikte", 0, 350},
                                        {"damprem", 1, 0},
                                        {"dikte-damprem", 0, 6},
                                        {"lambda-damprem", 0, 0.5},
                                        {"onderconstructie", 1, 0},
                                        {"dikte-onderconstructie", 0, 320},
                                        {"lambda-onderconstructie", 0, 60},
                                        {"combinatie", 1, 0},
                                        {"aantal", 0, 16},
                                        {"wens-rc", 0, 9}}};
constexpr std::array<TOptie, 13> kAfschot{{{"isolatie", 1, 0},
                                           {"min-dikte", 0, 320},
                                           {"afschot-lengte", 0, 25},
                                           {"oppervlak1", 0, 60},
                                           {"oppervlak2", 0, 60},
                                           {"oppervlak3", 0, 60},
                                           {"damprem", 1, 0},
                                           {"dikte-damprem", 0, 6},
                                           {"lambda-damprem", 0, 0.5},
                                           {"onderconstructie", 1, 0},
                                           {"dikte-onderconstructie", 0, 320},
                                           {"combinatie", 1, 0},
                                           {"aantal", 0, 16}}};

} // namespace

std::vector<std::vector<std::string>> MaakOpdrachtregels(std::uint32_t zaad, std::size_t aantal) {
    TKans kans(zaad);
    std::vector<std::vector<std::string>> regels;
    for (std::size_t r = 0; r < aantal; ++r) {
        const bool afschot = kans.Een(2);
        const std::span<const TOptie> opties =
            afschot ? std::span<const TOptie>(kAfschot) : std::span<const TOptie>(kPlat);
        std::vector<std::string> regel;
        if (afschot) {
            regel.emplace_back("--afschot");
        }
        for (const TOptie& o : opties) {
            if (!kans.Een(3)) {
                continue;
            }
            const std::string naam = o.Naam;
            const std::string waarde = Waarde(kans, naam, o, afschot);
            if (kans.Een(5)) {
                regel.push_back("--" + naam + "=" + waarde);
            } else {
                regel.push_back("--" + naam);
                regel.push_back(waarde);
            }
        }
        if (kans.Een(30)) {
            regel.emplace_back(afschot ? "--wens-rc" : "--min-dikte");
            regel.emplace_back("100");
        }
        if (kans.Een(60)) {
            regel.emplace_back("--onbekend");
        }
        regels.push_back(std::move(regel));
    }
    return regels;
}

std::string AlsJsonRegel(const std::vector<std::string>& argumenten) {
    std::string s = "[";
    for (std::size_t i = 0; i < argumenten.size(); ++i) {
        s += i > 0 ? "," : "";
        s += cli::JsonTekst(argumenten[i]);
    }
    return s + "]";
}

} // namespace rcveltor::test
