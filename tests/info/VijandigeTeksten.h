#pragma once

// Information texts that once took seconds or for ever to read and lay out,
// shared by the reader's test and its benchmark.

#include "rtf/RtfLezer.h"

#include <QByteArray>
#include <QTextDocument>
#include <QTextOption>
#include <vector>

namespace rcveltor::test {

struct TVijandigeTekst {
    const char* Naam;
    QByteArray Rtf;
    bool Leesbaar; // false: refused as too tall to lay out
};

// Extreme spacing, fonts and indents are capped, building is linear in the
// formatting runs, and a text too tall for the layout is refused.
inline std::vector<TVijandigeTekst> VijandigeTeksten() {
    using app::kMaxRtf;
    const auto herhaal = [](const QByteArray& stuk, qsizetype n) {
        return QByteArray("{\\rtf1 " + stuk.repeated(n) + "}");
    };
    return {
        {"4000 paragraphs with the most spacing", herhaal("\\pard\\sb31680\\sa31680 x\\par ", 4000),
         true},
        {"40000 runs in one paragraph", herhaal("{\\b a}{\\i b}", 20000), true},
        {"4000 paragraphs in the largest font", herhaal("\\fs3276 x\\par ", 4000), true},
        {"4000 paragraphs with the widest indents",
         herhaal("\\pard\\li31680\\ri31680\\fi-31680 xxxxxxxxxxxxxxxxxxxx\\par ", 4000), true},
        {"a large ordinary text", herhaal("Een gewone zin van een regel.\\par ", 10000), true},
        {"the largest file of empty paragraphs", herhaal("\\par", kMaxRtf / 4 - 4), false},
        {"the largest file of line breaks in the largest font",
         herhaal("\\fs144\\line", kMaxRtf / 16), false},
        {"the largest file of wide characters in the widest indents",
         herhaal("\\li1440\\ri1440\\fs144 WWWWWWWWWWWWWWWWWWWW", kMaxRtf / 40), false},
    };
}

// As the info window lays its text out: the whole of it, not just what is in view.
inline qreal LegUitAlsInfo(QTextDocument& doc) {
    QTextOption optie = doc.defaultTextOption();
    optie.setWrapMode(QTextOption::WordWrap);
    doc.setDefaultTextOption(optie);
    doc.setTextWidth(400);
    return doc.size().height();
}

} // namespace rcveltor::test
