#pragma once

// Every field of both screens as shown, and the moisture check's inputs,
// for comparing two models.

#include "calc/RekenModel.h"
#include "project/Veldentabel.h"

#include <string>
#include <vector>

namespace rcveltor::test {

inline std::vector<std::string> AlleVelden(TRekenModel& model) {
    std::vector<std::string> velden;
    for (TLagenScherm* scherm :
         {static_cast<TLagenScherm*>(&model.Rc), static_cast<TLagenScherm*>(&model.Afschot)}) {
        for (const TNumVeld* v : scherm->NumVelden()) {
            velden.push_back(v->Naam + "=" + v->Tekst);
        }
        for (const TLijstVeld* l : scherm->LijstVelden()) {
            std::string items;
            for (const auto& item : l->Items) {
                items += item + "|";
            }
            velden.push_back(l->Naam + "=" + l->Tekst() + " [" + items + "]");
        }
    }
    velden.push_back(model.Rc.DikteNietStandaard ? "niet standaard" : "standaard");
    for (const TSchermveld& veld : Velden(model.Vocht)) {
        velden.push_back(std::string(veld.Naam) + "=" + veld.Getoond());
    }
    return velden;
}

} // namespace rcveltor::test
