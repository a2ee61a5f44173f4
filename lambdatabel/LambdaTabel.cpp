#include "lambdatabel/LambdaTabel.h"

#include "basis/RcFout.h"
#include "lambdatabel/Extended80.h"
#include "lambdatabel/Tekstcodering.h"
#include "platform/Bestand.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>
#include <string_view>

namespace rcveltor {

namespace {

enum Tag : unsigned char {
    TagEindeLijst = 0,
    TagBeginLijst = 1,
    TagInt8 = 2,
    TagInt16 = 3,
    TagInt32 = 4,
    TagExtended = 5,
    TagTekst = 6,
    TagOnwaar = 8,
    TagWaar = 9,
    TagLangeTekst = 12,
    TagWideTekst = 18,
    TagInt64 = 19,
    TagUtf8Tekst = 20,
};

[[noreturn]] void LeesFout() {
    throw RcFout("Stream read error");
}
[[noreturn]] void OngeldigeWaarde() {
    throw RcFout("Invalid property value");
}

// Reads tagged items from a buffer. Every length and count is checked against
// the bytes that remain before anything is allocated or read.
class TLezer {
public:
    explicit TLezer(std::span<const unsigned char> data) : data_(data) {}

    std::size_t Rest() const { return data_.size() - pos_; }

    unsigned char Byte() {
        if (pos_ >= data_.size()) {
            LeesFout();
        }
        return data_[pos_++];
    }

    unsigned char KijkByte() const {
        if (pos_ >= data_.size()) {
            LeesFout();
        }
        return data_[pos_];
    }

    std::span<const unsigned char> Bytes(std::size_t n) {
        if (n > Rest()) {
            LeesFout();
        }
        const auto deel = data_.subspan(pos_, n);
        pos_ += n;
        return deel;
    }

    std::uint64_t Onbepaald(std::size_t n) {
        const auto deel = Bytes(n);
        std::uint64_t w = 0;
        for (std::size_t i = n; i-- > 0;) {
            w = (w << 8) | deel[i];
        }
        return w;
    }

    std::int64_t Getekend(std::size_t n) {
        const std::uint64_t w = Onbepaald(n);
        const unsigned bits = static_cast<unsigned>(8 * n);
        if (bits < 64 && (w >> (bits - 1)) != 0) {
            return static_cast<std::int64_t>(w) - (std::int64_t{1} << bits);
        }
        return static_cast<std::int64_t>(w);
    }

    // Bytes 0 to 3 before anything else; not a tagged item.
    void Signatuur() {
        const auto s = Bytes(4);
        if (std::memcmp(s.data(), "TPF0", 4) != 0) {
            throw RcFout("Invalid stream format");
        }
    }

    std::int32_t Integer() {
        switch (Byte()) {
        case TagInt8:
            return static_cast<std::int32_t>(Getekend(1));
        case TagInt16:
            return static_cast<std::int32_t>(Getekend(2));
        case TagInt32:
            return static_cast<std::int32_t>(Getekend(4));
        default:
            OngeldigeWaarde();
        }
    }

    long double Drijvend() {
        switch (Byte()) {
        case TagExtended:
            return DecodeerExtended(Bytes(10).first<10>());
        case TagInt64:
            return static_cast<long double>(Getekend(8));
        case TagInt8:
            return static_cast<long double>(Getekend(1));
        case TagInt16:
            return static_cast<long double>(Getekend(2));
        case TagInt32:
            return static_cast<long double>(Getekend(4));
        default:
            OngeldigeWaarde();
        }
    }

    bool Boolean() { return Byte() == TagWaar; }

    std::string Tekst() {
        switch (Byte()) {
        case TagTekst:
            return Ruw(Byte());
        case TagLangeTekst:
            return Ruw(Onbepaald(4));
        case TagUtf8Tekst:
            return Utf8NaarAnsi(Ruw(Onbepaald(4)));
        case TagWideTekst: {
            const std::uint64_t eenheden = Onbepaald(4);
            if (eenheden > Rest() / 2) {
                LeesFout();
            }
            const auto ruw = Bytes(static_cast<std::size_t>(eenheden) * 2);
            std::vector<std::uint16_t> utf16(static_cast<std::size_t>(eenheden));
            for (std::size_t i = 0; i < utf16.size(); ++i) {
                utf16[i] = static_cast<std::uint16_t>(ruw[2 * i] | (ruw[2 * i + 1] << 8));
            }
            return Utf16NaarAnsi(utf16);
        }
        default:
            OngeldigeWaarde();
        }
    }

