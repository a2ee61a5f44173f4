// Feeds arbitrary bytes to the table reader. Only RcFout may leave it; after
// every load, successful or not, the index and the current row must be sound
// and lookups must behave.
#include "LambdaTabel.h"
#include "RcFout.h"

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    rcveltor::TLambdaTabel tabel;
    try {
        tabel.LadenUitBuffer(std::span<const unsigned char>(data, size));
    } catch (const rcveltor::RcFout&) {
    }
    ControleerIndex(tabel, size);

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
