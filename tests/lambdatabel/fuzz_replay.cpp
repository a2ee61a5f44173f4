// Runs every file of a corpus folder through the fuzz target once, so the
// corpus is checked by the sanitizers of an ordinary build.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "Gebruik: %s <corpusmap>\n", argv[0]);
        return 2;
    }
    std::size_t aantal = 0;
    for (const auto& item : std::filesystem::directory_iterator(argv[1])) {
        if (!item.is_regular_file()) {
            continue;
        }
        std::ifstream in(item.path(), std::ios::binary);
        const std::vector<std::uint8_t> inhoud((std::istreambuf_iterator<char>(in)),
                                               std::istreambuf_iterator<char>());
        LLVMFuzzerTestOneInput(inhoud.data(), inhoud.size());
        ++aantal;
    }
    std::printf("%zu corpus files replayed\n", aantal);
    return aantal > 0 ? 0 : 1;
}
