// rcvteken: writes and signs the update control file "Rc.INF" for the maker.
//
//   rcvteken sleutel SLEUTEL            makes a new private key (kept by the
//                                       maker only) and prints its public key
//   rcvteken publiek SLEUTEL            prints the public key of a private key
//   rcvteken teken SLEUTEL INVOER UIT   reads a control file in which each
//                                       component may give Bron=<local file>
//                                       instead of Grootte, SHA256 and
//                                       Uitgepakt, fills those in from the file,
//                                       puts today in Ondertekend (replacing
//                                       any given), checks the result and
//                                       writes it signed
//   rcvteken controleer PUBLIEK BESTAND checks a signed control file
//
// Keys are written as hexadecimal text: the private key is 32 bytes, the
// public key (built into the program) too.

#include "update/Controlebestand.h"
#include "update/Handtekening.h"
#include "update/Uitpakken.h"

#include <QCryptographicHash>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>
#include <cstdio>
#include <optional>

using namespace rcveltor::update;

namespace {

void Meld(const QString& tekst) {
    std::fprintf(stderr, "rcvteken: %s\n", qPrintable(tekst));
}

std::optional<QByteArray> LeesBestand(const QString& pad) {
    QFile f(pad);
    if (!f.open(QIODevice::ReadOnly)) {
        Meld(QStringLiteral("cannot read %1: %2").arg(pad, f.errorString()));
        return std::nullopt;
    }
    return f.readAll();
}

bool SchrijfBestand(const QString& pad, const QByteArray& inhoud, bool geheim) {
    QSaveFile f(pad);
    if (!f.open(QIODevice::WriteOnly)) {
        Meld(QStringLiteral("cannot write %1: %2").arg(pad, f.errorString()));
        return false;
    }
    if (geheim) {
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }
    f.write(inhoud);
    if (!f.commit()) {
        Meld(QStringLiteral("cannot write %1: %2").arg(pad, f.errorString()));
        return false;
    }
    return true;
}

std::optional<QByteArray> LeesSleutel(const QString& pad) {
    const auto tekst = LeesBestand(pad);
    if (!tekst) {
        return std::nullopt;
    }
    const QByteArray sleutel = QByteArray::fromHex(tekst->trimmed());
    if (sleutel.size() != 32 || PubliekeEd25519Sleutel(sleutel).isEmpty()) {
        Meld(QStringLiteral("%1 does not hold a key of 64 hex digits").arg(pad));
        return std::nullopt;
    }
    return sleutel;
}

// Replaces each Bron= line by the size and hash of that file (and, for an
// archive, the size of its contents).
std::optional<QByteArray> VulBronnenIn(const QByteArray& invoer, const QDir& basis) {
    QList<QByteArray> regels = invoer.split('\n');
    // The start of every section, to find a component's Soort.
    QList<qsizetype> secties;
    for (qsizetype i = 0; i < regels.size(); ++i) {
        if (regels[i].trimmed().startsWith('[')) {
            secties.append(i);
        }
    }
    QByteArray uit;
    for (qsizetype i = 0; i < regels.size(); ++i) {
        const QByteArray kaal = regels[i].trimmed();
        if (!kaal.startsWith("Bron=")) {
            uit += regels[i];
            if (i + 1 < regels.size()) {
                uit += '\n';
            }
            continue;
        }
        const QString bron = basis.absoluteFilePath(QString::fromUtf8(kaal.mid(5).trimmed()));
        qsizetype begin = 0;
        qsizetype eind = regels.size();
        for (const qsizetype s : secties) {
            if (s < i) {
                begin = s;
            } else if (eind == regels.size()) {
                eind = s;
            }
        }
        bool archief = false;
        for (qsizetype j = begin; j < eind; ++j) {
            archief = archief || regels[j].trimmed() == "Soort=archief";
        }
        QFile f(bron);
        QCryptographicHash hash(QCryptographicHash::Sha256);
        if (!f.open(QIODevice::ReadOnly) || !hash.addData(&f)) {
            Meld(QStringLiteral("cannot read %1").arg(bron));
            return std::nullopt;
        }
        uit +=
            "Grootte=" + QByteArray::number(f.size()) + "\nSHA256=" + hash.result().toHex() + '\n';
        if (archief) {
            QString fout;
            const auto inhoud = InhoudGrootte(bron, &fout);
            if (!inhoud) {
                Meld(QStringLiteral("%1 is not an archive: %2").arg(bron, fout));
                return std::nullopt;
            }
            uit += "Uitgepakt=" + QByteArray::number(*inhoud) + '\n';
        }
    }
    if (!uit.endsWith('\n')) {
        uit += '\n';
    }
    return uit;
}

// Puts "Ondertekend=<dag>" first in [Update], in place of any given.
QByteArray ZetOndertekend(const QByteArray& inhoud, const QDate& dag) {
    QByteArray uit;
    bool inUpdate = false;
    for (const QByteArray& regel : inhoud.split('\n')) {
        const QByteArray kaal = regel.trimmed();
        const bool sleutelOndertekend =
            regel.contains('=') && regel.left(regel.indexOf('=')).trimmed() == "Ondertekend";
        if (kaal.startsWith('[')) {
            inUpdate = kaal == "[Update]";
        } else if (inUpdate && sleutelOndertekend) {
            continue;
        }
        uit += regel + '\n';
        if (inUpdate && kaal == "[Update]") {
            uit += "Ondertekend=" + dag.toString(QStringLiteral("dd-MM-yyyy")).toLatin1() + '\n';
        }
    }
    uit.chop(1);
    return uit;
}

int Gebruik() {
    std::fprintf(stderr, "Usage: rcvteken sleutel SLEUTEL\n"
                         "       rcvteken publiek SLEUTEL\n"
                         "       rcvteken teken SLEUTEL INVOER UIT\n"
                         "       rcvteken controleer PUBLIEKE-SLEUTEL-HEX BESTAND\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    QStringList a;
    for (int i = 1; i < argc; ++i) {
        a << QString::fromLocal8Bit(argv[i]);
    }
    if (a.size() == 2 && a[0] == QLatin1String("sleutel")) {
        if (QFileInfo::exists(a[1])) {
            Meld(QStringLiteral("%1 exists; a key is never overwritten").arg(a[1]));
            return 1;
        }
        const QByteArray prive = NieuweEd25519Sleutel();
        if (prive.isEmpty() || !SchrijfBestand(a[1], prive.toHex() + '\n', true)) {
            return 1;
        }
        std::printf("%s\n", PubliekeEd25519Sleutel(prive).toHex().constData());
        return 0;
    }
    if (a.size() == 2 && a[0] == QLatin1String("publiek")) {
        const auto prive = LeesSleutel(a[1]);
        if (!prive) {
            return 1;
        }
        std::printf("%s\n", PubliekeEd25519Sleutel(*prive).toHex().constData());
        return 0;
    }
    if (a.size() == 4 && a[0] == QLatin1String("teken")) {
        const auto prive = LeesSleutel(a[1]);
        const auto invoer = LeesBestand(a[2]);
        if (!prive || !invoer) {
            return 1;
        }
        const auto ingevuld = VulBronnenIn(*invoer, QFileInfo(a[2]).absoluteDir());
        if (!ingevuld) {
            return 1;
        }
        const auto inhoud = ZetOndertekend(*ingevuld, QDate::currentDate());
        // What the program would refuse is not signed.
        const TLeesResultaat gelezen = LeesControlebestand(inhoud);
        if (!gelezen.Bestand) {
            Meld(QStringLiteral("%1: %2").arg(a[2], gelezen.Fout));
            return 1;
        }
        const QByteArray handtekening = OndertekenEd25519(inhoud, *prive);
        if (handtekening.isEmpty()) {
            Meld(QStringLiteral("signing failed"));
            return 1;
        }
        return SchrijfBestand(a[3], VoegHandtekeningToe(inhoud, handtekening), false) ? 0 : 1;
    }
    if (a.size() == 3 && a[0] == QLatin1String("controleer")) {
        const auto bestand = LeesBestand(a[2]);
        if (!bestand) {
            return 1;
        }
        const TLeesResultaat r =
            LeesOndertekendControlebestand(*bestand, QByteArray::fromHex(a[1].toLatin1()));
        if (!r.Bestand) {
            Meld(QStringLiteral("%1: %2").arg(a[2], r.Fout));
            return 1;
        }
        std::printf("%s %s, %lld components\n", qPrintable(r.Bestand->Programma),
                    qPrintable(r.Bestand->Versie.toString()),
                    static_cast<long long>(r.Bestand->Componenten.size()));
        return 0;
    }
    return Gebruik();
}
