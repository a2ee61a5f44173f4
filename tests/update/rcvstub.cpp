// Stands in for the program in the update tests: notes in its working
// folder that it was started, and with which arguments. "--zelftest" ends it
// at once, as the window program does; built with RCVSTUB_HANGT that never
// ends, and with RCVSTUB_BIEB it needs a library the loader cannot find.
#include <chrono>
#include <cstring>
#include <fstream>
#include <thread>

#ifdef RCVSTUB_BIEB
int RcvstubBieb();
#endif

int main(int argc, char** argv) {
#ifdef RCVSTUB_BIEB
    if (argc < 0) {
        return RcvstubBieb();
    }
#endif
    if (argc == 2 && std::strcmp(argv[1], "--zelftest") == 0) {
#ifdef RCVSTUB_HANGT
        std::this_thread::sleep_for(std::chrono::hours(1));
#endif
        return 0;
    }
    std::ofstream uit("herstart.txt", std::ios::binary); // the same bytes on every system
    uit << "gestart";
    for (int i = 1; i < argc; ++i) {
        uit << ' ' << argv[i];
    }
    uit << '\n';
    return 0;
}
