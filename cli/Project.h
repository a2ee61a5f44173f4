#pragma once

#include "Berekeningsbestand.h"

#include <string>
#include <vector>

namespace rcveltor {
class TRekenModel;
}

namespace rcveltor::cli {

// Opens the calculation file at `pad` on the just-started model. The replay's
// calculation errors are appended to `fouten`; `afwijking` gets the message
// when Rc or U differs from the saved outcome. Throws TOnbruikbaarBestand and
// then leaves the model as it was.
TBerekeningsbestand OpenProject(const std::string& pad, TRekenModel& model,
                                std::vector<std::string>& fouten, std::string& afwijking);

// The wizard's wanted Rc as its field would show the option's value.
std::string WensRcTekst(const std::string& optie);

// Saves the model's calculation at `pad` as one safe step (a failed save
// keeps an earlier file whole), with the opened file's unknown keys. Throws
// RcFout with a Dutch message naming the file.
void SlaOp(const std::string& pad, TRekenModel& model, const TProjectgegevens& project,
           const std::string& wensRc, const TOnbekendeSleutels& onbekend);

} // namespace rcveltor::cli
