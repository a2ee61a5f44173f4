// rcveltor-cli: the calculator without windows, for scripts and checks.

#include "Opties.h"
#include "RekenModel.h"
#include "Toepassen.h"
#include "Uitvoer.h"

#include <filesystem>
#include <iostream>

using namespace rcveltor;

namespace {

// The table's file: "lambda.bin" in the working directory unless given.
std::string LambdaPad(const cli::TOpties& opties) {
    std::error_code ec;
    const std::filesystem::path werkmap = std::filesystem::current_path(ec);
    if (!opties.LambdaBestand) {
        return (werkmap / "lambda.bin").string();
    }
    const std::filesystem::path gegeven(*opties.LambdaBestand);
    return gegeven.is_absolute() ? gegeven.string() : (werkmap / gegeven).string();
}

} // namespace

int main(int argc, char** argv) {
    try {
        const cli::TOpties opties =
            cli::LeesOpties(std::vector<std::string>(argv + 1, argv + argc));
        if (opties.Hulp) {
            std::cout << cli::Gebruik();
            return 0;
        }
        TRekenModel model(",");
        std::vector<std::string> fouten = model.Opstarten(LambdaPad(opties));
        cli::PasToe(opties, model, fouten);

        std::cout << (opties.Json ? cli::AlsJson(model, opties.Afschot, fouten)
                                  : cli::AlsTabel(model, opties.Afschot));
        for (const auto& fout : fouten) {
            std::cerr << "rcveltor-cli: " << fout << "\n";
        }
        return fouten.empty() ? 0 : 1;
    } catch (const cli::Gebruiksfout& fout) {
        std::cerr << "rcveltor-cli: " << fout.what() << "\n\n" << cli::Gebruik();
        return 2;
    }
}
