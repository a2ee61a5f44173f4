#pragma once

#include "calc/NumVeld.h"

namespace rcveltor {

class TRcBerekening;

// The desired Rc of the wizard: 1,00 to 10,00 in steps of 0,1 (page 1),
// two decimals, spin only; 2,50 at the start.
TNumVeld MaakWensRcVeld();

// The same field set to a text it showed ("3,50"), as a step to that value
// would show it; an empty text, or one that is not a number, leaves the start
// value.
TNumVeld WensRcUitTekst(const std::string& tekst);

// Sets the flat roof's thickness to the thinnest standard thickness of the
// chosen board at which the shown Rc reaches wensRc, trying them in order
// with the full recalculation; the thickest when none reaches it. The Rc is
// that of the method of the moment (under NEN-EN-ISO 6946 rounded down).
void ZoekDikte(TRcBerekening& rc, double wensRc);

} // namespace rcveltor
