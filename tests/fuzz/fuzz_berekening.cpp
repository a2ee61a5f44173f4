// Feeds arbitrary bytes to the calculation-file reader and opens what it
// accepts on a started model. Only TOnbruikbaarBestand may leave either; what
// the reader accepts must write back to a text it reads as the same record;
// a refused opening leaves every field as it was.
#include "basis/RcFout.h"
#include "calc/RekenModel.h"
#include "lambdatabel/LambdaTabel.h"
#include "project/Bestandslezer.h"
#include "project/Openen.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

void Eis(bool voorwaarde) {
    if (!voorwaarde) {
        std::abort();
    }
}

rcveltor::TLambdaTabel& Tabel() {
    static rcveltor::TLambdaTabel tabel = [] {
        rcveltor::TLambdaTabel t;
        try {
            t.Laden(RCV_LAMBDA_BIN);
        } catch (const rcveltor::RcFout&) {
        }
        return t;
    }();
    return tabel;
}

std::vector<std::string> Velden(rcveltor::TRekenModel& model) {
    std::vector<std::string> velden;
    for (auto* v : model.Rc.NumVelden()) {
        velden.push_back(v->Tekst);
    }
    for (auto* v : model.Afschot.NumVelden()) {
        velden.push_back(v->Tekst);
    }
    for (auto* l : model.Rc.LijstVelden()) {
        velden.push_back(l->Tekst());
    }
    for (auto* l : model.Afschot.LijstVelden()) {
        velden.push_back(l->Tekst());
    }
    return velden;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view tekst(reinterpret_cast<const char*>(data), size);
    rcveltor::TBerekeningsbestand b;
    try {
        b = rcveltor::LeesBerekening(tekst, "fuzz.rcv");
    } catch (const rcveltor::TOnbruikbaarBestand&) {
        return 0;
    }
    Eis(rcveltor::LeesBerekening(rcveltor::AlsBestandstekst(b), "fuzz.rcv") == b);

    rcveltor::TLambdaTabel tabel = Tabel();
    rcveltor::TRekenModel model;
    model.Opstarten(tabel, std::nullopt);
    const auto voor = Velden(model);
    try {
        rcveltor::OpenBerekening(b, model, "fuzz.rcv");
    } catch (const rcveltor::TOnbruikbaarBestand&) {
        Eis(Velden(model) == voor);
    }
    return 0;
}
