// Feeds arbitrary bytes to the table reader. Only RcFout may leave it; after
// every load, successful or not, the index and the current row must be sound
// and lookups must behave.
#include "basis/RcFout.h"
#include "lambdatabel/LambdaSchrijver.h"
#include "lambdatabel/LambdaTabel.h"

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <span>
#include <vector>

namespace {

void Eis(bool voorwaarde) {
    if (!voorwaarde) {
        std::abort();
    }
}

void ControleerIndex(const rcveltor::TLambdaTabel& t, std::size_t grootte) {
    const auto& inx = t.InxCode();
    Eis(inx.size() == t.AantalRijen());
    // Every record takes at least two bytes in any layout.
    Eis(t.AantalRijen() + t.AantalVerwijderd() <= grootte / 2);
    std::vector<bool> gezien(inx.size());
    for (const std::size_t r : inx) {
        Eis(r < gezien.size() && !gezien[r]);
        gezien[r] = true;
    }
    Eis(t.HuidigeRij() == (t.AantalRijen() == 0 ? std::nullopt : std::optional<std::size_t>(0)));
}

bool ZelfdeDouble(double a, double b) {
    return (std::isnan(a) && std::isnan(b)) ||
           std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// Whatever a file held, the writer must store it so that it reads back bit
// for bit (NaN payloads aside).
void ControleerHeenEnWeer(const rcveltor::TLambdaTabel& t) {
    std::vector<rcveltor::TLambdaRegel> regels;
    for (std::size_t r = 0; r < t.AantalRijen(); ++r) {
        const auto& w = t.Rij(r).Actueel.Waarden;
        if (w.size() != 2 || !w[0] || !w[1]) {
            return;
        }
        regels.push_back({*w[0], *w[1]});
    }
    rcveltor::TLambdaTabel terug;
    terug.LadenUitBuffer(rcveltor::SchrijfLambdaTabel(regels));
    Eis(terug.AantalRijen() == regels.size());
    for (std::size_t r = 0; r < regels.size(); ++r) {
        const auto& w = terug.Rij(r).Actueel.Waarden;
        Eis(ZelfdeDouble(*w[0], regels[r].Code) && ZelfdeDouble(*w[1], regels[r].Lambda));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    rcveltor::TLambdaTabel tabel;
    bool geladen = false;
    try {
        tabel.LadenUitBuffer(std::span<const unsigned char>(data, size));
        geladen = true;
    } catch (const rcveltor::RcFout&) {
    }
    ControleerIndex(tabel, size);
    if (geladen) {
        ControleerHeenEnWeer(tabel);
    }

    const double sleutels[] = {1111,
                               1231,
                               9611,
                               0,
                               -0.0,
                               std::numeric_limits<double>::quiet_NaN(),
                               std::numeric_limits<double>::infinity()};
    for (const double sleutel : sleutels) {
        const bool bekend = tabel.BevatCode(sleutel);
        const auto voor = tabel.HuidigeRij();
        try {
            tabel.ZoekLambda(sleutel);
        } catch (const rcveltor::RcFout&) {
        }
        // A miss leaves the current row; a hit can only land on a row.
        if (!bekend) {
            Eis(tabel.HuidigeRij() == voor);
        } else {
            Eis(tabel.HuidigeRij().has_value() && *tabel.HuidigeRij() < tabel.AantalRijen());
        }
        Eis(!std::isnan(sleutel) || !bekend);
    }
    return 0;
}
