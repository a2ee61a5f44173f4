#pragma once

#include "Berekeningsbestand.h"

#include <string>
#include <vector>

namespace rcveltor {

// What replaying a calculation file gave.
struct TOpening {
    std::vector<std::string> Fouten; // calculation errors of the replayed actions, in order
    std::string Afwijking;           // the message when Rc or U differs from the saved; else empty
};

// Sets the file's method on `model`, which must be just started, then replays
// the file's inputs through the screens' own actions in their fixed order, so
// every derived field comes out as if typed by hand. Everything is first tried on a copy: a list
// text the list does not hold or a number outside its field's range throws TOnbruikbaarBestand
// (naming file `naam`) and leaves `model` untouched.
TOpening OpenBerekening(const TBerekeningsbestand& berekening, TRekenModel& model,
                        const std::string& naam);

// The check OpenBerekening makes first, on a fresh model started on a copy
// of `model`'s table: throws TOnbruikbaarBestand where opening would, and
// changes nothing. A window checks with it before it clears its screens.
void ControleerBerekening(const TBerekeningsbestand& berekening, const TRekenModel& model,
                          const std::string& naam);

// Checks the wizard's wanted Rc as OpenBerekening checks the inputs.
void ControleerWensRc(const TBerekeningsbestand& berekening, const std::string& naam);

} // namespace rcveltor
