#include "update/Installatie.h"

#include "update/VeiligOpenen.h"
#include "update/Vervangen.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace rcveltor::update {

namespace {

// The journal, one line each: "stap<TAB>target<TAB>0|1<TAB>new folder..." as
// files are staged, then "wissel" before the first swap and "klaar" after
// the last ("proef" before it for an installation on trial); "terug" before
// a rollback of a swap, so that one cut off by a kill is finished. A line cut
// off by a kill is ignored.
constexpr QByteArrayView kStap = "stap";
constexpr QByteArrayView kWissel = "wissel";
constexpr QByteArrayView kKlaar = "klaar";
constexpr QByteArrayView kTerug = "terug";
// After "klaar" of an installation on trial: "gestart <seconds since 1970>"
// at the new program's first start, "bevestigd" once it runs.
constexpr QByteArrayView kProef = "proef";
constexpr QByteArrayView kGestart = "gestart";
constexpr QByteArrayView kBevestigd = "bevestigd";

std::filesystem::path Pad(const QString& pad) {
    return FsPad(pad);
}

// lstat: a dangling link counts as present.
bool Bestaat(const QString& pad) {
    std::error_code fout;
    return std::filesystem::symlink_status(Pad(pad), fout).type() !=
           std::filesystem::file_type::not_found;
}

void Verwijder(const QString& pad) {
    std::error_code fout;
    std::filesystem::remove_all(Pad(pad), fout);
}

// Windows cannot remove a program file while it runs: what could not go is
// listed beside the journal, and removed at a later start (RuimOp).
QString Opruimlijst(const QString& journaal) {
    return journaal + QStringLiteral(".opruimen");
}

void VerwijderOfLater(const QString& pad, const QString& journaal) {
    Verwijder(pad);
    if (!Bestaat(pad) || journaal.isEmpty()) {
        return;
    }
    const int fd = OpenGewoonBestand(Opruimlijst(journaal), O_WRONLY | O_APPEND | O_CREAT, 0600);
    if (fd >= 0) {
        const QByteArray regel = pad.toUtf8() + '\n';
        if (::write(fd, regel.constData(), static_cast<unsigned>(regel.size())) == regel.size()) {
            SpoelNaarSchijf(fd);
        }
        ::close(fd);
    }
}

// What an earlier run listed: removed now, or listed again for the next.
void RuimOp(const QString& journaal) {
    const QString lijst = Opruimlijst(journaal);
    const int fd = OpenGewoonBestand(lijst, O_RDONLY);
    if (fd < 0) {
        return;
    }
    QFile bestand;
    bestand.open(fd, QIODevice::ReadOnly, QFile::AutoCloseHandle);
    const QList<QByteArray> paden = bestand.readAll().split('\n');
    bestand.close();
    QFile::remove(lijst);
    for (const QByteArray& pad : paden) {
        if (!pad.isEmpty()) {
            VerwijderOfLater(QString::fromUtf8(pad), journaal);
        }
    }
}

QString Fout() {
    return QString::fromLocal8Bit(strerror(errno));
}

// Copies a file completely and to the disk, with bron's permissions.
bool KopieerVeilig(const QString& bron, const QString& doel, QString* fout) {
    const int in = OpenGewoonBestand(bron, O_RDONLY);
    if (in < 0) {
        *fout = QStringLiteral("cannot read %1: %2").arg(bron, Fout());
        return false;
    }
    struct stat s {};
    ::fstat(in, &s);
    const int uit = OpenGewoonBestand(doel, O_WRONLY | O_CREAT | O_EXCL, 0600);
    if (uit < 0) {
        *fout = QStringLiteral("cannot create %1: %2").arg(doel, Fout());
        ::close(in);
        return false;
    }
    const qint64 totaal = KopieerInhoud(in, uit);
    bool gelukt = totaal >= 0;
    const QString reden =
        errno == ENOSPC ? QStringLiteral("Er is onvoldoende schijfruimte") : Fout();
    gelukt =
        gelukt && totaal == s.st_size && ZetRechten(uit, s.st_mode & 0755) && SpoelNaarSchijf(uit);
    gelukt = ::close(uit) == 0 && gelukt;
    ::close(in);
    if (!gelukt) {
        *fout = QStringLiteral("cannot copy %1 to %2: %3").arg(bron, doel, reden);
    }
    return gelukt;
}

struct TJournaalStap {
    QString Doel;
    bool Bestond = false;
    QStringList NieuweMappen;
};

// Before the swap began only the staged files and new folders go; a kept
// file may then still be a stale one. A replaced file comes back by a rename
// over the new one, so that its name is never empty; naStap follows every
// change.
void RolTerug(const TJournaalStap& s, bool gewisseld, const QString& journaal,
              const std::function<void(const QString&)>& log, const std::function<void()>& naStap) {
    const QString oud = s.Doel + TInstallatie::kOudAchtervoegsel;
    const QString nieuw = s.Doel + TInstallatie::kNieuwAchtervoegsel;
    if (Bestaat(nieuw)) {
        Verwijder(nieuw);
        naStap();
        log(QStringLiteral("Rollback: removed %1").arg(nieuw));
    }
    if (gewisseld && s.Bestond && Bestaat(oud)) {
        std::filesystem::path weg;
        if (VervangDoor(Pad(oud), Pad(s.Doel), &weg)) {
            naStap();
            log(QStringLiteral("Rollback: restored %1").arg(s.Doel));
            if (!weg.empty()) {
                VerwijderOfLater(QtPad(weg), journaal);
            }
        } else {
            log(QStringLiteral("Rollback: cannot restore %1 from %2").arg(s.Doel, oud));
        }
    } else if (gewisseld && !s.Bestond && Bestaat(s.Doel)) {
        VerwijderOfLater(s.Doel, journaal);
        naStap();
        log(QStringLiteral("Rollback: removed %1").arg(s.Doel));
    }
    for (auto m = s.NieuweMappen.crbegin(); m != s.NieuweMappen.crend(); ++m) {
        if (QDir().rmdir(*m)) {
            naStap();
        }
    }
}

} // namespace

