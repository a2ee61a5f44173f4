#include "lambdatabel/LambdaSchrijver.h"

#include "basis/RcFout.h"
#include "lambdatabel/Extended80.h"
#include "lambdatabel/Tekstcodering.h"
#include "platform/Bestand.h"
#include "platform/VeiligOpslaan.h"

#include <cstring>
#include <limits>

namespace rcveltor {

void TTpfSchrijver::Klein(std::uint64_t waarde, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        uit_.push_back(static_cast<unsigned char>(waarde >> (8 * i)));
    }
}

void TTpfSchrijver::Signatuur() {
    uit_.insert(uit_.end(), {'T', 'P', 'F', '0'});
}

void TTpfSchrijver::Integer(std::int32_t waarde) {
    const auto bits = static_cast<std::uint32_t>(waarde);
    if (waarde >= std::numeric_limits<std::int8_t>::min() &&
        waarde <= std::numeric_limits<std::int8_t>::max()) {
        uit_.push_back(2);
        Klein(bits, 1);
    } else if (waarde >= std::numeric_limits<std::int16_t>::min() &&
               waarde <= std::numeric_limits<std::int16_t>::max()) {
        uit_.push_back(3);
        Klein(bits, 2);
    } else {
        uit_.push_back(4);
        Klein(bits, 4);
    }
}

void TTpfSchrijver::Drijvend(double waarde) {
    uit_.push_back(5);
    const auto bytes = CodeerExtended(waarde);
    uit_.insert(uit_.end(), bytes.begin(), bytes.end());
}

void TTpfSchrijver::Tekst(std::string_view ansi) {
    if (!IsAscii(ansi)) {
        const std::string utf8 = AnsiNaarUtf8(ansi);
        uit_.push_back(20);
        Klein(utf8.size(), 4);
        uit_.insert(uit_.end(), utf8.begin(), utf8.end());
        return;
    }
    if (ansi.size() <= 255) {
        uit_.push_back(6);
        Klein(ansi.size(), 1);
    } else {
        uit_.push_back(12);
        Klein(ansi.size(), 4);
    }
    uit_.insert(uit_.end(), ansi.begin(), ansi.end());
}

void TTpfSchrijver::Boolean(bool waarde) {
    uit_.push_back(waarde ? 9 : 8);
}

void TTpfSchrijver::BeginLijst() {
    uit_.push_back(1);
}

void TTpfSchrijver::EindeLijst() {
    uit_.push_back(0);
}

std::vector<unsigned char> SchrijfLambdaTabel(std::span<const TLambdaRegel> regels) {
    TTpfSchrijver s;
    s.Signatuur();
    s.Integer(251);

    s.BeginLijst();
    for (const char* naam : {"Code", "Lambda"}) {
        s.Tekst(naam);    // name
        s.Tekst("Float"); // type
        s.Integer(0);     // size
        s.Tekst(naam);    // display label
        s.Tekst("");      // edit mask
        s.Integer(10);    // display width
        s.Boolean(false); // required
        s.Boolean(false); // read-only
        s.Tekst("Data");  // kind
        s.Tekst("");      // default expression
    }
    s.EindeLijst();

    s.BeginLijst();
    s.Tekst("InxCode");
    s.Tekst("Code");
    s.Tekst("InxCode");
    for (int i = 0; i < 4; ++i) {
        s.Boolean(false); // descending, case-insensitive, not maintained, unique
    }
    s.EindeLijst();

    s.BeginLijst();
    for (const auto& regel : regels) {
        s.BeginLijst();
        s.Integer(0); // unchanged
        s.Boolean(false);
        s.Drijvend(regel.Code);
        s.Boolean(false);
        s.Drijvend(regel.Lambda);
        s.EindeLijst();
    }
    s.EindeLijst();
    return s.Bytes();
}

void SchrijfLambdaBestand(const std::string& bestandsnaam, std::span<const TLambdaRegel> regels) {
    try {
        platform::SlaVeiligOp(platform::PadUitUtf8(bestandsnaam), SchrijfLambdaTabel(regels));
    } catch (const platform::TBestandsfout& reden) {
        throw RcFout("Cannot create file \"" + bestandsnaam + "\". " + reden.what());
    }
}

} // namespace rcveltor
