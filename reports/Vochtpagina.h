#pragma once

// The moisture check's page of both reports: the body band that goes under
// the reports' header band on the second page.

#include "calc/Vochtopbouw.h"
#include "reports/Rapportmotor.h"

#include <functional>
#include <string>

namespace rcveltor::rapport {

// The check of the report's screen from the data files.
using TVochtRekenaar = std::function<TVochtBerekening(const TVochtdata&)>;

// The band: the layers, the inputs, the results, the months and the diagram
// of the worst month. The data come from `werkmap` (LeesVochtdata); when
// they or the check fail, the page says why in place of the results.
TBand MaakVochtband(const TVochtVelden& velden, const TVochtRekenaar& bereken,
                    const std::string& werkmap);

} // namespace rcveltor::rapport
