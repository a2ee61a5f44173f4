#include "project/Projectgegevens.h"

namespace rcveltor {

bool TProjectgegevens::Leeg() const {
    return Naam.empty() && Nummer.empty() && Adres.empty() && PostcodePlaats.empty() &&
           Opdrachtgever.empty() && OpgesteldDoor.empty() && Datum.empty() && Opmerking.empty();
}

bool IsDatum(const std::string& tekst) {
    if (tekst.size() != 10 || tekst[4] != '-' || tekst[7] != '-') {
        return false;
    }
    int getallen[3] = {0, 0, 0};
    const std::size_t begin[3] = {0, 5, 8};
    const std::size_t lengte[3] = {4, 2, 2};
    for (int i = 0; i < 3; ++i) {
        for (std::size_t j = begin[i]; j < begin[i] + lengte[i]; ++j) {
            if (tekst[j] < '0' || tekst[j] > '9') {
                return false;
            }
            getallen[i] = getallen[i] * 10 + (tekst[j] - '0');
        }
    }
    const int jaar = getallen[0];
    const int maand = getallen[1];
    const int dag = getallen[2];
    if (jaar < 1 || maand < 1 || maand > 12 || dag < 1) {
        return false;
    }
    const bool schrikkel = (jaar % 4 == 0 && jaar % 100 != 0) || jaar % 400 == 0;
    const int dagen[12] = {31, schrikkel ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return dag <= dagen[maand - 1];
}

} // namespace rcveltor
