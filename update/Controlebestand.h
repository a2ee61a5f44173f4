#pragma once

// The update control file "Rc.INF": an INI text in UTF-8 that announces a
// version and the components to download, followed by an Ed25519 signature
// over everything before it.
//
//   [Update]
//   Programma=RcVeltor
//   Versie=4.0.1.4
//   Datum=15-04-2009          (dd-mm-yyyy)
//   Tijd=10:30                (hh:nn)
//   GeldigTot=15-05-2009      (dd-mm-yyyy) the last day the file is accepted,
//                             at most kMaxGeldigDagen after Ondertekend
//   Ondertekend=15-04-2009    (dd-mm-yyyy) the day it was signed, written by
//                             "rcvteken teken"; a file without it (made
//                             before it existed) is refused like one without
//                             GeldigTot
//   [Nieuw]                   what's new, one Regel= per line
//   Regel=...
//   [Licentie]                the licence, likewise
//   Regel=...
//   [Component1]              any section named Component..., in order
//   Naam=Programma
//   URL=RcVeltor-4.0.1.4.tar.gz   (relative to the control file, or absolute)
//   Grootte=123456            bytes of the download
//   SHA256=<64 hex digits>
//   Soort=archief             archief (extracted) or bestand (installed as is)
//   Doel=programma            programma (the program's folder) or werkmap
//   Uitgepakt=400000          archief: the most bytes its contents may hold
//   Bestand=RcVeltor          bestand: the path it is installed under
//   Uitvoerbaar=ja            bestand: whether it is a program
//   [Handtekening]
//   Ed25519=<base64 of the 64-byte signature>
//
// Unknown keys and sections are ignored so that newer files still read.

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QList>
#include <QString>
#include <QTime>
#include <QVersionNumber>
#include <optional>

namespace rcveltor::update {

enum class TSoort { Archief, Bestand };
enum class TDoel { Programma, Werkmap };

struct TComponent {
    QString Naam;
    QString Url;
    qint64 Grootte = 0;
    QByteArray Sha256; // 32 bytes
    TSoort Soort = TSoort::Archief;
    TDoel Doel = TDoel::Programma;
    qint64 Uitgepakt = 0;
    QString Bestand;
    bool Uitvoerbaar = false;

    bool operator==(const TComponent&) const = default;
};

struct TControlebestand {
    QString Programma;
    QVersionNumber Versie;
    QDate Datum;
    QTime Tijd;
    QDate GeldigTot;
    QDate Ondertekend;
    QString Nieuw;
    QString Licentie;
    QList<TComponent> Componenten;

    bool operator==(const TControlebestand&) const = default;
};

struct TLeesResultaat {
    std::optional<TControlebestand> Bestand;
    QString Fout; // English, for the log
};

// Limits that keep a hostile file from costing much.
inline constexpr qsizetype kMaxControlebestand = 1024 * 1024;
inline constexpr int kMaxComponenten = 64;
inline constexpr qint64 kMaxDownload = qint64(4) << 30;
// A signed file served again stays valid this long at most.
inline constexpr int kMaxGeldigDagen = 400;

// 1 to 4 numbers of 0..65535 separated by dots; nullopt otherwise.
std::optional<QVersionNumber> LeesVersie(QStringView tekst);
// Part by part; missing parts count as 0, so 4.0.1 equals 4.0.1.0.
int VergelijkVersies(const QVersionNumber& a, const QVersionNumber& b);

// The unsigned part.
TLeesResultaat LeesControlebestand(QByteArrayView tekst);
QByteArray SchrijfControlebestand(const TControlebestand& bestand);

struct TGesplitst {
    QByteArray Inhoud;       // the signed bytes
    QByteArray Handtekening; // 64 bytes; empty when Fout is set
    QString Fout;
};
TGesplitst SplitsHandtekening(QByteArrayView bestand);
QByteArray VoegHandtekeningToe(const QByteArray& inhoud, const QByteArray& handtekening);

// Splits, checks the signature against the public key and reads the signed
// part; any failure is an error.
TLeesResultaat LeesOndertekendControlebestand(QByteArrayView bestand,
                                              QByteArrayView publiekeSleutel);

// A relative path inside a folder: no root, drive, "..", "." or empty parts,
// no backslashes or control characters, and nothing Windows cannot hold
// (device names such as CON or aux.txt, a part ending in a dot or a space,
// any of : < > " | ? *).
bool IsVeiligRelatiefPad(QStringView pad);

} // namespace rcveltor::update
