// Timing of the information text: hostile texts read and laid out as the
// info window does. Budget: under 10 s each, far below the minutes (or for
// ever) that the faults took and far above a sanitizer build.

#include "rtf/RtfLezer.h"
#include "tests/Qtbench.h"
#include "tests/info/VijandigeTeksten.h"

using namespace rcveltor;

namespace {

// The info window's order: RTF, else plain text.
void ToonAlsInfo(benchmark::State& state, const QByteArray& inhoud) {
    for (auto _ : state) {
        QTextDocument doc;
        doc.setUndoRedoEnabled(false);
        if (!app::LeesRtf(inhoud, doc)) {
            if (const auto tekst = app::LeesPlatteTekst(inhoud)) {
                doc.setPlainText(*tekst);
            }
        }
        benchmark::DoNotOptimize(test::LegUitAlsInfo(doc));
    }
}

void RegistreerTeksten() {
    // Long enough to take half a minute when a word could break anywhere.
    const QByteArray woord(512 * 1024, 'x');
    std::vector<test::TVijandigeTekst> teksten = test::VijandigeTeksten();
    teksten.push_back({"one long word", woord, false});
    teksten.push_back({"one long word in RTF", QByteArray("{\\rtf1 " + woord + "}"), true});
    for (const auto& t : teksten) {
        benchmark::RegisterBenchmark(
            (std::string("BM_VijandigeTekst/") + t.Naam).c_str(),
            [inhoud = t.Rtf](benchmark::State& state) { ToonAlsInfo(state, inhoud); })
            ->Unit(benchmark::kMillisecond);
    }
}

} // namespace

int main(int argc, char** argv) {
    RegistreerTeksten();
    return test::QtBenchMain(argc, argv);
}
