#pragma once

// Extracts a downloaded archive (tar in any common compression, zip, cab or
// 7z) into an empty folder, refusing anything that could land outside it.

#include <QString>
#include <QStringList>
#include <optional>

namespace rcveltor::update {

struct TUitpakResultaat {
    bool Gelukt = false;
    QString Fout;      // English, for the log
    QStringList Paden; // the files and links written, relative to the folder
};

// Refused: absolute paths, "..", links that point outside or through which
// an entry would be written, device files, an entry with more data than its
// header announces, names Windows cannot hold, and more than maxTotaal bytes
// in all (a hard link counts as the copy it becomes).
TUitpakResultaat PakUit(const QString& archief, const QString& doelmap, qint64 maxTotaal);
// The same from an open file, read from where it stands; the caller closes it.
TUitpakResultaat PakUit(int fd, const QString& doelmap, qint64 maxTotaal);

// The bytes that the archive's headers announce for its files, hard links
// counted as copies.
std::optional<qint64> InhoudGrootte(const QString& archief, QString* fout);

} // namespace rcveltor::update
