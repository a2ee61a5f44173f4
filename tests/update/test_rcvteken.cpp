// The signing tool, run as the maker would: a key, a control file filled in
// from the files it names, and what the program then accepts.

#include "tests/update/Archiefbouwer.h"
#include "tests/update/QtPrint.h"
#include "update/Controlebestand.h"

#include <QCryptographicHash>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace rcveltor::update;

namespace {

struct TUitvoer {
    int Status = -1;
    QByteArray Uit;
};

TUitvoer Teken(const QStringList& argumenten) {
    QProcess p;
    p.start(QStringLiteral(RCV_TEKEN), argumenten);
    p.waitForFinished(30000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            p.readAllStandardOutput().trimmed()};
}

void Schrijf(const QString& pad, const QByteArray& inhoud) {
    QFile f(pad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(inhoud);
}

TEST(Rcvteken, SignsAFileTheProgramAcceptsAndNothingElse) {
    QTemporaryDir tmp;
    const QString sleutel = tmp.filePath(QStringLiteral("maker.key"));
    const TUitvoer nieuw = Teken({QStringLiteral("sleutel"), sleutel});
    ASSERT_EQ(nieuw.Status, 0);
    const QByteArray publiek = QByteArray::fromHex(nieuw.Uit);
    ASSERT_EQ(publiek.size(), 32);
    EXPECT_EQ(Teken({QStringLiteral("publiek"), sleutel}).Uit, nieuw.Uit);
    // A key is never overwritten.
    EXPECT_NE(Teken({QStringLiteral("sleutel"), sleutel}).Status, 0);
    EXPECT_EQ(Teken({QStringLiteral("publiek"), sleutel}).Uit, nieuw.Uit);

    rcveltor::test::MaakArchief(tmp.filePath(QStringLiteral("prog.tar.gz")),
                                {{"RcVeltor", QByteArray(500, 'p')}, {"info.rtf", "info"}});
    Schrijf(tmp.filePath(QStringLiteral("lambda.bin")), "tabel");
    // A signing day given is replaced by the day of signing.
    const QDate vandaag = QDate::currentDate();
    const QByteArray invoer =
        "[Update]\nProgramma=RcVeltor\nVersie=4.0.1.4\nDatum=15-04-2009\n"
        "Tijd=10:30\nGeldigTot=" +
        vandaag.addDays(30).toString(QStringLiteral("dd-MM-yyyy")).toLatin1() +
        "\nOndertekend=01-01-2000\n"
        "[Component1]\nNaam=Programma\nURL=prog.tar.gz\nSoort=archief\n"
        "Bron=prog.tar.gz\nDoel=programma\n"
        "[Component2]\nNaam=Tabel\nURL=lambda.bin\nBron=lambda.bin\n"
        "Soort=bestand\nDoel=werkmap\nBestand=lambda.bin";
    Schrijf(tmp.filePath(QStringLiteral("Rc.in")), invoer);
    const QString uit = tmp.filePath(QStringLiteral("Rc.INF"));
    ASSERT_EQ(Teken({QStringLiteral("teken"), sleutel, tmp.filePath(QStringLiteral("Rc.in")), uit})
                  .Status,
              0);

    QFile bestand(uit);
    ASSERT_TRUE(bestand.open(QIODevice::ReadOnly));
    const QByteArray ondertekend = bestand.readAll();
    const TLeesResultaat r = LeesOndertekendControlebestand(ondertekend, publiek);
    ASSERT_TRUE(r.Bestand) << r.Fout.toStdString();
    EXPECT_TRUE(r.Bestand->Ondertekend == vandaag ||
                r.Bestand->Ondertekend == QDate::currentDate());
    ASSERT_EQ(r.Bestand->Componenten.size(), 2);
    QFile archief(tmp.filePath(QStringLiteral("prog.tar.gz")));
    ASSERT_TRUE(archief.open(QIODevice::ReadOnly));
    const QByteArray archiefInhoud = archief.readAll();
    const TComponent& a = r.Bestand->Componenten[0];
    EXPECT_EQ(a.Grootte, archiefInhoud.size());
    EXPECT_EQ(a.Sha256, QCryptographicHash::hash(archiefInhoud, QCryptographicHash::Sha256));
    EXPECT_EQ(a.Uitgepakt, 504);
    EXPECT_EQ(r.Bestand->Componenten[1].Grootte, 5);
    EXPECT_EQ(Teken({QStringLiteral("controleer"), QString::fromLatin1(nieuw.Uit), uit}).Status, 0);

    // What the program would refuse is not signed: a malformed date, a
    // validity of more than 400 days from today.
    const std::pair<const char*, QByteArray> fouten[] = {
        {"Datum=15-04-2009", "Datum=2009-04-15"},
        {"GeldigTot=", "GeldigTot=31-12-9999\nOud="},
    };
    for (const auto& [van, naar] : fouten) {
        Schrijf(tmp.filePath(QStringLiteral("fout.in")), QByteArray(invoer).replace(van, naar));
        EXPECT_NE(Teken({QStringLiteral("teken"), sleutel, tmp.filePath(QStringLiteral("fout.in")),
                         tmp.filePath(QStringLiteral("fout.INF"))})
                      .Status,
                  0)
            << naar.constData();
        EXPECT_FALSE(QFile::exists(tmp.filePath(QStringLiteral("fout.INF"))));
    }
}

} // namespace
