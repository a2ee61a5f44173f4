#pragma once

// Named labels of a report's body band.

#include "reports/Bouwstenen.h"
#include "reports/Projectblok.h"
#include "reports/Vochtpagina.h"

#include <QDir>
#include <map>

namespace rcveltor::rapport {

class TLabels {
public:
    explicit TLabels(TBand& band) : band_(band) {}

    void Voeg(const char* naam, TTekstElement t) {
        index_[QString::fromLatin1(naam)] = rapport::Voeg(band_, std::move(t));
    }
    // Names a text the band already holds.
    void Noem(const char* naam, std::size_t index) { index_[QString::fromLatin1(naam)] = index; }
    TTekstElement& Tekst(const QString& naam) {
        return std::get<TTekstElement>(band_.Elementen.at(index_.at(naam)).Element);
    }
    const TTekstElement& Tekst(const QString& naam) const {
        return std::get<TTekstElement>(band_.Elementen.at(index_.at(naam)).Element);
    }
    bool& Aan(const QString& naam) { return band_.Elementen.at(index_.at(naam)).Aan; }
    bool Aan(const QString& naam) const { return band_.Elementen.at(index_.at(naam)).Aan; }

private:
    TBand& band_;
    std::map<QString, std::size_t> index_;
};

// A report whose body band has named labels.
class TLabelRapport : public TRapport {
public:
    // A label's text and switch of the last generation, by its name.
    QString Label(const QString& naam) const { return labels_.Tekst(naam).Tekst; }
    bool Aan(const QString& naam) const { return labels_.Aan(naam); }

protected:
    TLabelRapport() : labels_(romp_) {}

    // The project block from `boven` down, after every other element of the
    // body band. It is laid out anew at each generation, so the project data
    // as they are at printing show. project: none prints no block.
    void ZetProjectblok(const TProjectgegevens* project, double boven) {
        project_ = project;
        projectBoven_ = boven;
        zonderProject_ = romp_.Elementen.size();
        VernieuwProjectblok();
    }
    void VernieuwProjectblok() {
        romp_.Elementen.resize(zonderProject_);
        if (project_ != nullptr) {
            VoegProjectblok(romp_, projectBoven_, *project_);
        }
    }

    // The moisture page follows while the fields ask for it; `bereken` is
    // the check of the report's screen. velden: none prints no such page.
    void ZetVocht(const TVochtVelden* velden, TVochtRekenaar bereken) {
        vocht_ = velden;
        bereken_ = std::move(bereken);
    }
    // Its data files are found where the report finds its others.
    std::optional<TBand> Vervolgband() override {
        if (vocht_ == nullptr || !vocht_->OpRapport) {
            return std::nullopt;
        }
        return MaakVochtband(*vocht_, bereken_, QDir::currentPath().toStdString());
    }

    TLabels labels_;

private:
    const TVochtVelden* vocht_ = nullptr;
    TVochtRekenaar bereken_;
    const TProjectgegevens* project_ = nullptr;
    double projectBoven_ = 0;       // top of the project block [layout units]
    std::size_t zonderProject_ = 0; // the body band's elements before the block
};

} // namespace rcveltor::rapport
