#pragma once

#include <functional>
#include <optional>
#include <string>

// A numeric field of a screen. It holds the text it shows; every reader gets
// the number that text shows. A write that leaves the text as it was changes
// nothing and runs no handler.

namespace rcveltor {

struct TNumVeld {
    std::string Naam;                   // the field's name on the screen
    std::string Tekst;                  // the shown text; empty before start-up
    int Decimalen = -1;                 // fixed decimals; -1 for the general form
    double Minimum = 0;                 // lower bound; no clamping when equal to Maximum
    double Maximum = 0;                 // upper bound
    double Stap = 1;                    // spin-button step, in the field's unit
    double PaginaStap = 10;             // Page Up / Page Down step, in the field's unit
    bool Typen = false;                 // the user may type into the field
    bool Invoer = false;                // the user sets the field (spin or typing); else computed
    std::function<void()> BijWijziging; // handler run after the shown text changed

    // The number the text shows; 0 while the text is not a number.
    double Waarde() const;
    // Whether the shown text reads as a number.
    bool IsGetal() const;
    // The value clamped into the range (unchanged when Minimum equals Maximum).
    long double Begrensd(long double waarde) const;
    // The text the field would show for this value.
    std::string Formatteer(long double waarde) const;
};

// A text as every field reads it (the decimal comma): its number, or nothing
// when it is not one.
std::optional<double> LeesVeldtekst(const std::string& tekst);

// A write by the program or a spin step: clamped into the range, formatted,
// and the handler runs when the shown text changed.
void Zet(TNumVeld& veld, long double waarde);

// A computed result written without range; overflow of the stored double is
// an error.
void Schrijf(TNumVeld& veld, long double waarde);

// One edit of the user's typing: the text is taken as typed, unclamped.
void Typ(TNumVeld& veld, const std::string& tekst);

// The user leaves the field: a value outside the range (or a text that is not
// a number) is replaced by the clamped, formatted value; a typed text within
// the range stays as typed.
void Verlaat(TNumVeld& veld);

// Spin buttons and arrow keys (richting +1 / -1) or Page Up / Page Down.
void StapOp(TNumVeld& veld, int richting, bool pagina = false);

// A computed field that shows a text instead of a number ("n.v.t.", "-"); the
// handler runs when the shown text changed.
void SchrijfTekst(TNumVeld& veld, const std::string& tekst);

// Sets the text without running the handler: the values a screen holds
// before anything runs.
void BeginTekst(TNumVeld& veld, long double waarde);

} // namespace rcveltor