    void BeginLijst() {
        if (Byte() != TagBeginLijst) {
            OngeldigeWaarde();
        }
    }

    void EindeLijst() {
        if (Byte() != TagEindeLijst) {
            OngeldigeWaarde();
        }
    }

    // Looks without consuming: a list has ended when its next byte is 0.
    bool AanEindeLijst() const { return KijkByte() == TagEindeLijst; }

private:
    std::string Ruw(std::uint64_t lengte) {
        if (lengte > Rest()) {
            LeesFout();
        }
        const auto deel = Bytes(static_cast<std::size_t>(lengte));
        return std::string(reinterpret_cast<const char*>(deel.data()), deel.size());
    }

    std::span<const unsigned char> data_;
    std::size_t pos_ = 0;
};

TVeldSoort SoortUitNaam(std::string_view naam) {
    if (naam == "Calculated") {
        return TVeldSoort::Calculated;
    }
    if (naam == "Lookup") {
        return TVeldSoort::Lookup;
    }
    if (naam == "InternalCalc") {
        return TVeldSoort::InternalCalc;
    }
    if (naam == "Aggregate") {
        return TVeldSoort::Aggregate;
    }
    return TVeldSoort::Data;
}

std::vector<TVeldDefinitie> StandaardVelden() {
    TVeldDefinitie code;
    code.Naam = "Code";
    TVeldDefinitie lambda;
    lambda.Naam = "Lambda";
    return {code, lambda};
}

std::vector<TIndexDefinitie> StandaardIndexen() {
    TIndexDefinitie inx;
    inx.Naam = "InxCode";
    inx.Velden = "Code";
    return {inx};
}

// Reads one file into the table's parts. Records go to the table as soon as
// they are complete, so that a failure later on keeps them.
class TInlezer {
public:
    TInlezer(std::span<const unsigned char> inhoud, std::vector<TVeldDefinitie>& velden,
             std::vector<TIndexDefinitie>& indexen, std::deque<TRij>& rijen,
             std::deque<TRij>& verwijderd, int& versie)
        : lezer_(inhoud), velden_(velden), indexen_(indexen), rijen_(rijen),
          verwijderd_(verwijderd), versie_(versie) {}

    void Lees() {
        lezer_.Signatuur();
        versie_ = lezer_.KijkByte() == TagBeginLijst ? 100 : lezer_.Integer();
        LeesVeldDefinities();
        if (versie_ >= 200) {
            LeesIndexDefinities();
        }
        LeesRecords();
    }

private:
    void LeesVeldDefinities() {
        lezer_.BeginLijst();
        bool eerste = true;
        while (!lezer_.AanEindeLijst()) {
            if (eerste) {
                velden_.clear();
                eerste = false;
            }
            TVeldDefinitie veld;
            veld.Naam = lezer_.Tekst();
            veld.Type = lezer_.Tekst();
            veld.Grootte = lezer_.Integer();
            veld.Label = lezer_.Tekst();
            veld.Editmasker = lezer_.Tekst();
            veld.Breedte = lezer_.Integer();
            veld.Verplicht = lezer_.Boolean();
            veld.AlleenLezen = lezer_.Boolean();
            if (versie_ >= 250) {
                veld.Soort = SoortUitNaam(lezer_.Tekst());
            }
            if (versie_ >= 251) {
                veld.Standaardexpressie = lezer_.Tekst();
            }
            // The entry is checked as a whole when it is added.
            if (veld.Type != "Float") {
                throw RcFout("Unknown field type (" + veld.Type + ")");
            }
            if (veld.Grootte != 0) {
                throw RcFout("Invalid field size");
            }
            velden_.push_back(std::move(veld));
        }
        lezer_.EindeLijst();
    }

