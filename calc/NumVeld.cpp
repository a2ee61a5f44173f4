#include "calc/NumVeld.h"

#include "basis/RcFout.h"
#include "calc/Weergave.h"

#include <cfloat>
#include <cmath>

namespace rcveltor {

std::optional<double> LeesVeldtekst(const std::string& tekst) {
    return LeesGetal(tekst, kDecimaalKomma);
}

double TNumVeld::Waarde() const {
    return LeesVeldtekst(Tekst).value_or(0.0);
}

bool TNumVeld::IsGetal() const {
    return LeesVeldtekst(Tekst).has_value();
}

long double TNumVeld::Begrensd(long double waarde) const {
    if (Minimum == Maximum) {
        return waarde;
    }
    if (waarde < Minimum) {
        return Minimum;
    }
    if (waarde > Maximum) {
        return Maximum;
    }
    return waarde;
}

std::string TNumVeld::Formatteer(long double waarde) const {
    return Decimalen < 0 ? FormatAlgemeen(waarde, kDecimaalKomma)
                         : FormatVast(waarde, Decimalen, kDecimaalKomma);
}

namespace {
void ZetTekst(TNumVeld& veld, std::string tekst) {
    if (tekst == veld.Tekst) {
        return;
    }
    veld.Tekst = std::move(tekst);
    if (veld.BijWijziging) {
        veld.BijWijziging();
    }
}
} // namespace

void Schrijf(TNumVeld& veld, long double waarde) {
    if (std::isnan(waarde)) {
        throw RcFout("Invalid floating point operation");
    }
    if (std::fabs(waarde) > DBL_MAX) {
        throw RcFout("Floating point overflow");
    }
    ZetTekst(veld, veld.Formatteer(waarde));
}

void SchrijfTekst(TNumVeld& veld, const std::string& tekst) {
    ZetTekst(veld, tekst);
}

void Zet(TNumVeld& veld, long double waarde) {
    Schrijf(veld, veld.Begrensd(waarde));
}

void Typ(TNumVeld& veld, const std::string& tekst) {
    ZetTekst(veld, tekst);
}

void Verlaat(TNumVeld& veld) {
    const auto gelezen = LeesVeldtekst(veld.Tekst);
    const long double waarde = gelezen.value_or(0.0);
    const long double begrensd = veld.Begrensd(waarde);
    if (!gelezen || begrensd != waarde) {
        Schrijf(veld, begrensd);
    }
}

void StapOp(TNumVeld& veld, int richting, bool pagina) {
    const long double stap = pagina ? veld.PaginaStap : veld.Stap;
    Zet(veld, static_cast<long double>(veld.Waarde()) + richting * stap);
}

void BeginTekst(TNumVeld& veld, long double waarde) {
    veld.Tekst = veld.Formatteer(waarde);
}

} // namespace rcveltor
