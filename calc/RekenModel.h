#pragma once

#include "calc/AfschotBerekening.h"
#include "calc/RcBerekening.h"
#include "calc/Vochtvelden.h"
#include "lambdatabel/LambdaTabel.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace rcveltor {

// The main window's state: both screens, the shared lambda table and the
// start-up guard. The window and the command-line calculator each own one.
class TRekenModel {
public:
    TRekenModel();
    TRekenModel(const TRekenModel&) = delete;
    TRekenModel& operator=(const TRekenModel&) = delete;

    TGedeeld Gedeeld;
    TLambdaTabel Tabel;
    TRcBerekening Rc;
    TAfschotBerekening Afschot;
    TVochtVelden Vocht;           // the moisture check's inputs, for either screen
    bool OpstartVoltooid = false; // the start-up ran to its end, initial calculations included

    // The start-up of both screens: start values, the table loaded from the
    // given file, the combination numbers, and the initial calculations.
    // Returns the messages of the errors that arose, in order. A failed load
    // is reported and start-up goes on: the screens then work without the
    // table while no fastener combination is chosen.
    std::vector<std::string> Opstarten(const std::string& lambdaBestand);

    // The same start-up on a table loaded once for many runs, with the
    // message its load gave: state and messages as Opstarten with its file,
    // without reading it again. The model works on `geladen` from then on,
    // which must outlive it.
    std::vector<std::string> Opstarten(TLambdaTabel& geladen,
                                       const std::optional<std::string>& laadfout);

    // Back to the state of a fresh start-up on the table already loaded: a
    // new calculation. Both screens are made anew where they are, so every
    // view bound to their fields stays bound. A failed load is not reported
    // again; other errors of the start-up are returned as Opstarten does.
    std::vector<std::string> NieuweBerekening();

    // The list "Rekenmethode": sets the method of both screens and, after the
    // start-up, recalculates both as their own recalculation does. Returns
    // the errors that arose, per screen, in order (under NEN 1068 the same as
    // the screens' handlers raise, e.g. a tapered roof without area). The
    // method already chosen changes nothing. With `afschotFouten` the tapered
    // screen's errors go there instead, for a view that shows them only with
    // that screen.
    std::vector<std::string> KiesMethode(TMethode methode,
                                         std::vector<std::string>* afschotFouten = nullptr);

private:
    std::vector<std::string> StartOp(const std::function<void()>& laadTabel);
};

} // namespace rcveltor
