#include "cli/JsonRegel.h"

#include "cli/Opties.h"

#include <nlohmann/json.hpp>

#include <optional>

namespace rcveltor::cli {

namespace {

using nlohmann::json;

const char* const kGeenJson = "de batchregel is geen geldige JSON";
const char* const kGeenLijst = "de batchregel is geen JSON-lijst van teksten";
const char* const kNul = "de batchregel bevat een NUL-teken, dat geen argument kan bevatten";
const char* const kTeLang = "de batchregel is langer dan 1 MiB";
const char* const kTeDiep = "de batchregel is dieper genest dan een lijst van teksten";
const char* const kTeVeel = "de batchregel heeft meer dan 200 opties";

// Collects the strings of one flat array as the parser meets them. The first
// thing the line may not hold is noted and nothing is kept after it; the
// parse goes on only to tell a line that is not JSON at all.
class TRegelVerzamelaar : public json::json_sax_t {
public:
    std::vector<std::string> Argumenten;
    std::optional<const char*> Bezwaar;
    bool Ongeldig = false;

    bool null() override { return Waarde(); }
    bool boolean(bool) override { return Waarde(); }
    bool number_integer(json::number_integer_t) override { return Waarde(); }
    bool number_unsigned(json::number_unsigned_t) override { return Waarde(); }
    bool number_float(json::number_float_t, const json::string_t&) override { return Waarde(); }
    bool binary(json::binary_t&) override { return Waarde(); }

    bool string(json::string_t& tekst) override {
        if (diepte_ != 1) {
            return Waarde();
        }
        if (Argumenten.size() == kMaxOpties) {
            Noteer(kTeVeel);
        } else if (tekst.find('\0') != std::string::npos) {
            Noteer(kNul);
        } else if (!Bezwaar) {
            Argumenten.push_back(std::move(tekst));
        }
        return true;
    }

    bool start_object(std::size_t) override { return Open(kGeenLijst); }
    bool key(json::string_t&) override { return true; }
    bool end_object() override { return Sluit(); }
    bool start_array(std::size_t) override { return Open(nullptr); }
    bool end_array() override { return Sluit(); }

    bool parse_error(std::size_t, const std::string&, const json::exception&) override {
        Ongeldig = true;
        return false;
    }

private:
    int diepte_ = 0;

    void Noteer(const char* bezwaar) {
        if (!Bezwaar) {
            Bezwaar = bezwaar;
            Argumenten = {};
        }
    }

    // A value other than a string: wrong at any depth.
    bool Waarde() {
        Noteer(kGeenLijst);
        return true;
    }

    // Only the line itself may be an array; an object is never allowed.
    bool Open(const char* alsBuitenste) {
        if (diepte_ > 0) {
            Noteer(kTeDiep);
        } else if (alsBuitenste != nullptr) {
            Noteer(alsBuitenste);
        }
        ++diepte_;
        return true;
    }

    bool Sluit() {
        --diepte_;
        return true;
    }
};

} // namespace

std::vector<std::string> LeesJsonRegel(std::string_view regel) {
    if (regel.size() > kMaxRegel) {
        throw Gebruiksfout(kTeLang);
    }
    // Without a document: a line of a million "[" or strings costs no more
    // than the arguments kept.
    TRegelVerzamelaar verzamelaar;
    json::sax_parse(regel, &verzamelaar);
    if (verzamelaar.Ongeldig) {
        throw Gebruiksfout(kGeenJson);
    }
    if (verzamelaar.Bezwaar) {
        throw Gebruiksfout(*verzamelaar.Bezwaar);
    }
    return std::move(verzamelaar.Argumenten);
}

} // namespace rcveltor::cli
