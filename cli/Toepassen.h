#pragma once

#include "cli/Opties.h"

#include <string>
#include <vector>

namespace rcveltor {
class TRekenModel;
struct TNumVeld;
} // namespace rcveltor

namespace rcveltor::cli {

// Applies the method (--methode), then the screen options in their fixed order and then the
// moisture check's, each as the user would do it on the screen. Calculation errors are appended to
// `fouten`; a list text the list does not hold or a combination that is not offered throws
// Gebruiksfout. The wizard's wanted Rc
// (--wens-rc) goes into `wensRc` where the caller keeps one.
void PasToe(const TOpties& opties, TRekenModel& model, std::vector<std::string>& fouten,
            TNumVeld* wensRc = nullptr);

} // namespace rcveltor::cli