    void LeesIndexDefinities() {
        lezer_.BeginLijst();
        bool eerste = true;
        while (!lezer_.AanEindeLijst()) {
            if (eerste) {
                indexen_.clear();
                eerste = false;
            }
            TIndexDefinitie index;
            lezer_.Tekst(); // the stored name gives way to the display name
            index.Velden = lezer_.Tekst();
            index.Naam = lezer_.Tekst();
            index.Aflopend = lezer_.Boolean();
            index.Hoofdletterongevoelig = lezer_.Boolean();
            index.NietBijgehouden = lezer_.Boolean();
            index.Uniek = lezer_.Boolean();
            indexen_.push_back(std::move(index));
        }
        lezer_.EindeLijst();
    }

    TRecordVersie LeesVersie(bool metStatus) {
        TRecordVersie versie;
        if (metStatus) {
            // Held in 8 bits, as the status is.
            versie.Status = static_cast<std::uint8_t>(lezer_.Integer() & 0xFF);
        }
        const bool metNullvlaggen = versie_ >= 249;
        versie.Waarden.reserve(velden_.size());
        for (std::size_t i = 0; i < velden_.size(); ++i) {
            if (metNullvlaggen && lezer_.Boolean()) {
                versie.Waarden.emplace_back(std::nullopt);
            } else {
                versie.Waarden.emplace_back(static_cast<double>(lezer_.Drijvend()));
            }
        }
        return versie;
    }

    void Toevoegen(TRij rij) {
        if (rij.Actueel.Status == TLambdaTabel::StatusVerwijderd) {
            verwijderd_.push_back(std::move(rij));
        } else {
            rijen_.push_back(std::move(rij));
        }
    }

    void LeesRecords() {
        lezer_.BeginLijst();
        if (versie_ >= 230) {
            while (!lezer_.AanEindeLijst()) {
                lezer_.BeginLijst();
                TRij rij;
                rij.Actueel = LeesVersie(true);
                while (!lezer_.AanEindeLijst()) {
                    rij.OudereVersies.push_back(LeesVersie(true));
                }
                lezer_.EindeLijst();
                Toevoegen(std::move(rij));
            }
        } else {
            // Without fields an old-layout record would take no bytes at all;
            // the definitions list never leaves the table without fields, but
            // a loop that cannot advance must not exist.
            if (velden_.empty()) {
                throw RcFout("Invalid stream format");
            }
            while (!lezer_.AanEindeLijst()) {
                TRij rij;
                rij.Actueel = LeesVersie(false);
                Toevoegen(std::move(rij));
            }
        }
        lezer_.EindeLijst();
    }

