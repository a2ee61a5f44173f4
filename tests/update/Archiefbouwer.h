#pragma once

// Writes test archives with libarchive: tar.gz or zip, with files, folders
// and links under any name, including the unsafe ones an attacker would use.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <archive.h>
#include <archive_entry.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace rcveltor::test {

struct TArchiefItem {
    enum TSoort { Bestand, Map, Link, HardeLink };
    TArchiefItem(std::string naam, QByteArray inhoud = {}, TSoort soort = Bestand,
                 std::string doel = {}, int rechten = 0644)
        : Naam(std::move(naam)), Inhoud(std::move(inhoud)), Soort(soort), Doel(std::move(doel)),
          Rechten(rechten) {}
    std::string Naam;
    QByteArray Inhoud;
    TSoort Soort;
    std::string Doel; // links
    int Rechten;
};

enum class TArchiefFormaat { TarGz, Zip };

inline void MaakArchief(const QString& pad, const std::vector<TArchiefItem>& items,
                        TArchiefFormaat formaat = TArchiefFormaat::TarGz) {
    archive* a = archive_write_new();
    if (formaat == TArchiefFormaat::TarGz) {
        archive_write_set_format_pax_restricted(a);
        archive_write_add_filter_gzip(a);
    } else {
        archive_write_set_format_zip(a);
    }
    if (archive_write_open_filename(a, QFile::encodeName(pad).constData()) != ARCHIVE_OK) {
        archive_write_free(a);
        throw std::runtime_error("cannot write test archive");
    }
    for (const TArchiefItem& item : items) {
        archive_entry* e = archive_entry_new();
        archive_entry_set_pathname(e, item.Naam.c_str());
        archive_entry_set_perm(e, static_cast<mode_t>(item.Rechten));
        switch (item.Soort) {
        case TArchiefItem::Bestand:
            archive_entry_set_filetype(e, AE_IFREG);
            archive_entry_set_size(e, item.Inhoud.size());
            break;
        case TArchiefItem::Map:
            archive_entry_set_filetype(e, AE_IFDIR);
            break;
        case TArchiefItem::Link:
            archive_entry_set_filetype(e, AE_IFLNK);
            archive_entry_set_symlink(e, item.Doel.c_str());
            break;
        case TArchiefItem::HardeLink:
            archive_entry_set_filetype(e, AE_IFREG);
            archive_entry_set_hardlink(e, item.Doel.c_str());
            archive_entry_set_size(e, 0);
            break;
        }
        archive_write_header(a, e);
        if (item.Soort == TArchiefItem::Bestand && !item.Inhoud.isEmpty()) {
            archive_write_data(a, item.Inhoud.constData(), static_cast<size_t>(item.Inhoud.size()));
        }
        archive_entry_free(e);
    }
    archive_write_close(a);
    archive_write_free(a);
}

} // namespace rcveltor::test
