#include "calc/Actie.h"

#include "calc/Rekenprecisie.h"

#include <exception>

namespace rcveltor {

std::optional<std::string> VoerActieUit(const std::function<void()>& actie) {
    const TVolleRekenprecisie precisie;
    try {
        actie();
    } catch (const std::exception& fout) {
        return fout.what();
    }
    return std::nullopt;
}

bool VoerActieUit(const std::function<void()>& actie, std::vector<std::string>& fouten) {
    auto fout = VoerActieUit(actie);
    if (fout) {
        fouten.push_back(std::move(*fout));
    }
    return !fout;
}

} // namespace rcveltor
