// Builds the binary table file from its readable source:
//   lambdabouwer <lambda.txt> <lambda.bin>
// and reads the result back to check that every code finds its own lambda.
#include "LambdaBron.h"
#include "LambdaSchrijver.h"
#include "LambdaTabel.h"
#include "RcFout.h"

#include <cstdio>
#include <fstream>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "Gebruik: lambdabouwer <bron.txt> <doel.bin>\n");
        return 2;
    }
    try {
        std::ifstream bron(argv[1]);
        if (!bron) {
            throw rcveltor::RcFout(std::string("Kan \"") + argv[1] + "\" niet openen");
        }
        const auto regels = rcveltor::LeesLambdaBron(bron);
        rcveltor::SchrijfLambdaBestand(argv[2], regels);

        rcveltor::TLambdaTabel controle;
        controle.Laden(argv[2]);
        for (const auto& regel : regels) {
            if (controle.ZoekLambda(regel.Code) != regel.Lambda) {
                throw rcveltor::RcFout("Code " + std::to_string(regel.Code) +
                                       " leest niet terug zoals geschreven");
            }
        }
    } catch (const rcveltor::RcFout& fout) {
        std::fprintf(stderr, "lambdabouwer: %s\n", fout.what());
        std::remove(argv[2]);
        return 1;
    }
    return 0;
}
