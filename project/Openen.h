#pragma once

#include "project/Berekeningsbestand.h"

#include <string>
#include <vector>

namespace rcveltor {

// What replaying a calculation file gave.
struct TOpening {
    std::vector<std::string> Fouten;        // calculation errors of the replayed actions, in order
    std::vector<std::string> FoutenAfschot; // the tapered screen's, with TSchermfouten::Apart
    std::string Afwijking; // the message when Rc or U differs from the saved; else empty
};

// Where the tapered screen's errors go: with all others in Fouten, or apart
// for a view that shows them only with that screen.
enum class TSchermfouten { Samen, Apart };

// Replaces the calculation on `model` by the file's. The whole file is first
// tried on a fresh model: a list text the list does not hold or a number
// outside its field's range throws TOnbruikbaarBestand (naming file `naam`)
// and leaves `model` untouched. Then `model` returns to its start state (its
// method aside), takes the file's method and replays the file's inputs
// through the screens' own actions in their fixed order, so every derived
// field comes out as if typed by hand; the moisture check's inputs last.
TOpening OpenBerekening(const TBerekeningsbestand& berekening, TRekenModel& model,
                        const std::string& naam, TSchermfouten schermfouten = TSchermfouten::Samen);

// Checks the wizard's wanted Rc as OpenBerekening checks the inputs.
void ControleerWensRc(const TBerekeningsbestand& berekening, const std::string& naam);

} // namespace rcveltor
