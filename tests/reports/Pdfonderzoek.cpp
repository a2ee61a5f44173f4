#include "tests/reports/Pdfonderzoek.h"

#include "reports/Letterbestanden.h"
#include "reports/PdfExport.h"

#include <QProcess>
#include <QRawFont>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cmath>

namespace rcveltor::test {

std::optional<QByteArray> Voer(const QString& programma, const QStringList& argumenten) {
    QProcess p;
    p.start(programma, argumenten);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        return std::nullopt;
    }
    return p.readAllStandardOutput();
}

namespace {

QString Ontsnapt(QString s) {
    s.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    s.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    s.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    s.replace(QStringLiteral("&apos;"), QStringLiteral("'"));
    s.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return s;
}

std::vector<QStringList> Tabel(const QString& programma, const QStringList& argumenten) {
    std::vector<QStringList> rijen;
    const auto uit = Voer(programma, argumenten);
    if (!uit) {
        return rijen;
    }
    const QStringList regels = QString::fromUtf8(*uit).split(QLatin1Char('\n'));
    bool onderKop = false;
    for (const QString& regel : regels) {
        if (regel.startsWith(QStringLiteral("---"))) {
            onderKop = true;
        } else if (onderKop && !regel.trimmed().isEmpty()) {
            rijen.push_back(regel.split(QLatin1Char(' '), Qt::SkipEmptyParts));
        }
    }
    return rijen;
}

} // namespace

std::vector<TWoord> Woorden(const QString& pdf) {
    std::vector<TWoord> woorden;
    const auto uit = Voer(QStringLiteral("pdftotext"),
                          {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
                           QStringLiteral("-l"), QStringLiteral("1"), pdf, QStringLiteral("-")});
    if (!uit) {
        return woorden;
    }
    static const QRegularExpression woord(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">(.*)</word>)re"));
    auto it = woord.globalMatch(QString::fromUtf8(*uit));
    while (it.hasNext()) {
        const auto m = it.next();
        woorden.push_back({Ontsnapt(m.captured(5)), m.captured(1).toDouble(),
                           m.captured(2).toDouble(), m.captured(3).toDouble(),
                           m.captured(4).toDouble()});
    }
    return woorden;
}

QString Tekst(const QString& pdf) {
    const auto uit = Voer(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    return uit ? QString::fromUtf8(*uit) : QString();
}

std::optional<TWoord> ZoekZin(const std::vector<TWoord>& woorden, const QString& tekst, double x,
                              double y) {
    const QStringList delen = tekst.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    std::optional<TWoord> beste;
    double besteAfstand = 0;
    for (std::size_t i = 0; delen.size() > 0 && i + delen.size() <= woorden.size(); ++i) {
        bool past = true;
        for (qsizetype j = 0; j < delen.size() && past; ++j) {
            const TWoord& w = woorden[i + static_cast<std::size_t>(j)];
            past = w.Tekst == delen[j] && std::abs(w.YMin - woorden[i].YMin) < 0.01;
        }
        if (!past) {
            continue;
        }
        const TWoord& laatste = woorden[i + static_cast<std::size_t>(delen.size()) - 1];
        const TWoord zin{tekst, woorden[i].XMin, woorden[i].YMin, laatste.XMax, laatste.YMax};
        const double afstand = std::hypot(zin.XMin - x, zin.YMin - y);
        if (!beste || afstand < besteAfstand) {
            beste = zin;
            besteAfstand = afstand;
        }
    }
    return beste;
}

QImage Weergave(const QString& pdf, int dpi) {
    QTemporaryDir map;
    const QString basis = map.filePath(QStringLiteral("pagina"));
    if (!Voer(QStringLiteral("pdftoppm"),
              {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(dpi),
               QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-singlefile"), pdf,
               basis})) {
        return {};
    }
    return QImage(basis + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

std::vector<QStringList> Lettertypen(const QString& pdf) {
    return Tabel(QStringLiteral("pdffonts"), {pdf});
}

std::vector<QStringList> Beelden(const QString& pdf) {
    return Tabel(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
}

double Breedte(const QString& tekst, double punten, bool vet) {
    // At a size of 2048 pixels (the font's units per em) the advances are
    // the font's own, unrounded.
    constexpr double kPixels = 2048;
    const rapport::TPdfLetters letters = rapport::ZoekRapportLetters();
    const QRawFont font(vet ? letters.Vet : letters.Regulier, kPixels, QFont::PreferNoHinting);
    const QList<quint32> glyfen = font.glyphIndexesForString(tekst);
    double breedte = 0;
    for (const QPointF& stap : font.advancesForGlyphIndexes(glyfen, QRawFont::UseDesignMetrics)) {
        breedte += stap.x();
    }
    return breedte / kPixels * punten;
}

} // namespace rcveltor::test
