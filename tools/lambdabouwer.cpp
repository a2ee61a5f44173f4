// Builds the binary table file from its readable source:
//   lambdabouwer <lambda.txt> <lambda.bin>
// and reads the result back to check that every code finds its own lambda.
#include "basis/RcFout.h"
#include "lambdatabel/LambdaBron.h"
#include "lambdatabel/LambdaSchrijver.h"
#include "lambdatabel/LambdaTabel.h"
#include "platform/Argumenten.h"
#include "platform/Bestand.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

int main(int argc, char** argv) {
    const auto argumenten = rcveltor::platform::Argumenten(argc, argv);
    if (argumenten.size() != 2) {
        std::fprintf(stderr, "Gebruik: lambdabouwer <bron.txt> <doel.bin>\n");
        return 2;
    }
    const std::string& doel = argumenten[1];
    try {
        std::ifstream bron(rcveltor::platform::PadUitUtf8(argumenten[0]));
        if (!bron) {
            throw rcveltor::RcFout("Kan \"" + argumenten[0] + "\" niet openen");
        }
        const auto regels = rcveltor::LeesLambdaBron(bron);
        rcveltor::SchrijfLambdaBestand(doel, regels);

        rcveltor::TLambdaTabel controle;
        controle.Laden(doel);
        for (const auto& regel : regels) {
            if (controle.ZoekLambda(regel.Code) != regel.Lambda) {
                throw rcveltor::RcFout("Code " + std::to_string(regel.Code) +
                                       " leest niet terug zoals geschreven");
            }
        }
    } catch (const rcveltor::RcFout& fout) {
        std::fprintf(stderr, "lambdabouwer: %s\n", fout.what());
        std::error_code genegeerd;
        std::filesystem::remove(rcveltor::platform::PadUitUtf8(doel), genegeerd);
        return 1;
    }
    return 0;
}
