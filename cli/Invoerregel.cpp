#include "cli/Invoerregel.h"

#include <istream>

namespace rcveltor::cli {

bool LeesInvoerregel(std::istream& in, std::string& regel, std::size_t max) {
    using Tekens = std::char_traits<char>;
    regel.clear();
    std::streambuf& buffer = *in.rdbuf();
    auto teken = buffer.sbumpc();
    if (Tekens::eq_int_type(teken, Tekens::eof())) {
        return false;
    }
    while (!Tekens::eq_int_type(teken, Tekens::eof()) && teken != '\n') {
        if (regel.size() <= max) {
            regel += Tekens::to_char_type(teken);
        }
        teken = buffer.sbumpc();
    }
    return true;
}

} // namespace rcveltor::cli
