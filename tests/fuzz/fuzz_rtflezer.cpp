// Feeds arbitrary bytes to the information text's reader. It must never
// crash, must leave the document alone when it gives up, cannot make more
// characters than it was given bytes, and what it builds must lay out
// quickly (the run's time limit catches one that does not).
#include "rtf/RtfLezer.h"

#include <QByteArrayView>
#include <QGuiApplication>
#include <QTextDocument>
#include <QTextOption>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void Eis(bool voorwaarde) {
    if (!voorwaarde) {
        std::abort();
    }
}

// Text formats need a GUI application; one for the whole run.
void Toepassing() {
    static int argc = 1;
    static char naam[] = "fuzz_rtflezer";
    static char* argv[] = {naam, nullptr};
    static const QGuiApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv);
    }();
    Eis(app != nullptr);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Toepassing();
    const QByteArrayView invoer(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QTextDocument doc;
    doc.setUndoRedoEnabled(false);
    doc.setPlainText(QStringLiteral("voor"));
    if (rcveltor::app::LeesRtf(invoer, doc)) {
        Eis(doc.characterCount() <= static_cast<int>(size) + 1);
        // As the info window lays it out.
        QTextOption optie = doc.defaultTextOption();
        optie.setWrapMode(QTextOption::WordWrap);
        doc.setDefaultTextOption(optie);
        doc.setTextWidth(400);
        Eis(doc.size().height() >= 0);
    } else {
        Eis(doc.toPlainText() == QStringLiteral("voor"));
    }
    const auto tekst = rcveltor::app::LeesPlatteTekst(invoer);
    // Each line takes a byte at least, so a short enough input is never too tall.
    Eis(!tekst || !invoer.contains('\0'));
    if (invoer.size() <= rcveltor::app::kMaxPlatteRegels) {
        Eis(tekst.has_value() == !invoer.contains('\0'));
    }
    Eis(!tekst || tekst->size() <= static_cast<qsizetype>(size));
    return 0;
}
