// Stands in for the program in the update tests: notes in its working
// folder that it was started, and with which arguments.
#include <fstream>

int main(int argc, char** argv) {
    std::ofstream uit("herstart.txt");
    uit << "gestart";
    for (int i = 1; i < argc; ++i) {
        uit << ' ' << argv[i];
    }
    uit << '\n';
    return 0;
}
