#pragma once

#include "calc/Methode.h"

#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace rcveltor::cli {

// A wrong command line: exit status 2.
class Gebruiksfout : public std::runtime_error {
public:
    explicit Gebruiksfout(const std::string& melding) : std::runtime_error(melding) {}
};

// The parsed command line; a repeated option keeps its last value.
struct TOpties {
    bool Afschot = false;                     // --afschot: the tapered screen
    bool Json = false;                        // --json: one JSON object instead of a table
    bool Hulp = false;                        // --help
    bool Batch = false;                       // --batch: command lines from standard input
    bool Vocht = false;                       // --vocht: the moisture check with the output
    std::optional<std::string> Pdf;           // --pdf FILE
    std::optional<std::string> LambdaBestand; // --lambda-bestand FILE
    std::optional<std::string> Project;       // --project FILE: a calculation file opened first
    std::optional<std::string> Opslaan;       // --opslaan FILE: the calculation saved as a file
    std::optional<TMethode> Methode;          // --methode nen1068|iso6946, before the options
    // Screen options by name, without "--"; found by a std::string_view too.
    std::map<std::string, std::string, std::less<>> Waarden;
};

// Throws Gebruiksfout for an unknown option, a missing argument, a number
// that does not parse and options that do not belong to the chosen screen.
TOpties LeesOpties(const std::vector<std::string>& argumenten);

// A command-line number with "," or "." as decimal separator.
double LeesArgumentGetal(const std::string& optie, const std::string& tekst);
// The text a user types for it: "." becomes ",".
std::string AlsGetypt(const std::string& tekst);

// --help's text (Gebruik.cpp).
const char* Gebruik();

} // namespace rcveltor::cli
