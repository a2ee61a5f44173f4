// Save then open: random build-ups of both screens come back with the same
// text in every field, the same project data, and the same file; a new
// calculation between openings returns to the start state.

#include "cli/Opties.h"
#include "cli/Toepassen.h"
#include "project/Bestandslezer.h"
#include "project/Openen.h"
#include "tests/calc/Opstart.h"
#include "tests/cli/Opdrachtregels.h"
#include "tests/project/Velden.h"

#include <gtest/gtest.h>

namespace rcveltor::test {
namespace {

TEST(Rondgang, GivesEveryFieldBack) {
    TProjectgegevens project;
    project.Naam = "Woningen Zuidrand, blok C \xe2\x80\x93 fase 2";
    project.Opdrachtgever = "Bouwbedrijf \"Van Dijk\" & Zn.";
    project.Datum = "2024-02-29";
    project.Opmerking = "Eerste regel\nTweede regel\tmet tab";

    // One model serves every opening: a new calculation must bring it back
    // to the state of a fresh start.
    const TOpgestart vers;
    const auto startVelden = AlleVelden(*vers.model);
    TOpgestart doel;
    int vergeleken = 0;
    for (const auto& regel : MaakOpdrachtregels(20261209, 400)) {
        TOpgestart bron;
        cli::TOpties opties;
        try {
            opties = cli::LeesOpties(regel);
            std::vector<std::string> fouten;
            cli::PasToe(opties, *bron.model, fouten);
        } catch (const cli::Gebruiksfout&) {
            continue;
        }
        const std::string tekst =
            AlsBestandstekst(Vastleggen(*bron.model, project, "4,20", "4.0.1.3", 1765285500));
        const auto gelezen = LeesBerekening(tekst, "rondgang.rcv");
        doel.model->NieuweBerekening();
        ASSERT_EQ(AlleVelden(*doel.model), startVelden);
        const TOpening opening = OpenBerekening(gelezen, *doel.model, "rondgang.rcv");

        const std::string regelTekst = AlsJsonRegel(regel);
        ASSERT_EQ(AlleVelden(*doel.model), AlleVelden(*bron.model)) << regelTekst;
        ASSERT_EQ(opening.Afwijking, "") << regelTekst;
        ASSERT_EQ(gelezen.Project, project);
        ASSERT_EQ(AlsBestandstekst(gelezen), tekst) << regelTekst;
        ++vergeleken;
    }
    EXPECT_GE(vergeleken, 300);
}

} // namespace
} // namespace rcveltor::test
