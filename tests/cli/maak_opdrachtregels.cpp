// Prints random command lines, one JSON array a line:
//   maak_opdrachtregels <seed> <count>
#include "tests/cli/Opdrachtregels.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "Gebruik: maak_opdrachtregels <zaad> <aantal>\n");
        return 2;
    }
    const auto zaad = static_cast<std::uint32_t>(std::stoul(argv[1]));
    for (const auto& regel : rcveltor::test::MaakOpdrachtregels(zaad, std::stoul(argv[2]))) {
        std::puts(rcveltor::test::AlsJsonRegel(regel).c_str());
    }
    return 0;
}
