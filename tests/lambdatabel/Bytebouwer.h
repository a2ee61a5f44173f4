#pragma once

// Builds table files byte by byte, so that tests can make every layout,
// version and kind of damage the reader has to cope with.

#include "lambdatabel/Extended80.h"

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace testbytes {

using Bytes = std::vector<unsigned char>;

class B {
public:
    B& Ruw(std::initializer_list<int> bytes) {
        for (const int b : bytes) {
            uit.push_back(static_cast<unsigned char>(b));
        }
        return *this;
    }
    B& Le(std::uint64_t w, int n) {
        for (int i = 0; i < n; ++i) {
            uit.push_back(static_cast<unsigned char>(w >> (8 * i)));
        }
        return *this;
    }
    B& Sig() { return Ruw({'T', 'P', 'F', '0'}); }
    B& I8(int v) { return Ruw({2}).Le(static_cast<std::uint64_t>(v), 1); }
    B& I16(int v) { return Ruw({3}).Le(static_cast<std::uint64_t>(v), 2); }
    B& I32(std::int32_t v) { return Ruw({4}).Le(static_cast<std::uint32_t>(v), 4); }
    B& I64(std::int64_t v) { return Ruw({19}).Le(static_cast<std::uint64_t>(v), 8); }
    B& Ext(double v) {
        const auto e = rcveltor::CodeerExtended(v);
        Ruw({5});
        uit.insert(uit.end(), e.begin(), e.end());
        return *this;
    }
    B& S(std::string_view s) {
        Ruw({6}).Le(s.size(), 1);
        uit.insert(uit.end(), s.begin(), s.end());
        return *this;
    }
    B& L(std::string_view s) {
        Ruw({12}).Le(s.size(), 4);
        uit.insert(uit.end(), s.begin(), s.end());
        return *this;
    }
    B& U8(std::string_view s) {
        Ruw({20}).Le(s.size(), 4);
        uit.insert(uit.end(), s.begin(), s.end());
        return *this;
    }
    B& W(std::u16string_view s) {
        Ruw({18}).Le(s.size(), 4);
        for (const char16_t c : s) {
            Le(c, 2);
        }
        return *this;
    }
    B& T() { return Ruw({9}); }
    B& F() { return Ruw({8}); }
    B& Begin() { return Ruw({1}); }
    B& Eind() { return Ruw({0}); }
    B& Plus(const Bytes& meer) {
        uit.insert(uit.end(), meer.begin(), meer.end());
        return *this;
    }

    Bytes uit;
};

// One field definition entry in the layout of `versie`.
inline B& Veld(B& b, int versie, std::string_view naam, std::string_view type = "Float",
               int grootte = 0) {
    b.S(naam).S(type).I8(grootte).S(naam).S("").I8(10).F().F();
    if (versie >= 250) {
        b.S("Data");
    }
    if (versie >= 251) {
        b.S("");
    }
    return b;
}

struct Rec {
    std::vector<std::optional<double>> waarden;
    int status = 0;
    std::vector<Rec> ouder; // older versions, newest first
};

inline void Waarden(B& b, int versie, const Rec& r) {
    for (const auto& w : r.waarden) {
        if (versie >= 249) {
            if (!w) {
                b.T();
                continue;
            }
            b.F();
        }
        b.Ext(w.value_or(0));
    }
}

inline void Record(B& b, int versie, const Rec& r) {
    if (versie < 230) {
        Waarden(b, versie, r);
        return;
    }
    b.Begin().I16(r.status);
    Waarden(b, versie, r);
    for (const auto& o : r.ouder) {
        b.I16(o.status);
        Waarden(b, versie, o);
    }
    b.Eind();
}

// The header up to and including the start of the records list. Version 100
// is written without a version item; an empty field list keeps the defaults.
inline B Kop(int versie, const std::vector<std::string>& velden = {"Code", "Lambda"}) {
    B b;
    b.Sig();
    if (versie != 100) {
        b.I16(versie);
    }
    b.Begin();
    for (const auto& v : velden) {
        Veld(b, versie, v);
    }
    b.Eind();
    if (versie >= 200) {
        b.Begin().S("InxCode").S("Code").S("InxCode").F().F().F().F().Eind();
    }
    return b.Begin();
}

inline Bytes Tabel(int versie, const std::vector<Rec>& records,
                   const std::vector<std::string>& velden = {"Code", "Lambda"}) {
    B b = Kop(versie, velden);
    for (const auto& r : records) {
        Record(b, versie, r);
    }
    return b.Eind().uit;
}

} // namespace testbytes
