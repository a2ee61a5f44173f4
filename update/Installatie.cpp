#include "Installatie.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <system_error>

namespace rcveltor::update {

namespace {

std::filesystem::path Pad(const QString& pad) {
    return std::filesystem::path(QFile::encodeName(pad).toStdString());
}

// lstat: a dangling link counts as present.
bool Bestaat(const QString& pad) {
    std::error_code fout;
    return std::filesystem::symlink_status(Pad(pad), fout).type() !=
           std::filesystem::file_type::not_found;
}

bool Hernoem(const QString& van, const QString& naar) {
    std::error_code fout;
    std::filesystem::rename(Pad(van), Pad(naar), fout);
    return !fout;
}

void Verwijder(const QString& pad) {
    std::error_code fout;
    std::filesystem::remove_all(Pad(pad), fout);
}

} // namespace

TInstallatie::TInstallatie(std::function<void(const QString&)> log) : log_(std::move(log)) {
    if (!log_) {
        log_ = [](const QString&) {};
    }
}

TInstallatie::~TInstallatie() {
    if (!klaar_) {
        Herstel();
    }
}

bool TInstallatie::Plaats(const QString& bron, const QString& doel, QString* fout) {
    for (const TStap& eerder : stappen_) {
        // A second copy would set aside the first and lose the original.
        if (eerder.Doel == doel) {
            *fout = QStringLiteral("%1 is in the update twice").arg(doel);
            return false;
        }
    }
    TStap stap{doel, Bestaat(doel), false, {}};
    // The folders that do not exist yet, outermost first.
    QStringList ontbrekend;
    for (QString map = QFileInfo(doel).absolutePath(); !Bestaat(map);
         map = QFileInfo(map).absolutePath()) {
        ontbrekend.prepend(map);
    }
    for (const QString& map : ontbrekend) {
        if (!QDir().mkdir(map)) {
            *fout = QStringLiteral("cannot create folder %1").arg(map);
            for (const QString& gemaakt : std::as_const(stap.NieuweMappen)) {
                QDir().rmdir(gemaakt);
            }
            return false;
        }
        stap.NieuweMappen.append(map);
    }
    // Every step is recorded before it happens, so a rollback undoes it too.
    stappen_.push_back(stap);
    TStap& s = stappen_.back();

    const QString nieuw = doel + kNieuwAchtervoegsel;
    const QString oud = doel + kOudAchtervoegsel;
    Verwijder(nieuw);
    const QFileInfo bronInfo(bron);
    if (!bronInfo.isSymLink() && !bronInfo.isFile()) {
        Verwijder(nieuw);
        *fout = QStringLiteral("%1 is neither a file nor a link").arg(bron);
        return false;
    }
    bool gekopieerd = false;
    if (bronInfo.isSymLink()) {
        std::error_code f;
        std::filesystem::create_symlink(std::filesystem::read_symlink(Pad(bron), f), Pad(nieuw), f);
        gekopieerd = !f;
    } else {
        gekopieerd =
            QFile::copy(bron, nieuw) && QFile::setPermissions(nieuw, bronInfo.permissions());
    }
    if (!gekopieerd) {
        Verwijder(nieuw);
        *fout = QStringLiteral("cannot copy %1 to %2").arg(bron, nieuw);
        return false;
    }
    if (s.Bestond) {
        // A kept file of an update that did not finish is stale by now.
        Verwijder(oud);
        if (!Hernoem(doel, oud)) {
            Verwijder(nieuw);
            *fout = QStringLiteral("cannot set aside %1").arg(doel);
            return false;
        }
        s.Opzij = true;
    }
    if (!Hernoem(nieuw, doel)) {
        Verwijder(nieuw);
        *fout = QStringLiteral("cannot put %1 in place").arg(doel);
        return false;
    }
    log_(QStringLiteral("Installed %1").arg(doel));
    return true;
}

void TInstallatie::Bevestig() {
    for (const TStap& s : stappen_) {
        if (s.Opzij) {
            Verwijder(s.Doel + kOudAchtervoegsel);
        }
    }
    stappen_.clear();
    klaar_ = true;
}

void TInstallatie::Herstel() {
    for (auto s = stappen_.rbegin(); s != stappen_.rend(); ++s) {
        const QString oud = s->Doel + kOudAchtervoegsel;
        if (s->Opzij) {
            Verwijder(s->Doel);
            if (!Hernoem(oud, s->Doel)) {
                log_(QStringLiteral("Rollback: cannot restore %1 from %2").arg(s->Doel, oud));
                continue;
            }
            log_(QStringLiteral("Rollback: restored %1").arg(s->Doel));
        } else if (!s->Bestond) {
            Verwijder(s->Doel);
            log_(QStringLiteral("Rollback: removed %1").arg(s->Doel));
        }
        for (auto m = s->NieuweMappen.crbegin(); m != s->NieuweMappen.crend(); ++m) {
            QDir().rmdir(*m);
        }
    }
    stappen_.clear();
    klaar_ = true;
}

} // namespace rcveltor::update