TInstallatie::TInstallatie(std::function<void(const QString&)> log, QString journaal)
    : log_(std::move(log)), journaal_(std::move(journaal)) {
    if (!log_) {
        log_ = [](const QString&) {};
    }
}

TInstallatie::~TInstallatie() {
    if (!klaar_) {
        Herstel();
    }
}

bool TInstallatie::Journaal(const QByteArray& regel, bool veilig) {
    if (journaal_.isEmpty()) {
        return true;
    }
    const int fd = OpenGewoonBestand(journaal_, O_WRONLY | O_APPEND | O_CREAT, 0600);
    if (fd < 0) {
        return false;
    }
    const QByteArray tekst = regel + '\n';
    bool gelukt =
        ::write(fd, tekst.constData(), static_cast<unsigned>(tekst.size())) == tekst.size();
    gelukt = (!veilig || SpoelNaarSchijf(fd)) && gelukt;
    return ::close(fd) == 0 && gelukt;
}

bool TInstallatie::Plaats(const QString& bron, const QString& doel, QString* fout) {
    for (const TStap& eerder : stappen_) {
        // A second copy would set aside the first and lose the original.
        if (eerder.Doel == doel) {
            *fout = QStringLiteral("%1 is in the update twice").arg(doel);
            return false;
        }
    }
    const QFileInfo bronInfo(bron);
    if (!bronInfo.isSymbolicLink() && !bronInfo.isFile()) {
        *fout = QStringLiteral("%1 is neither a file nor a link").arg(bron);
        return false;
    }
    TStap stap{doel, Bestaat(doel), {}};
    // The folders that do not exist yet, outermost first.
    for (QString map = QFileInfo(doel).absolutePath(); !Bestaat(map);
         map = QFileInfo(map).absolutePath()) {
        stap.NieuweMappen.prepend(map);
    }
    // One installation at a time: a journal left is handled at start-up.
    if (stappen_.empty() && !journaal_.isEmpty() && Bestaat(journaal_)) {
        *fout = QStringLiteral("an earlier installation is not finished: %1").arg(journaal_);
        return false;
    }
    // Recorded before anything is made, so that a kill leaves nothing unknown.
    QByteArray regel =
        kStap.toByteArray() + '\t' + doel.toUtf8() + '\t' + (stap.Bestond ? '1' : '0');
    for (const QString& map : std::as_const(stap.NieuweMappen)) {
        regel += '\t' + map.toUtf8();
    }
    if (doel.contains(QLatin1Char('\t')) || doel.contains(QLatin1Char('\n')) ||
        !Journaal(regel, false)) {
        *fout = QStringLiteral("cannot write the journal %1").arg(journaal_);
        return false;
    }
    stappen_.push_back(stap);
    for (const QString& map : std::as_const(stap.NieuweMappen)) {
        if (!QDir().mkdir(map)) {
            *fout = QStringLiteral("cannot create folder %1").arg(map);
            return false;
        }
    }
    const QString nieuw = doel + kNieuwAchtervoegsel;
    // Left by an update that did not finish: stale by now.
    Verwijder(nieuw);
    Verwijder(doel + kOudAchtervoegsel);
    if (bronInfo.isSymbolicLink()) {
        std::error_code f;
        std::filesystem::create_symlink(std::filesystem::read_symlink(Pad(bron), f), Pad(nieuw), f);
        if (f) {
            *fout = QStringLiteral("cannot create link %1").arg(nieuw);
            return false;
        }
        return true;
    }
    return KopieerVeilig(bron, nieuw, fout);
}

