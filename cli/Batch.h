#pragma once

#include <iosfwd>
#include <optional>
#include <string>

namespace rcveltor {
class TLambdaTabel;
}

namespace rcveltor::cli {

// --batch: reads the table once, then answers every non-empty input line (a
// JSON array of the options of one command line) with one output line.
// Returns the exit status of the batch itself: 0.
int DraaiBatch(std::istream& in, std::ostream& uit, const std::string& lambdaPad);

class TVochtbron;

// The answer to one line, without its newline: what a separate run with
// --json prints, closed with "exit", or {"exit": 2, "gebruiksfout": ...}.
// Each line starts from the start state, on the table loaded once; --vocht
// takes the check's data from `vocht` (without it, from the working folder).
std::string BatchAntwoord(std::string_view regel, TLambdaTabel& tabel,
                          const std::optional<std::string>& laadfout, TVochtbron* vocht = nullptr);

} // namespace rcveltor::cli
