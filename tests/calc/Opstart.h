#pragma once

// A model after the start-up, with the shipped lambda table or another file.

#include "basis/RcFout.h"
#include "calc/RekenModel.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace rcveltor::test {

struct TOpgestart {
    std::unique_ptr<TRekenModel> model = std::make_unique<TRekenModel>();
    std::vector<std::string> fouten;

    explicit TOpgestart(const std::string& lambdaBestand = RCV_LAMBDA_BIN) {
        fouten = model->Opstarten(lambdaBestand);
    }
    TRcBerekening& rc() { return model->Rc; }
    TAfschotBerekening& afschot() { return model->Afschot; }
};

// Selects the entry with this text and runs the choice, as a user would.
inline void Kies(TLijstVeld& lijst, const std::string& tekst) {
    const int index = lijst.IndexVan(tekst);
    ASSERT_GE(index, 0) << tekst << " is not in " << lijst.Naam;
    lijst.ItemIndex = index;
}

} // namespace rcveltor::test
