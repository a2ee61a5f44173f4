#pragma once

#include <functional>
#include <string>

namespace rcveltor {

struct TLijstVeld;
struct TNumVeld;
class TRcBerekening;
class TAfschotBerekening;

// Visits a screen's input fields under their keys in the calculation file,
// in the fixed order in which they are applied (the command-line
// calculator's): each list before the fields it refills.
class TInvoerBezoeker {
public:
    virtual ~TInvoerBezoeker() = default;
    // A list and the user's action after choosing from it.
    virtual void Lijst(const char* sleutel, TLijstVeld& lijst,
                       const std::function<void()>& gekozen) = 0;
    // A number field; getypt: the user types into it, else it is stepped.
    virtual void Getal(const char* sleutel, TNumVeld& veld, bool getypt) = 0;
};

void BezoekPlat(TRcBerekening& rc, TInvoerBezoeker& bezoeker);
void BezoekAfschot(TAfschotBerekening& afschot, TInvoerBezoeker& bezoeker);

} // namespace rcveltor
