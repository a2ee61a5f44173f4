#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The one table of both screens' fields: what each shows, in the order
// --json lists them, and for an input its key in the calculation file, its
// option of the calculator and how the user sets it. The inputs in this
// order are the order in which the file and the options are applied: each
// list before the fields it refills. The moisture check's inputs, one set
// for the calculation, have a small table of their own, applied after the
// screens'. An input is added by one row in Veldentabel.cpp.

namespace rcveltor {

struct TLijstVeld;
struct TNumVeld;
struct TVochtVelden;
class TRcBerekening;
class TAfschotBerekening;

enum class TSchermsoort { Plat, Afschot };

// How the user sets an input.
enum class TInvoerwijze {
    Kiezen,         // a list entry, then the list's closing action
    KiezenOpNummer, // the same; the option gives the fastener combination's number
    Typen,          // a number typed as one edit, after which the field is left
    Stappen,        // a number set as the spin buttons set it: clamped
    KiezenOpPlaats, // a list entry by its place, 1 first: a whole number in the file too
    Aanvinken,      // a check box: true or false in the file; no option
};

// The columns of one input.
struct TInvoerRij {
    std::string_view Sleutel;  // key under the screen in the calculation file
    std::string_view Optie;    // the calculator's option, without "--"; empty for none
    std::string_view Argument; // what --help calls its value
    std::string_view Uitleg;   // what --help says it is
    TInvoerwijze Wijze = TInvoerwijze::Kiezen;

    constexpr bool IsLijst() const {
        return Wijze == TInvoerwijze::Kiezen || Wijze == TInvoerwijze::KiezenOpNummer ||
               Wijze == TInvoerwijze::KiezenOpPlaats;
    }
};

// One shown field of a screen, bound to that screen: exactly one of Getal,
// Lijst, Vlag and Tekst is set.
struct TSchermveld {
    std::string_view Naam;              // as --json names it: mostly the field's Naam
    const TInvoerRij* Invoer = nullptr; // nullptr for a result
    TNumVeld* Getal = nullptr;          // a number field
    TLijstVeld* Lijst = nullptr;        // a list
    bool* Vlag = nullptr;               // a check box
    const std::string* Tekst = nullptr; // a shown text
    std::function<void()> Gekozen;      // a list's closing action; empty for none
    bool AlleenIso = false;             // shown under NEN-EN-ISO 6946 only

    std::string Getoond() const;
};

// A screen's fields in the table's order, each bound to the screen as it is
// read: nothing is copied or allocated, which a batch of many lines feels.
class TVelden {
public:
    using TBinder = TSchermveld (*)(void* scherm, std::size_t rij);

    class iterator {
    public:
        using value_type = TSchermveld;
        using difference_type = std::ptrdiff_t;

        iterator(TBinder binder, void* scherm, std::size_t rij)
            : binder_(binder), scherm_(scherm), rij_(rij) {}
        TSchermveld operator*() const { return binder_(scherm_, rij_); }
        iterator& operator++() {
            ++rij_;
            return *this;
        }
        bool operator==(const iterator& ander) const { return rij_ == ander.rij_; }

    private:
        TBinder binder_;
        void* scherm_;
        std::size_t rij_;
    };

    TVelden(TBinder binder, void* scherm, std::size_t aantal)
        : binder_(binder), scherm_(scherm), aantal_(aantal) {}
    iterator begin() const { return {binder_, scherm_, 0}; }
    iterator end() const { return {binder_, scherm_, aantal_}; }
    std::size_t size() const { return aantal_; }

private:
    TBinder binder_;
    void* scherm_;
    std::size_t aantal_;
};

TVelden Velden(TRcBerekening& rc);
TVelden Velden(TAfschotBerekening& afschot);
// The moisture check's inputs, under "vocht" in the calculation file.
TVelden Velden(TVochtVelden& vocht);

// The screen's inputs in the order they are applied; the rows live as long
// as the program.
std::vector<const TInvoerRij*> Invoerrijen(TSchermsoort scherm);
// The same of the moisture check's inputs.
std::vector<const TInvoerRij*> Vochtrijen();

} // namespace rcveltor
