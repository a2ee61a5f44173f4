// Feeds arbitrary bytes to the information text's reader. It must never
// crash, must leave the document alone when it gives up, and cannot make
// more characters than it was given bytes.
#include "RtfLezer.h"

#include <QByteArrayView>
#include <QGuiApplication>
#include <QTextDocument>
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
    } else {
        Eis(doc.toPlainText() == QStringLiteral("voor"));
    }
    const auto tekst = rcveltor::app::LeesPlatteTekst(invoer);
    Eis(tekst.has_value() == !invoer.contains('\0'));
    Eis(!tekst || tekst->size() <= static_cast<qsizetype>(size));
    return 0;
}