bool TInstallatie::Bevestig(QString* fout, bool proef) {
    QString reden;
    int stappen = 0;
    const auto gedaan = [this, &stappen](bool gelukt) {
        if (gelukt && NaStap) {
            NaStap(++stappen);
        }
        return gelukt;
    };
    if (!Journaal(kWissel.toByteArray(), true)) {
        reden = QStringLiteral("cannot write the journal %1").arg(journaal_);
    }
    wisselen_ = true;
    for (const TStap& s : stappen_) {
        if (!reden.isEmpty()) {
            break;
        }
        // The old file gets its second name first, then the new one is renamed
        // over it: the name always holds a complete file (on Windows, where
        // the old one is renamed aside, all but for the instant between).
        if (s.Bestond && !gedaan(ZetOpzij(Pad(s.Doel), Pad(s.Doel + kOudAchtervoegsel)))) {
            reden = QStringLiteral("cannot set aside %1").arg(s.Doel);
        } else if (!gedaan(VervangDoor(Pad(s.Doel + kNieuwAchtervoegsel), Pad(s.Doel)))) {
            reden = QStringLiteral("cannot put %1 in place").arg(s.Doel);
        } else {
            log_(QStringLiteral("Installed %1").arg(s.Doel));
        }
    }
    if (reden.isEmpty() && proef && !Journaal(kProef.toByteArray(), false)) {
        reden = QStringLiteral("cannot write the journal %1").arg(journaal_);
    }
    if (reden.isEmpty() && !Journaal(kKlaar.toByteArray(), true)) {
        reden = QStringLiteral("cannot write the journal %1").arg(journaal_);
    }
    if (!reden.isEmpty()) {
        log_(reden);
        if (fout != nullptr) {
            *fout = reden;
        }
        Herstel();
        return false;
    }
    if (!proef) {
        for (const TStap& s : stappen_) {
            VerwijderOfLater(s.Doel + kOudAchtervoegsel, journaal_);
        }
        if (!journaal_.isEmpty()) {
            QFile::remove(journaal_);
        }
    }
    stappen_.clear();
    klaar_ = true;
    return true;
}

void TInstallatie::Herstel() {
    if (wisselen_ && !stappen_.empty()) {
        Journaal(kTerug.toByteArray(), true);
    }
    int stappen = 0;
    const auto naStap = [this, &stappen] {
        if (NaStap) {
            NaStap(++stappen);
        }
    };
    for (auto s = stappen_.rbegin(); s != stappen_.rend(); ++s) {
        RolTerug({s->Doel, s->Bestond, s->NieuweMappen}, wisselen_, journaal_, log_, naStap);
    }
    if (!journaal_.isEmpty()) {
        QFile::remove(journaal_);
    }
    stappen_.clear();
    klaar_ = true;
}

namespace {

struct TJournaal {
    std::vector<TJournaalStap> Stappen;
    bool Gewisseld = false;
    bool Proef = false;
    bool Klaar = false;
    bool Terug = false;
    bool Bevestigd = false;
    std::optional<qint64> Gestart; // seconds since 1970
};

std::optional<TJournaal> LeesJournaal(const QString& pad) {
    const int fd = OpenGewoonBestand(pad, O_RDONLY);
    if (fd < 0) {
        return std::nullopt;
    }
    QFile bestand;
    bestand.open(fd, QIODevice::ReadOnly, QFile::AutoCloseHandle);
    const QByteArray inhoud = bestand.readAll();
    bestand.close();
    TJournaal j;
    for (const QByteArray& regel : inhoud.left(inhoud.lastIndexOf('\n') + 1).split('\n')) {
        const QList<QByteArray> delen = regel.split('\t');
        if (delen.size() >= 3 && delen.at(0) == kStap) {
            TJournaalStap s{QString::fromUtf8(delen.at(1)), delen.at(2) == "1", {}};
            for (qsizetype i = 3; i < delen.size(); ++i) {
                s.NieuweMappen.append(QString::fromUtf8(delen.at(i)));
            }
            j.Stappen.push_back(s);
        } else if (regel == kWissel) {
            j.Gewisseld = true;
        } else if (regel == kProef) {
            j.Proef = true;
        } else if (regel == kKlaar) {
            j.Klaar = true;
        } else if (regel == kTerug) {
            j.Terug = true;
        } else if (regel == kBevestigd) {
            j.Bevestigd = true;
        } else if (delen.size() == 2 && delen.at(0) == kGestart) {
            j.Gestart = delen.at(1).toLongLong();
        }
    }
    return j;
}

void Voltooi(const TJournaal& j, const QString& pad) {
    for (const TJournaalStap& s : j.Stappen) {
        VerwijderOfLater(s.Doel + TInstallatie::kOudAchtervoegsel, pad);
        Verwijder(s.Doel + TInstallatie::kNieuwAchtervoegsel);
    }
    QFile::remove(pad);
}

// Appends a line to an existing journal, on the disk before it returns.
bool VoegRegelToe(const QString& pad, const QByteArray& regel) {
    const int fd = OpenGewoonBestand(pad, O_WRONLY | O_APPEND, 0600);
    if (fd < 0) {
        return false;
    }
    const QByteArray tekst = regel + '\n';
    bool gelukt =
        ::write(fd, tekst.constData(), static_cast<unsigned>(tekst.size())) == tekst.size();
    gelukt = SpoelNaarSchijf(fd) && gelukt;
    return ::close(fd) == 0 && gelukt;
}

// "terug" goes in first: a rollback cut off by a kill is finished at the
// next start, never taken for a new program's first one.
void RolAllesTerug(const TJournaal& j, const QString& pad,
                   const std::function<void(const QString&)>& log,
                   const std::function<void(int)>& naStap) {
    if (j.Gewisseld && !j.Terug) {
        VoegRegelToe(pad, kTerug.toByteArray());
    }
    int stappen = 0;
    const auto stap = [&naStap, &stappen] {
        if (naStap) {
            naStap(++stappen);
        }
    };
    for (auto s = j.Stappen.crbegin(); s != j.Stappen.crend(); ++s) {
        RolTerug(*s, j.Gewisseld, pad, log, stap);
    }
    QFile::remove(pad);
}

} // namespace

