#pragma once

#include "calc/NumVeld.h"
#include "calc/RekenModel.h"
#include "project/Berekeningsbestand.h"
#include "project/Openen.h"
#include "project/Projectgegevens.h"

#include <optional>
#include <string>
#include <vector>

namespace rcveltor {

// Where the wizard's wanted Rc comes from. The window program's wizard field
// always shows a number: a new calculation its start value, an opened file's
// as the field shows it. The calculator has it only as an option: kept as
// given, empty (and not saved) when none was.
enum class TWensRcBron { Wizard, Optie };

// One calculation as both programs hold it: the model of both screens (with
// the method), the project data, the wizard's wanted Rc, the file it belongs
// to and the state last saved, opened or begun.
class TBerekening {
public:
    explicit TBerekening(TWensRcBron bron);
    TBerekening(const TBerekening&) = delete;
    TBerekening& operator=(const TBerekening&) = delete;

    TRekenModel Model;        // both screens; "," as decimal separator
    TProjectgegevens Project; // printed on both reports
    TNumVeld WensRc;          // the wizard's wanted Rc; its text is what a file keeps

    TMethode Methode() const { return Model.Gedeeld.Methode; }
    // The method of both screens; errors as TRekenModel::KiesMethode.
    std::vector<std::string> KiesMethode(TMethode methode,
                                         std::vector<std::string>* afschotFouten = nullptr);

    // The file opened or saved to (UTF-8); empty for none.
    const std::string& Bestand() const { return bestand_; }

    // The model's start-up; the state it gives counts as saved. Returns its
    // errors as TRekenModel::Opstarten.
    std::vector<std::string> Opstarten(const std::string& lambdaBestand);

    // Unsaved changes: the state differs from the one last saved, opened or
    // begun.
    bool Gewijzigd();

    // Reads the file at `pad` whole and replays it (OpenBerekening). Throws
    // TOnbruikbaarBestand (or what the reader throws) and then leaves
    // everything as it was.
    TOpening Open(const std::string& pad, TSchermfouten schermfouten = TSchermfouten::Samen);

    // Writes the calculation at `pad` as one safe step (a failed save keeps
    // an earlier file whole), with the opened file's unknown keys. Throws
    // platform::TBestandsfout and then leaves everything as it was.
    void SlaOp(const std::string& pad);

    // A new calculation: the model's start state (its method aside), no
    // project data, no file. Returns the errors of the model's start-up.
    std::vector<std::string> Nieuw();

private:
    TBerekeningsbestand Stand();
    // The wanted Rc from a file's text (empty: none given), as the source keeps it.
    void ZetWensRc(const std::string& tekst);

    TWensRcBron bron_;
    std::string bestand_;
    std::optional<TBerekeningsbestand> vastgelegd_; // the state last saved, opened or begun
    TOnbekendeSleutels onbekend_; // the opened file's keys this release does not know
};

} // namespace rcveltor
