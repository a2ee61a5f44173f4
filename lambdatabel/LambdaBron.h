#pragma once

#include "lambdatabel/LambdaSchrijver.h"

#include <istream>
#include <vector>

namespace rcveltor {

// Reads the readable source of the table: one "code lambda" pair per line,
// '#' starts a comment, blank lines are skipped. Throws RcFout naming the line
// of a malformed entry or a code that occurs twice.
std::vector<TLambdaRegel> LeesLambdaBron(std::istream& bron);

} // namespace rcveltor