    TLezer lezer_;
    std::vector<TVeldDefinitie>& velden_;
    std::vector<TIndexDefinitie>& indexen_;
    std::deque<TRij>& rijen_;
    std::deque<TRij>& verwijderd_;
    int& versie_;
};

[[noreturn]] void ConversieFout() {
    throw RcFout("Could not convert variant of type (Null) into type (Double)");
}

} // namespace

TLambdaTabel::TLambdaTabel() {
    Leegmaken();
}

void TLambdaTabel::Leegmaken() {
    velden_ = StandaardVelden();
    indexen_ = StandaardIndexen();
    rijen_.clear();
    verwijderd_.clear();
    versie_ = 0;
    Ordenen();
}

void TLambdaTabel::Laden(const std::string& bestandsnaam) {
    namespace fs = std::filesystem;
    Leegmaken();

    std::error_code fout;
    fs::path pad = fs::absolute(platform::PadUitUtf8(bestandsnaam), fout);
    if (fout) {
        pad = platform::PadUitUtf8(bestandsnaam);
    }
    pad = pad.lexically_normal();
    // A file over the limit is refused before it is read whole.
    const auto grootte = fs::file_size(pad, fout);
    if (!fout && grootte > MaxBestandsgrootte) {
        LeesFout();
    }
    std::vector<unsigned char> inhoud;
    try {
        inhoud = platform::LeesBestand(pad, MaxBestandsgrootte);
    } catch (const platform::TBestandsfout& reden) {
        throw RcFout("Cannot open file \"" + platform::Utf8(pad) + "\". " + reden.what());
    }
    if (inhoud.size() > MaxBestandsgrootte) {
        LeesFout(); // it grew, or has no size (a pipe)
    }
    // The file's bytes go before the index is built, to keep the peak down.
    Inlezen(inhoud);
    std::vector<unsigned char>().swap(inhoud);
    Ordenen();
}

void TLambdaTabel::LadenUitBuffer(std::span<const unsigned char> inhoud) {
    Inlezen(inhoud);
    Ordenen();
}

void TLambdaTabel::Inlezen(std::span<const unsigned char> inhoud) {
    Leegmaken();
    if (inhoud.size() > MaxBestandsgrootte) {
        LeesFout();
    }
    TInlezer inlezer(inhoud, velden_, indexen_, rijen_, verwijderd_, versie_);
    try {
        inlezer.Lees();
    } catch (...) {
        Ordenen();
        throw;
    }
}

std::optional<std::size_t> TLambdaTabel::VeldNummer(const char* naam) const {
    for (std::size_t i = 0; i < velden_.size(); ++i) {
        if (GelijkZonderHoofdletters(velden_[i].Naam, naam)) {
            return i;
        }
    }
    return std::nullopt;
}

void TLambdaTabel::Ordenen() {
    codeVeld_ = VeldNummer("Code");
    lambdaVeld_ = VeldNummer("Lambda");

    // Null codes first, then NaN codes (which equal nothing, themselves
    // included), then the numbers ascending; each group in file order.
    std::vector<std::size_t> nullen;
    std::vector<std::size_t> nans;
    std::vector<std::pair<double, std::size_t>> getallen;
    getallen.reserve(rijen_.size());
    for (std::size_t r = 0; r < rijen_.size(); ++r) {
        const auto& waarden = rijen_[r].Actueel.Waarden;
        const TWaarde code =
            codeVeld_ && *codeVeld_ < waarden.size() ? waarden[*codeVeld_] : std::nullopt;
        if (!code) {
            nullen.push_back(r);
        } else if (std::isnan(*code)) {
            nans.push_back(r);
        } else {
            getallen.emplace_back(*code, r);
        }
    }
    std::stable_sort(getallen.begin(), getallen.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });

    inxCode_.clear();
    inxCode_.reserve(rijen_.size());
    inxCode_.insert(inxCode_.end(), nullen.begin(), nullen.end());
    inxCode_.insert(inxCode_.end(), nans.begin(), nans.end());
    eersteGetal_ = inxCode_.size();
    gesorteerdeCodes_.clear();
    gesorteerdeCodes_.reserve(getallen.size());
    for (const auto& [code, rij] : getallen) {
        inxCode_.push_back(rij);
        gesorteerdeCodes_.push_back(code);
    }

    NaarEersteRij();
}

void TLambdaTabel::NaarEersteRij() {
    huidig_ = rijen_.empty() ? std::nullopt : std::optional<std::size_t>(0);
}

std::optional<std::size_t> TLambdaTabel::ZoekRij(double code) const {
    if (std::isnan(code)) {
        return std::nullopt;
    }
    const auto plek = std::lower_bound(gesorteerdeCodes_.begin(), gesorteerdeCodes_.end(), code);
    if (plek == gesorteerdeCodes_.end() || *plek != code) {
        return std::nullopt;
    }
    return inxCode_[eersteGetal_ + static_cast<std::size_t>(plek - gesorteerdeCodes_.begin())];
}

double TLambdaTabel::ZoekLambda(double code) {
    if (!codeVeld_) {
        throw RcFout("LambdaTabel: Field 'Code' not found");
    }
    if (!lambdaVeld_) {
        throw RcFout("LambdaTabel: Field 'Lambda' not found");
    }
    if (const auto gevonden = ZoekRij(code)) {
        huidig_ = gevonden;
    }
    if (!huidig_) {
        ConversieFout();
    }
    const auto& waarden = rijen_[*huidig_].Actueel.Waarden;
    if (*lambdaVeld_ >= waarden.size() || !waarden[*lambdaVeld_]) {
        ConversieFout();
    }
    return *waarden[*lambdaVeld_];
}

} // namespace rcveltor
