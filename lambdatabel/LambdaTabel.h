#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace rcveltor {

enum class TVeldSoort { Data, Calculated, Lookup, InternalCalc, Aggregate };

// A field as the file defines it. Only the name, the type and the order take
// part in reading and lookup; the rest is kept as it was read.
struct TVeldDefinitie {
    std::string Naam;
    std::string Type = "Float";
    std::int32_t Grootte = 0;
    std::string Label;
    std::string Editmasker;
    std::int32_t Breedte = 0;
    bool Verplicht = false;
    bool AlleenLezen = false;
    TVeldSoort Soort = TVeldSoort::Data;
    std::string Standaardexpressie;
};

// Kept as read; lookups search by Code whatever these say.
struct TIndexDefinitie {
    std::string Naam; // an index is known by the display name of its entry
    std::string Velden;
    bool Aflopend = false;
    bool Hoofdletterongevoelig = false;
    bool NietBijgehouden = false;
    bool Uniek = false;
};

using TWaarde = std::optional<double>; // empty is null

struct TRecordVersie {
    std::uint8_t Status = 0;      // 0 unchanged, 1 changed, 2 inserted, 3 deleted
    std::vector<TWaarde> Waarden; // one per field, in field order
};

struct TRij {
    TRecordVersie Actueel;
    std::vector<TRecordVersie> OudereVersies; // newest first; never searched
};

// The replacement-lambda table: rows of Code and Lambda read once from the
// tagged "TPF0" file, searched by Code afterwards.
class TLambdaTabel {
public:
    static constexpr std::uint8_t StatusVerwijderd = 3;
    static constexpr int HuidigeVersie = 251;
    // Far beyond any real table (the program's own is some kilobytes); a
    // larger file is refused with the read error before it is read.
    static constexpr std::size_t MaxBestandsgrootte = std::size_t{64} << 20;

    TLambdaTabel();

    // Throws RcFout with the reader's message. A failed load keeps the records
    // read completely before the failure.
    void Laden(const std::string& bestandsnaam);
    void LadenUitBuffer(std::span<const unsigned char> inhoud);

    // Makes the first row (in InxCode order) whose Code equals `code` the
    // current row; a miss keeps the current row. Returns the current Lambda.
    double ZoekLambda(double code);
    // The current row as a load leaves it: the first row, if any.
    void NaarEersteRij();

    std::size_t AantalRijen() const { return rijen_.size(); }
    const TRij& Rij(std::size_t rijnummer) const { return rijen_.at(rijnummer); }
    // Row numbers (file order) in InxCode order.
    const std::vector<std::size_t>& InxCode() const { return inxCode_; }
    std::optional<std::size_t> HuidigeRij() const { return huidig_; }
    // Does not move the current row.
    bool BevatCode(double code) const { return ZoekRij(code).has_value(); }
    std::size_t AantalVerwijderd() const { return verwijderd_.size(); }
    const std::deque<TRij>& Verwijderd() const { return verwijderd_; }
    int Versie() const { return versie_; }
    const std::vector<TVeldDefinitie>& Velden() const { return velden_; }
    const std::vector<TIndexDefinitie>& Indexen() const { return indexen_; }

private:
    void Leegmaken();
    // Reads the records without ordering them; on failure orders what was read.
    void Inlezen(std::span<const unsigned char> inhoud);
    void Ordenen();
    std::optional<std::size_t> ZoekRij(double code) const;
    std::optional<std::size_t> VeldNummer(const char* naam) const;

    std::vector<TVeldDefinitie> velden_;
    std::vector<TIndexDefinitie> indexen_;
    // Deques: a growing vector would hold the old and the new copy at once,
    // several times the file's size for a table of short rows.
    std::deque<TRij> rijen_;
    std::deque<TRij> verwijderd_;
    int versie_ = 0;

    std::vector<std::size_t> inxCode_;
    // The non-null, non-NaN codes in InxCode order, the tail of inxCode_ from
    // eersteGetal_ on: binary search lands on the first of equal codes.
    std::vector<double> gesorteerdeCodes_;
    std::size_t eersteGetal_ = 0;
    std::optional<std::size_t> huidig_;
    std::optional<std::size_t> codeVeld_;
    std::optional<std::size_t> lambdaVeld_;
};

} // namespace rcveltor
