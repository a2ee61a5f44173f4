#pragma once

#include <functional>
#include <string>
#include <vector>

namespace rcveltor {
class TRekenModel;
struct TProjectgegevens;
} // namespace rcveltor

namespace rcveltor::cli {

// How a run with --pdf gets its report written. The calculator itself hands
// the whole run to the report program before calculating (Doorgeven returns
// the exit status only when that failed, or throws Gebruiksfout where this
// build has none); the report program writes it after calculating.
struct TPdfRoute {
    std::function<int()> Doorgeven;
    // project: the open calculation file's project data, or nullptr.
    std::function<void(const TRekenModel&, bool afschot, const std::string& bestand,
                       const TProjectgegevens* project)>
        Schrijven;
};

// One run of the calculator on its arguments (program name excluded):
// output on stdout, messages on stderr; returns the exit status.
int Draai(const std::vector<std::string>& argumenten, const TPdfRoute& pdf);

} // namespace rcveltor::cli