TInstallatie::THerstel
TInstallatie::HerstelOnderbroken(const QString& journaal,
                                 const std::function<void(const QString&)>& log, int limietSeconden,
                                 const std::function<void(int)>& naStap) {
    const auto schrijf = log ? log : [](const QString&) {};
    RuimOp(journaal);
    const auto j = LeesJournaal(journaal);
    if (!j) {
        return THerstel::Niets;
    }
    if (j->Klaar && !j->Terug && (!j->Proef || j->Bevestigd)) {
        // Every file was swapped: only the old ones are left to go.
        schrijf(QStringLiteral("Completing an installation that was interrupted"));
        Voltooi(*j, journaal);
        return THerstel::Voltooid;
    }
    if (!j->Klaar || j->Terug) {
        schrijf(QStringLiteral("Rolling back an installation that was interrupted"));
        RolAllesTerug(*j, journaal, schrijf, naStap);
        return THerstel::Teruggezet;
    }
    const qint64 nu = QDateTime::currentSecsSinceEpoch();
    if (!j->Gestart) {
        const int fd = OpenGewoonBestand(journaal, O_WRONLY | O_APPEND, 0600);
        const QByteArray regel = kGestart.toByteArray() + '\t' + QByteArray::number(nu) + '\n';
        if (fd >= 0) {
            const bool geschreven =
                ::write(fd, regel.constData(), static_cast<unsigned>(regel.size())) == regel.size();
            SpoelNaarSchijf(fd);
            ::close(fd);
            if (geschreven) {
                schrijf(QStringLiteral("The new version starts; it has %1 s to confirm")
                            .arg(limietSeconden));
                return THerstel::Proef;
            }
        }
    } else if (nu - *j->Gestart < limietSeconden) {
        // Its first start may still be on its way.
        return THerstel::Proef;
    }
    schrijf(QStringLiteral("The new version did not confirm that it started: rolling back"));
    RolAllesTerug(*j, journaal, schrijf, naStap);
    return THerstel::StarttNiet;
}

bool TInstallatie::BevestigStart(const QString& journaal) {
    const auto j = LeesJournaal(journaal);
    if (!j || !j->Proef || !j->Klaar || j->Terug) {
        return false;
    }
    const int fd = OpenGewoonBestand(journaal, O_WRONLY | O_APPEND, 0600);
    if (fd < 0) {
        return false;
    }
    const QByteArray regel = kBevestigd.toByteArray() + '\n';
    const bool geschreven =
        ::write(fd, regel.constData(), static_cast<unsigned>(regel.size())) == regel.size() &&
        SpoelNaarSchijf(fd);
    ::close(fd);
    if (geschreven) {
        Voltooi(*j, journaal);
    }
    return geschreven;
}

bool TInstallatie::ZetTerug(const QString& journaal, const std::function<void(const QString&)>& log,
                            const std::function<void(int)>& naStap) {
    const auto j = LeesJournaal(journaal);
    if (!j || !j->Proef || j->Bevestigd) {
        return false;
    }
    RolAllesTerug(
        *j, journaal, log ? log : [](const QString&) {}, naStap);
    return true;
}

} // namespace rcveltor::update
