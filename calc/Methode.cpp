#include "calc/Methode.h"

namespace rcveltor {

std::string_view MethodeTekst(TMethode methode) {
    return kMethodeTeksten[static_cast<std::size_t>(methode)];
}

std::string_view MethodeSleutel(TMethode methode) {
    return methode == TMethode::Iso6946 ? "iso6946" : "nen1068";
}

std::optional<TMethode> MethodeUitSleutel(std::string_view sleutel) {
    for (const TMethode m : {TMethode::Nen1068, TMethode::Iso6946}) {
        if (sleutel == MethodeSleutel(m)) {
            return m;
        }
    }
    return std::nullopt;
}

} // namespace rcveltor
