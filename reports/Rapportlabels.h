#pragma once

// Named labels of a report's body band.

#include "Bouwstenen.h"

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
    TLabels labels_;
};

} // namespace rcveltor::rapport
