#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace rcveltor::cli {

// A batch answer shows at most this many characters of any one value.
constexpr std::size_t kMaxGetoond = 200;

// The first kMaxGetoond characters (UTF-8 code points) of `tekst`, followed
// by "…" when that is not all of it.
std::string Ingekort(std::string_view tekst);

// `melding` with every argument longer than kMaxGetoond, and every value of
// such an "--optie=waarde", cut as Ingekort cuts it wherever it is quoted.
std::string KortWaardenIn(std::string melding, const std::vector<std::string>& argumenten);

} // namespace rcveltor::cli
