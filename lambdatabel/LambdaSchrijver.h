#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace rcveltor {

// Writes tagged items the way the table file stores them: the shortest
// integer tag, 8-bit strings as tag 6 or 12 (tag 20 for non-ASCII text),
// booleans as tags 8 and 9, floating-point numbers as 80-bit extended.
class TTpfSchrijver {
public:
    void Signatuur();
    void Integer(std::int32_t waarde);
    void Drijvend(double waarde);
    void Tekst(std::string_view ansi); // Windows-1252 text
    void Boolean(bool waarde);
    void BeginLijst();
    void EindeLijst();

    const std::vector<unsigned char>& Bytes() const { return uit_; }

private:
    void Klein(std::uint64_t waarde, int bytes);
    std::vector<unsigned char> uit_;
};

struct TLambdaRegel {
    double Code = 0;
    double Lambda = 0;
};

// The program's data file: version 251, fields Code and Lambda, index InxCode,
// one record per entry in the given order.
std::vector<unsigned char> SchrijfLambdaTabel(std::span<const TLambdaRegel> regels);

// Throws RcFout when the file cannot be written.
void SchrijfLambdaBestand(const std::string& bestandsnaam, std::span<const TLambdaRegel> regels);

} // namespace rcveltor
